#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "geodesy/angles.h"

namespace geodesy {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Angles, DegreesAndRadiansMultiplyFirst) {
    // 1° is pi / 180; 180° is pi exactly, as (180 · pi) / 180 rounds back.
    EXPECT_EQ(degToRad(180.0), kPi);
    EXPECT_EQ(degToRad(90.0), 90.0 * kPi / 180.0);
    // A value where dividing first would round differently.
    const double x = 1.0169999999999981;
    ASSERT_NE(x * kPi / 180.0, x * (kPi / 180.0));
    EXPECT_EQ(degToRad(x), x * kPi / 180.0);
    EXPECT_EQ(radToDeg(kPi), 180.0);
    EXPECT_DOUBLE_EQ(radToDeg(degToRad(47.123456789)), 47.123456789);
}

TEST(Angles, NormalizeAngleCorrectsOnceEachWay) {
    struct Case {
        double in, out;
    } cases[] = {
        {kPi, kPi},          {-kPi, -kPi},          {3.2, 3.2 - kTwoPi},
        {7.0, 7.0 - kTwoPi}, {-3.2, -3.2 + kTwoPi}, {4.0 * kPi, 2.0 * kPi},
        {0.5, 0.5},
    };
    for (const Case& c : cases) EXPECT_EQ(normalizeAngle(c.in), c.out) << c.in;
    EXPECT_GT(normalizeAngle(10.0), kPi);  // one step only
}

TEST(Angles, SquareIsPowTwo) {
    EXPECT_EQ(square(3.0), 9.0);
    EXPECT_EQ(square(-1.5), 2.25);
    EXPECT_EQ(square(0.1), std::pow(0.1, 2.0));
}

TEST(Angles, ClampedInverseTrigonometryNeverGivesNaN) {
    const double smallest = std::acos(0.99999999999);
    EXPECT_NEAR(smallest, 4.47e-6, 0.01e-6);
    EXPECT_EQ(safeAcos(1.0), smallest);
    EXPECT_EQ(safeAcos(1.0000001), smallest);
    EXPECT_EQ(safeAcos(-3.0), std::acos(-0.99999999999));
    EXPECT_EQ(safeAsin(2.0), std::asin(0.99999999999));
    EXPECT_LT(safeAsin(2.0), kHalfPi);
    EXPECT_EQ(safeAsin(-2.0), -safeAsin(2.0));
    EXPECT_EQ(safeAsin(0.5), std::asin(0.5));
    EXPECT_FALSE(std::isnan(safeAcos(kInf)));
}

TEST(Angles, GuardedArcTangent) {
    struct Case {
        double y, x, out;
    } cases[] = {
        {0.0, 0.0, 0.0},     {1e-12, -1e-12, 0.0},  {0.0, -1.0, kPi},
        {1.0, 0.0, kHalfPi}, {1e-11, 0.0, kHalfPi},  // 1e-11 is not below the tolerance
    };
    for (const Case& c : cases) EXPECT_EQ(safeAtan2(c.y, c.x), c.out) << c.y << ", " << c.x;
}

TEST(Angles, RotationIsCounterClockwiseWithYUp) {
    struct Case {
        double x, y, cx, cy, angle, outX, outY;
    } cases[] = {
        {1.0, 0.0, 0.0, 0.0, kHalfPi, 0.0, 1.0},
        {1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0},
        {3.0, 4.0, 0.0, 0.0, 0.0, 3.0, 4.0},
        {2.0, 1.0, 1.0, 1.0, kPi, 0.0, 1.0},  // about a centre other than the origin
        {0.0, 1.0, 0.0, 0.0, -kHalfPi, 1.0, 0.0},
    };
    for (const Case& c : cases) {
        double x, y;
        rotateAboutPoint(c.x, c.y, c.cx, c.cy, c.angle, x, y);
        EXPECT_NEAR(x, c.outX, 1e-15);
        EXPECT_NEAR(y, c.outY, 1e-15);
    }
    double x = 1.0, y = 0.0;
    rotateAboutPoint(x, y, 0.0, 0.0, kHalfPi, x, y);  // outputs alias the inputs
    EXPECT_NEAR(x, 0.0, 1e-15);
    EXPECT_NEAR(y, 1.0, 1e-15);
}

TEST(Angles, PackedDmsToDegrees) {
    struct Case {
        double packed, degrees;
    } cases[] = {
        {12.3, 12.5},
        {-0.3, -0.5},
        {12.6, 13.0},                               // 60 minutes carry into the degrees
        {12.5960, 13.0},                            // 59'60" carries twice
        {12.3045, 12.0 + 30.0 / 60 + 45.0 / 3600},  // 12°30'45"
        {0.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(packedDmsToDegrees(c.packed), c.degrees, 1e-9) << c.packed;
}

TEST(Angles, DegreesToPackedDms) {
    struct Case {
        double degrees, packed;
    } cases[] = {
        {12.5, 12.3},
        {-0.5, -0.3},
        {1.25, 1.15},
        {12.0 + 30.0 / 60 + 45.0 / 3600, 12.3045},
        {13.0 - 1e-10, 13.0},  // 59.99999964" become the next full minute, here a degree
        // A ten-millionth of a second below the threshold of 59.999999": the
        // seconds stay, with their fraction.
        {12.0 + 59.0 / 60 + 59.9999989 / 3600, 12.5959999999989},
        {-(12.0 + 59.0 / 60 + 59.9999989 / 3600), -12.5959999999989},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(degreesToPackedDms(c.degrees), c.packed, 1e-9) << c.degrees;
}

TEST(Angles, RoundToDecimalsReadsBackTheFixedText) {
    struct Case {
        double value;
        int decimals;
        double out;
    } cases[] = {
        {2.26, 1, 2.3},
        {2.24, 1, 2.2},
        {1234.56789, 3, 1234.568},
        {-7.5, 0, -8.0},
        {0.125, 2, 0.12},  // the binary value rounds as printf does
        {47.123456789, 8, 47.12345679},
    };
    for (const Case& c : cases) EXPECT_EQ(roundToDecimals(c.value, c.decimals), c.out) << c.value;

    const double negativeZero = roundToDecimals(-0.0000004, 6);
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(negativeZero));
}

TEST(Angles, RoundToDecimalsEqualsFormattedOutputReadBack) {
    // The rounding is that of "%.Nf" read back with strtod, in the classic
    // locale, for coordinates and angles of every size the callers pass.
    std::setlocale(LC_NUMERIC, "C");
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 15);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::ldexp(mantissa(random), 0) * std::pow(10.0, exponent(random));
        for (const int decimals : {3, 6, 8}) {
            char text[400];
            std::snprintf(text, sizeof text, "%.*f", decimals, value);
            const double expected = std::strtod(text, nullptr);
            const double rounded = roundToDecimals(value, decimals);
            ASSERT_EQ(rounded, expected) << text;
            ASSERT_EQ(std::signbit(rounded), std::signbit(expected)) << text;
        }
    }
}

TEST(Angles, RoundToDecimalsCannotOverflow) {
    // Far beyond what a fixed 80-character buffer would hold.
    EXPECT_EQ(roundToDecimals(1e300, 8), 1e300);
    EXPECT_EQ(roundToDecimals(-1.7976931348623157e308, 20), -1.7976931348623157e308);
    EXPECT_EQ(roundToDecimals(9007199254740992.0, 3), 9007199254740992.0);
    EXPECT_EQ(roundToDecimals(kInf, 3), kInf);
    EXPECT_TRUE(std::isnan(roundToDecimals(kNaN, 3)));
    // Just below 2^53 with the largest number of decimals still fits.
    EXPECT_EQ(roundToDecimals(9007199254740991.0, 1000), 9007199254740991.0);
    EXPECT_EQ(roundToDecimals(-9007199254740990.5, 30), -9007199254740990.5);
    // Decimals outside [0, 30] are clamped.
    EXPECT_EQ(roundToDecimals(2.6, -5), 3.0);
    EXPECT_EQ(roundToDecimals(4e-31, 1000), 0.0);  // 30 decimals at most
    EXPECT_EQ(roundToDecimals(1e-20, 1000), 1e-20);
}

}  // namespace
}  // namespace geodesy
