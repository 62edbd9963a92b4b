#pragma once
// Everything the distance dialog shows, computed from its seven inputs and two
// switches in one call. Qt-free.

#include <string>
#include <string_view>

namespace distance {

struct DistanceInputs {
    double place1Lat = 0.0;  // degrees
    double place1Lon = 0.0;
    double place2Lat = 0.0;
    double place2Lon = 0.0;
    double declination1 = 0.0;  // degrees east of geographic north, at place 1
    double declination2 = 0.0;
    double earthRadius = 0.0;  // kilometres
    bool withDeclination = false;
    bool fullCircle = false;
};

struct DistanceResults {
    double distance = 0.0;  // kilometres, rounded to 6 decimals
    double bearing1 = 0.0;  // degrees, rounded to 8 decimals
    double bearing2 = 0.0;
    double rhumbCourse = 0.0;
    double declination1 = 0.0;  // the inputs wrapped into (-180, 180]
    double declination2 = 0.0;
    std::string angleNote;  // UTF-8, two lines
};

// The declination check: empty when -360 ≤ value ≤ 360, else its message.
std::string checkDeclination(double value);

// True when every one of the seven inputs passes its field check (latitudes,
// longitudes, declinations, a positive radius).
bool inputsValid(const DistanceInputs& inputs);

// One step each way into (-180, 180]: 200 → -160, -190 → 170, ±180 → 180.
double wrapHalfCircle(double angle);

// The note under the results: which north the angles count from and how.
std::string_view angleNote(bool withDeclination, bool fullCircle);

// Distance on the sphere, initial great-circle bearings at both places and the
// rhumb-line course from place 1, relative to magnetic north (minus each
// place's declination; the rhumb line uses place 1's) when asked, and in
// 0..360 instead of -180..180 when asked. Assumes valid inputs.
DistanceResults computeDistanceAndBearings(const DistanceInputs& inputs);

}  // namespace distance
