#include "geodesy/cylindrical.h"

#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy {

Cylinder makeCylinder(double delta1) {
    return {std::sin(delta1)};
}

void cylinderEquidistantForward(const Cylinder& k, double z, double alpha, double& x, double& y) {
    x = alpha * k.sinDelta1;
    y = kHalfPi - z;
}

void cylinderEquidistantInverse(const Cylinder& k, double x, double y, double& z, double& alpha) {
    alpha = x / k.sinDelta1;
    z = kHalfPi - y;
}

void cylinderEqualAreaForward(const Cylinder& k, double z, double alpha, double& x, double& y) {
    x = alpha * k.sinDelta1;
    y = std::cos(z) / k.sinDelta1;
}

void cylinderEqualAreaInverse(const Cylinder& k, double x, double y, double& z, double& alpha) {
    alpha = x / k.sinDelta1;
    z = inl::safeAcos(y * k.sinDelta1);
}

void cylinderConformalForward(const Cylinder& k, double z, double alpha, double& x, double& y) {
    x = alpha * k.sinDelta1;
    y = std::log(std::tan(kHalfPi - z / 2.0)) * k.sinDelta1;
}

void cylinderConformalInverse(const Cylinder& k, double x, double y, double& z, double& alpha) {
    alpha = x / k.sinDelta1;
    z = kPi - 2.0 * std::atan(std::exp(y / k.sinDelta1));
}

}  // namespace geodesy
