#pragma once
// Records for the engine tests.

#include <cmath>
#include <string>
#include <string_view>

#include "geodesy/catalogues.h"
#include "geodesy/projection.h"

namespace geodesy::testing {

inline constexpr double kBesselA = 6377397.155;
inline constexpr double kBesselB = 6356078.962818189;

// Natural coordinates (1 : 1, metres): sphere radius R times the unit sphere,
// no offsets, no rotation.
inline ProjectionParams naturalRecord(std::string_view type, double radius = 1.0,
                                      std::string_view datum = "WGS 84 (ECEF)") {
    ProjectionParams p;
    p.projectionName = std::string(type);
    p.scaleDenominator = 1.0;
    p.unitMillimetres = 1000.0;
    p.sphereRadius = radius;
    p.datum = lookupDatum(std::string(datum));
    return p;
}

inline double degrees(double d, double m, double s) {
    return d + m / 60.0 + s / 3600.0;
}

inline double deg(double radians) {
    return radians * 180.0 / 3.141592653589793;
}
inline double rad(double degrees) {
    return degrees * 3.141592653589793 / 180.0;
}

}  // namespace geodesy::testing
