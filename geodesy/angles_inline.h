#pragma once
// Inline forms of the angle helpers for the engine's per-point paths. They
// compute exactly what the functions of angles.h compute (those call them).

#include <cmath>

#include "geodesy/angles.h"

namespace geodesy::inl {

inline constexpr double kClampBound = 0.99999999999;
inline constexpr double kTinyAngle = 1e-11;

inline double degToRad(double degrees) {
    return degrees * kPi / 180.0;
}
inline double radToDeg(double radians) {
    return radians * 180.0 / kPi;
}

inline double normalizeAngle(double x) {
    if (x > kPi) x -= kTwoPi;
    if (x < -kPi) x += kTwoPi;
    return x;
}

inline double square(double x) {
    return std::pow(x, 2.0);
}

inline double clampUnit(double x) {
    if (x > kClampBound) x = kClampBound;
    if (x < -kClampBound) x = -kClampBound;
    return x;
}

inline double safeAsin(double x) {
    return std::asin(clampUnit(x));
}
inline double safeAcos(double x) {
    return std::acos(clampUnit(x));
}

inline double safeAtan2(double y, double x) {
    if (std::fabs(y) < kTinyAngle && std::fabs(x) < kTinyAngle) return 0.0;
    return std::atan2(y, x);
}

inline void rotateAboutPoint(double x, double y, double cx, double cy, double angle, double& outX,
                             double& outY) {
    const double dx = x - cx;
    const double dy = y - cy;
    const double r = std::sqrt(square(dx) + square(dy));
    const double theta = angle + safeAtan2(dy, dx);
    outX = cx + r * std::cos(theta);
    outY = cy + r * std::sin(theta);
}

}  // namespace geodesy::inl
