#include "geodesy/azimuthal.h"

#include <cmath>

#include "geodesy/angles_inline.h"
#include "geodesy/polar_form.h"

namespace geodesy {

void azimuthalEquidistantForward(double z, double alpha, double& x, double& y) {
    polar::toMap(z, alpha, x, y);
}

void azimuthalEquidistantInverse(double x, double y, double& z, double& alpha) {
    polar::fromMap(x, y, z, alpha);
}

void azimuthalEqualAreaForward(double z, double alpha, double& x, double& y) {
    polar::toMap(2.0 * std::sin(z / 2.0), alpha, x, y);
}

void azimuthalEqualAreaInverse(double x, double y, double& z, double& alpha) {
    z = inl::safeAcos(1.0 - (inl::square(y) + inl::square(x)) / 2.0);
    alpha = inl::safeAtan2(x, -y);
}

void azimuthalConformalForward(double z, double alpha, double& x, double& y) {
    polar::toMap(2.0 * std::tan(z / 2.0), alpha, x, y);
}

void azimuthalConformalInverse(double x, double y, double& z, double& alpha) {
    double rho;
    polar::fromMap(x, y, rho, alpha);
    z = 2.0 * std::atan(rho / 2.0);
}

}  // namespace geodesy
