#pragma once
// Azimuthal projections of the unit sphere about the main point: z is the
// polar distance of the point, alpha its azimuth (radians); x and y in sphere
// radii, the main point at the origin. Closed formulas, no failure.
//
// At the antipode (z = pi) the equal-area variant reaches its bounding
// circle (rho = 2); the stereographic one gives 2 tan(pi/2), a very large
// finite number. The equal-area inverse clamps through safeAcos: polar
// distances come back within [4.5e-6, pi - 4.5e-6].

#include <cmath>

#include "geodesy/angles_inline.h"
#include "geodesy/polar_form.h"

namespace geodesy {

inline void azimuthalEquidistantForward(double z, double alpha, double& x, double& y) {
    polar::toMap(z, alpha, x, y);
}
inline void azimuthalEquidistantInverse(double x, double y, double& z, double& alpha) {
    polar::fromMap(x, y, z, alpha);
}
inline void azimuthalEqualAreaForward(double z, double alpha, double& x, double& y) {
    polar::toMap(2.0 * std::sin(z / 2.0), alpha, x, y);
}
inline void azimuthalEqualAreaInverse(double x, double y, double& z, double& alpha) {
    z = inl::safeAcos(1.0 - (inl::square(y) + inl::square(x)) / 2.0);
    alpha = inl::safeAtan2(x, -y);
}
inline void azimuthalConformalForward(double z, double alpha, double& x, double& y) {
    polar::toMap(2.0 * std::tan(z / 2.0), alpha, x, y);
}
inline void azimuthalConformalInverse(double x, double y, double& z, double& alpha) {
    double rho;
    polar::fromMap(x, y, rho, alpha);
    z = 2.0 * std::atan(rho / 2.0);
}

}  // namespace geodesy
