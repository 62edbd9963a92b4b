#pragma once
// Angle and number helpers shared by the engine and the dialogs. None of them
// keeps state, allocates or fails.

namespace geodesy {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kQuarterPi = 0.7853981633974483;

double degToRad(double degrees);  // degrees · pi / 180
double radToDeg(double radians);  // radians · 180 / pi

// One correction each way: values in (-3 pi, 3 pi) come back in [-pi, pi];
// pi and -pi stay as they are.
double normalizeAngle(double x);

double square(double x);  // pow(x, 2.0)

// asin / acos of the argument clamped to ±0.99999999999: never NaN for a
// finite argument; acos(1) gives about 4.5e-6, not 0.
double safeAsin(double x);
double safeAcos(double x);

// 0 when both |y| and |x| are below 1e-11, otherwise atan2(y, x).
double safeAtan2(double y, double x);

// Turns (x, y) about (cx, cy) by angle radians, counter-clockwise with the
// y axis up. The outputs may alias the inputs.
void rotateAboutPoint(double x, double y, double cx, double cy, double angle, double& outX,
                      double& outY);

// Packed sexagesimal D.MMSS (12°30'45" is 12.3045) to decimal degrees and
// back; minutes or seconds of 60 carry once into the next unit.
double packedDmsToDegrees(double packed);
double degreesToPackedDms(double degrees);

// The value as fixed notation with the given number of decimals ("%.Nf"),
// read back (strtod). Non-finite values and values of magnitude 2^53 or more
// come back unchanged; decimals below 0 count as 0, above 30 as 30. Both
// directions use the current C locale, so the round trip is consistent.
double roundToDecimals(double value, int decimals);

}  // namespace geodesy
