#include "geodesy/angles.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy {

namespace {
// Doubles of this magnitude or more are whole numbers: nothing to round, and
// their fixed notation would be long.
constexpr double kLargestRoundable = 9007199254740992.0;  // 2^53
constexpr int kMaxDecimals = 30;
// Sign, at most 16 integer digits below 2^53, point, decimals, terminator.
constexpr int kRoundBufferSize = 1 + 16 + 1 + kMaxDecimals + 1 + 15;
}  // namespace

double degToRad(double degrees) {
    return inl::degToRad(degrees);
}
double radToDeg(double radians) {
    return inl::radToDeg(radians);
}
double normalizeAngle(double x) {
    return inl::normalizeAngle(x);
}
double square(double x) {
    return inl::square(x);
}
double safeAsin(double x) {
    return inl::safeAsin(x);
}
double safeAcos(double x) {
    return inl::safeAcos(x);
}
double safeAtan2(double y, double x) {
    return inl::safeAtan2(y, x);
}

void rotateAboutPoint(double x, double y, double cx, double cy, double angle, double& outX,
                      double& outY) {
    inl::rotateAboutPoint(x, y, cx, cy, angle, outX, outY);
}

double packedDmsToDegrees(double packed) {
    const bool negative = packed < 0.0;
    double v = negative ? -packed : packed;
    double d = std::floor(v);
    double m = std::floor((v - d) * 100.0);
    double s = v * 10000.0 - d * 10000.0 - m * 100.0;
    if (s >= 60.0) {
        m = m + 1.0;
        s = s > 99.999999 ? 0.0 : s - 60.0;
    }
    if (m >= 60.0) {
        d = d + 1.0;
        m = m - 60.0;
    }
    const double degrees = m / 60.0 + d + s / 3600.0;
    return negative ? -degrees : degrees;
}

double degreesToPackedDms(double degrees) {
    const bool negative = degrees < 0.0;
    double v = negative ? -degrees : degrees;
    double d = std::floor(v);
    double m = std::floor((v - d) * 60.0);
    double s = ((v - d) - m / 60.0) * 3600.0;
    if (s >= 59.999999) {
        m = m + 1.0;
        s = 0.0;
    }
    if (m >= 60.0) {
        d = d + 1.0;
        m = 0.0;
    }
    const double packed = m / 100.0 + d + s / 10000.0;
    return negative ? -packed : packed;
}

double roundToDecimals(double value, int decimals) {
    if (!std::isfinite(value) || std::fabs(value) >= kLargestRoundable) return value;
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    // Fixed notation and reading back, as formatted output and input do, but
    // independent of the locale (a German locale would print a decimal comma
    // that reads back as an integer).
    char text[kRoundBufferSize];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (written.ec != std::errc()) return value;  // cannot happen for the magnitudes admitted above
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

}  // namespace geodesy
