#include "distance/bearings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geodesy/angles.h"

namespace distance {
namespace {

// π/4 as the isometric latitude uses it: ln tan(φ/2 + π/4).
constexpr double kQuarterPi = 0.785398163397448279;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool atPole(double lat) {
    return std::fabs(lat) == geodesy::kHalfPi;
}

// Exactly the same point of the sphere, so that rounding in the law of cosines
// (cos²φ + sin²φ is not always 1 in doubles) cannot invent a distance.
bool samePlace(double latA, double lonA, double latB, double lonB) {
    if (latA != latB) return false;
    if (atPole(latA)) return true;
    const double dLon = std::fabs(lonB - lonA);
    return dLon == 0.0 || dLon == geodesy::kTwoPi;
}

// The Mercator ordinate of a latitude on the unit sphere; the poles lie at
// infinity (tan(π/2) is finite in doubles, so they are set explicitly).
double isometricLatitude(double lat) {
    if (lat == geodesy::kHalfPi) return kInfinity;
    if (lat == -geodesy::kHalfPi) return -kInfinity;
    return std::log(std::tan(lat / 2.0 + kQuarterPi));
}

}  // namespace

double centralAngle(double latA, double lonA, double latB, double lonB) {
    if (samePlace(latA, lonA, latB, lonB)) return 0.0;
    const double cosine =
        std::cos(lonB - lonA) * (std::cos(latB) * std::cos(latA)) + std::sin(latB) * std::sin(latA);
    // std::clamp keeps NaN, so undefined input stays undefined.
    return std::acos(std::clamp(cosine, -1.0, 1.0));
}

double initialBearing(double latA, double lonA, double latB, double lonB) {
    const double phiA = geodesy::degToRad(latA);
    const double lambdaA = geodesy::degToRad(lonA);
    const double phiB = geodesy::degToRad(latB);
    const double lambdaB = geodesy::degToRad(lonB);
    const double sigma = centralAngle(phiA, lambdaA, phiB, lambdaB);
    const double sinSigma = std::sin(sigma);

    if (sinSigma == 0.0 || std::isnan(sigma)) return 0.0;
    if (latA == 90.0) return 180.0;
    if (latA == -90.0) return 0.0;
    // Towards a pole the course is due north or south; the clamped arc cosine
    // below would leave a few ten-thousandths of a degree on either side.
    if (latB == 90.0) return 0.0;
    if (latB == -90.0) return 180.0;
    // 180° and -180° are one meridian.
    if (lonA == lonB || std::fabs(lonA - lonB) == 360.0) return latA >= latB ? 180.0 : 0.0;
    // Opposite meridians: the great circle runs over the nearer pole.
    if (std::fabs(lonA - lonB) == 180.0) return -latA > latB ? 180.0 : 0.0;

    const double cosBearing =
        (std::sin(phiB) - std::cos(sigma) * std::sin(phiA)) / (sinSigma * std::cos(phiA));
    const double sinBearing = (std::sin(lambdaB - lambdaA) * std::cos(phiB)) / sinSigma;
    const double bearing = geodesy::safeAcos(cosBearing);
    return geodesy::safeAsin(sinBearing) >= 0.0 ? geodesy::radToDeg(bearing)
                                                : geodesy::radToDeg(-bearing);
}

double rhumbCourse(double lat1, double lon1, double lat2, double lon2) {
    if (lat1 == lat2 && atPole(lat1)) return 0.0;
    const double northing = isometricLatitude(lat2) - isometricLatitude(lat1);
    const double course = std::atan2(lon2 - lon1, northing);
    // With a westward (or -0) longitude difference atan2 gives -0 for due
    // north and -pi for due south, as it always does towards a pole: due
    // north is 0 and due south pi, as the range says, whatever the sign.
    if (course == 0.0) return 0.0;
    return course == -geodesy::kPi ? geodesy::kPi : course;
}

}  // namespace distance
