#pragma once
// Illustrator documents: PostScript points (1/72 inch) on the page, the
// path operators that carry coordinates, and the unit conversions between
// PostScript points and a projection's output unit.

#include <cmath>
#include <string_view>

namespace fileio::illustrator {

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kPointsPerInch = 72.0;

// The export's conversion of a map coordinate in the output unit:
// v · millimetresPerUnit · 72 / 25.4, evaluated in that order.
inline double toPoints(double v, double millimetresPerUnit) {
    return v * millimetresPerUnit * kPointsPerInch / kMillimetresPerInch;
}

// The transformation's conversions, each evaluated in the order written:
// points to the source side's unit, v · 25.4 / 72 / millimetresPerUnit,
inline double pointsToUnits(double v, double millimetresPerUnit) {
    return v * kMillimetresPerInch / kPointsPerInch / millimetresPerUnit;
}
// and the target side's unit back to points, v · 72 / 25.4 · millimetresPerUnit.
inline double unitsToPoints(double v, double millimetresPerUnit) {
    return v * kPointsPerInch / kMillimetresPerInch * millimetresPerUnit;
}

// Path operators with one point ("x y op").
inline constexpr char kMoveTo = 'm';
inline constexpr char kLineTo = 'L';
inline constexpr char kLineToSmooth = 'l';
// Curve operators with three points ("x1 y1 x2 y2 x3 y3 op").
inline constexpr char kCurveTo = 'c';
inline constexpr char kCurveToSmooth = 'C';
// The one-point and the three-point operators as sets.
inline constexpr std::string_view kPointOperators = "mLl";
inline constexpr std::string_view kCurveOperators = "cC";
static_assert(kPointOperators[0] == kMoveTo && kPointOperators[1] == kLineTo &&
              kPointOperators[2] == kLineToSmooth);
static_assert(kCurveOperators[0] == kCurveTo && kCurveOperators[1] == kCurveToSmooth);
// Curve operators with two points ("x1 y1 x2 y2 op"): the first or the last
// control point coincides with an end point.
inline constexpr std::string_view kTwoPointCurves = "vVyY";

// The largest magnitude a PostScript real can hold.
inline constexpr double kMaxReal = 3.4e38;

// A coordinate in points that may be written: finite and within the range
// of a PostScript real (a PostScript interpreter stops at a number beyond it).
inline bool isWritable(double points) {
    return std::isfinite(points) && std::fabs(points) <= kMaxReal;
}

}  // namespace fileio::illustrator
