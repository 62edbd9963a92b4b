#pragma once
// The polar form shared by the conics, the azimuthals and the Bonne
// projection: the main point lies above the image of the central direction.

#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy::polar {

inline void toMap(double rho, double theta, double& x, double& y) {
    x = rho * std::sin(theta);
    y = -rho * std::cos(theta);
}

// Radius and angle of a map point, for a positive radius.
inline void fromMap(double x, double y, double& rho, double& theta) {
    rho = std::sqrt(inl::square(y) + inl::square(x));
    theta = inl::safeAtan2(x, -y);
}

// The same for a projection whose forward radius is negative: -rho and the
// angle read from the point turned half round invert x = rho sin theta,
// y = -rho cos theta.
inline void fromMapNegative(double x, double y, double& rho, double& theta) {
    rho = -std::sqrt(inl::square(y) + inl::square(x));
    theta = inl::safeAtan2(-x, y);
}

}  // namespace geodesy::polar
