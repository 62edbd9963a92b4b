#pragma once
// Conic projections of the unit sphere, in polar coordinates about the main
// point: z is the polar distance of the point, alpha its azimuth (radians),
// delta1 and delta2 the standard parallels as polar distances (radians).
// Results x (right) and y (the main point lies above the image of alpha = 0)
// in sphere radii. Each forward and inverse is closed, allocates nothing and
// never fails; the constants are made once per pair of standard parallels.
//
// Degenerate parallels: equal delta1 and delta2 give the tangent cone in all
// three variants (n = cos delta1). A standard parallel of 0 or pi (sin delta
// = 0) makes the conformal conic's n NaN (0° exactly) or meaningless (180°),
// and its results NaN or huge; nothing traps.
//
// Cones with n < 0 (both standard parallels south of the equator as seen
// from the main point) have a negative radius rho in the forward direction;
// the inverses of the equidistant and the conformal conic take the radius as
// negative there, so that they invert the forward.

#include <cmath>

#include "geodesy/angles_inline.h"
#include "geodesy/polar_form.h"

namespace geodesy {

struct EquidistantConic {
    double n;  // cone constant
    double c;  // rho = z + c
};
struct EqualAreaConic {
    double n;
    double q;  // rho^2 = -2 cos z / n + q
};
struct ConformalConic {
    double n;
    double f;  // rho = tan(z/2)^n * f
};

EquidistantConic makeEquidistantConic(double delta1, double delta2);
EqualAreaConic makeEqualAreaConic(double delta1, double delta2);
ConformalConic makeConformalConic(double delta1, double delta2);

inline void equidistantConicForward(const EquidistantConic& k, double z, double alpha, double& x,
                                    double& y) {
    polar::toMap(z + k.c, k.n * alpha, x, y);
}
inline void equidistantConicInverse(const EquidistantConic& k, double x, double y, double& z,
                                    double& alpha) {
    double rho, theta;
    if (k.n < 0.0)
        polar::fromMapNegative(x, y, rho, theta);
    else
        polar::fromMap(x, y, rho, theta);
    z = rho - k.c;
    alpha = theta / k.n;
}
inline void equalAreaConicForward(const EqualAreaConic& k, double z, double alpha, double& x,
                                  double& y) {
    const double rho = std::sqrt(-2.0 * std::cos(z) / k.n + k.q);
    polar::toMap(rho, k.n * alpha, x, y);
}
inline void equalAreaConicInverse(const EqualAreaConic& k, double x, double y, double& z,
                                  double& alpha) {
    const double sum = inl::square(y) + inl::square(x);
    z = inl::safeAcos(-(sum - k.q) * k.n / 2.0);
    alpha = inl::safeAtan2(x, -y) / k.n;
}
inline void conformalConicForward(const ConformalConic& k, double z, double alpha, double& x,
                                  double& y) {
    const double rho = std::pow(std::tan(z / 2.0), k.n) * k.f;
    polar::toMap(rho, k.n * alpha, x, y);
}
inline void conformalConicInverse(const ConformalConic& k, double x, double y, double& z,
                                  double& alpha) {
    double rho, theta;
    if (k.n < 0.0)
        polar::fromMapNegative(x, y, rho, theta);
    else
        polar::fromMap(x, y, rho, theta);
    z = 2.0 * std::atan(std::exp(std::log(rho / k.f) / k.n));
    alpha = theta / k.n;
}

}  // namespace geodesy
