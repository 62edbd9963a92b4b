#pragma once
// The Bonne projection of the unit sphere about the main point: z is the
// polar distance of the point, alpha its azimuth, delta1 the polar distance
// of the parallel that all meridians cut at right angles (radians). x and y
// in sphere radii, the cone's apex at the origin. Closed formulas, no failure.
//
// For delta1 beyond 90° (tan delta1 < 0) the forward radius is negative; the
// inverse then takes the radius as negative, so that it inverts the forward.
// At the apex (rho = 0) the forward divides by zero and gives NaN.

#include <cmath>

#include "geodesy/polar_form.h"

namespace geodesy {

struct Bonne {
    double delta1;
    double tanDelta1;
};

Bonne makeBonne(double delta1);

inline void bonneForward(const Bonne& k, double z, double alpha, double& x, double& y) {
    const double rho = k.tanDelta1 + z - k.delta1;
    const double e = alpha * std::sin(z) / rho;
    polar::toMap(rho, e, x, y);
}
inline void bonneInverse(const Bonne& k, double x, double y, double& z, double& alpha) {
    double rho, theta;
    if (k.tanDelta1 < 0.0)
        polar::fromMapNegative(x, y, rho, theta);
    else
        polar::fromMap(x, y, rho, theta);
    z = rho - k.tanDelta1 + k.delta1;
    alpha = theta / (std::sin(z) / rho);
}

}  // namespace geodesy
