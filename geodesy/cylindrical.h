#pragma once
// Cylindrical projections of the unit sphere in normal aspect about the main
// point: z is the polar distance of the point, alpha its azimuth (radians);
// the parallel at polar distance delta1 is true to length. x grows with alpha,
// y towards the main point; both in sphere radii. Closed formulas, no failure.
//
// A standard parallel of 0 (sin delta1 = 0) collapses the map to x = 0, and
// the equal-area forward and every inverse divide by zero: they return
// infinities or NaN. At 180° sin delta1 is about 1.2e-16 and the results are
// finite but huge.

#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy {

struct Cylinder {
    double sinDelta1;
};

Cylinder makeCylinder(double delta1);

inline void cylinderEquidistantForward(const Cylinder& k, double z, double alpha, double& x,
                                       double& y) {
    x = alpha * k.sinDelta1;
    y = kHalfPi - z;
}
inline void cylinderEquidistantInverse(const Cylinder& k, double x, double y, double& z,
                                       double& alpha) {
    alpha = x / k.sinDelta1;
    z = kHalfPi - y;
}
inline void cylinderEqualAreaForward(const Cylinder& k, double z, double alpha, double& x,
                                     double& y) {
    x = alpha * k.sinDelta1;
    y = std::cos(z) / k.sinDelta1;
}
inline void cylinderEqualAreaInverse(const Cylinder& k, double x, double y, double& z,
                                     double& alpha) {
    alpha = x / k.sinDelta1;
    z = inl::safeAcos(y * k.sinDelta1);
}
inline void cylinderConformalForward(const Cylinder& k, double z, double alpha, double& x,
                                     double& y) {
    x = alpha * k.sinDelta1;
    y = std::log(std::tan(kHalfPi - z / 2.0)) * k.sinDelta1;
}
inline void cylinderConformalInverse(const Cylinder& k, double x, double y, double& z,
                                     double& alpha) {
    alpha = x / k.sinDelta1;
    z = kPi - 2.0 * std::atan(std::exp(y / k.sinDelta1));
}

}  // namespace geodesy
