#include "distance/distance_calculation.h"

#include "definition/field_checks.h"
#include "distance/bearings.h"
#include "geodesy/angles.h"

namespace distance {
namespace {

constexpr int kDistanceDecimals = 6;
constexpr int kAngleDecimals = 8;

// Rows: with declination (0, 1); columns: full circle (0, 1).
constexpr std::string_view kAngleNotes[2][2] = {
    {"(Winkel vom geographischen Nordpol,\npositiv = nach Osten, negativ = nach Westen)",
     "(Winkel vom geographischen Nordpol,\nim Uhrzeigersinn)"},
    {"(Winkel vom magnetischen Nordpol,\npositiv = nach Osten, negativ = nach Westen)",
     "(Winkel vom magnetischen Nordpol,\nim Uhrzeigersinn)"},
};

double toFullCircle(double angle) {
    return angle < 0.0 ? angle + 360.0 : angle;
}

}  // namespace

std::string checkDeclination(double value) {
    if (value >= -360.0 && value <= 360.0) return {};
    return "Winkel zwischen -360° und +360°";
}

bool inputsValid(const DistanceInputs& in) {
    return definition::checkLatitude(in.place1Lat).empty() &&
           definition::checkLongitude(in.place1Lon).empty() &&
           definition::checkLatitude(in.place2Lat).empty() &&
           definition::checkLongitude(in.place2Lon).empty() &&
           checkDeclination(in.declination1).empty() && checkDeclination(in.declination2).empty() &&
           definition::checkPositive(in.earthRadius).empty();
}

double wrapHalfCircle(double angle) {
    if (angle >= 180.0) angle -= 360.0;
    if (angle <= -180.0) angle += 360.0;
    return angle;
}

std::string_view angleNote(bool withDeclination, bool fullCircle) {
    return kAngleNotes[withDeclination ? 1 : 0][fullCircle ? 1 : 0];
}

DistanceResults computeDistanceAndBearings(const DistanceInputs& in) {
    const double phi1 = geodesy::degToRad(in.place1Lat);
    const double lambda1 = geodesy::degToRad(in.place1Lon);
    const double phi2 = geodesy::degToRad(in.place2Lat);
    const double lambda2 = geodesy::degToRad(in.place2Lon);

    DistanceResults out;
    out.distance = centralAngle(phi1, lambda1, phi2, lambda2) * in.earthRadius;
    out.bearing1 = initialBearing(in.place1Lat, in.place1Lon, in.place2Lat, in.place2Lon);
    out.bearing2 = initialBearing(in.place2Lat, in.place2Lon, in.place1Lat, in.place1Lon);
    out.rhumbCourse = geodesy::radToDeg(rhumbCourse(phi1, lambda1, phi2, lambda2));
    out.declination1 = wrapHalfCircle(in.declination1);
    out.declination2 = wrapHalfCircle(in.declination2);

    // A declination is the angle of magnetic north east of geographic north,
    // so an angle from magnetic north is the geographic one minus it.
    if (in.withDeclination) {
        out.bearing1 = wrapHalfCircle(out.bearing1 - out.declination1);
        out.bearing2 = wrapHalfCircle(out.bearing2 - out.declination2);
        out.rhumbCourse = wrapHalfCircle(out.rhumbCourse - out.declination1);
    }
    if (in.fullCircle) {
        out.bearing1 = toFullCircle(out.bearing1);
        out.bearing2 = toFullCircle(out.bearing2);
        out.rhumbCourse = toFullCircle(out.rhumbCourse);
    }
    out.angleNote = angleNote(in.withDeclination, in.fullCircle);

    out.distance = geodesy::roundToDecimals(out.distance, kDistanceDecimals);
    out.bearing1 = geodesy::roundToDecimals(out.bearing1, kAngleDecimals);
    out.bearing2 = geodesy::roundToDecimals(out.bearing2, kAngleDecimals);
    out.rhumbCourse = geodesy::roundToDecimals(out.rhumbCourse, kAngleDecimals);
    return out;
}

}  // namespace distance
