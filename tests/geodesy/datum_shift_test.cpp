#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "geodesy/catalogues.h"
#include "geodesy/datum_shift.h"
#include "test_records.h"

namespace geodesy {
namespace {

using testing::deg;
using testing::rad;

constexpr double kWgsA = 6378137.0;
constexpr double kWgsB = 6356752.314245179;

struct Geographic {
    double lat, lon, height;  // degrees, metres
};

void shift(const DatumParams& d, double a2, double b2, double sign, const Geographic& in,
           Geographic& out) {
    datumShift(d.semiMajorAxis, d.semiMinorAxis, a2, b2, sign * d.shiftX, sign * d.shiftY,
               sign * d.shiftZ, sign * d.rotationOmega, sign * d.rotationPsi,
               sign * d.rotationEpsilon, sign * d.scaleCorrection, in.lat, in.lon, in.height,
               out.lat, out.lon, out.height);
}

// An independent model of the same transformation: geographic to earth-
// centred Cartesian coordinates, a small-angle seven-parameter shift that
// turns the point clockwise about each axis as seen from its positive end,
// and back to geographic coordinates by iteration.
using Vector = std::array<double, 3>;

Vector toCartesian(double a, double b, const Geographic& g) {
    const double e2 = (a * a - b * b) / (a * a);
    const double phi = rad(g.lat), lam = rad(g.lon);
    const double n = a / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
    return {(n + g.height) * std::cos(phi) * std::cos(lam),
            (n + g.height) * std::cos(phi) * std::sin(lam),
            (n * (1.0 - e2) + g.height) * std::sin(phi)};
}

Geographic toGeographic(double a, double b, const Vector& v) {
    const double e2 = (a * a - b * b) / (a * a);
    const double p = std::hypot(v[0], v[1]);
    double phi = std::atan2(v[2], p * (1.0 - e2));
    double h = 0.0;
    for (int i = 0; i < 20; ++i) {
        const double n = a / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
        h = p / std::cos(phi) - n;
        phi = std::atan2(v[2], p * (1.0 - e2 * n / (n + h)));
    }
    return {deg(phi), deg(std::atan2(v[1], v[0])), h};
}

Geographic helmert(const DatumParams& d, double a2, double b2, const Geographic& g) {
    const Vector x = toCartesian(d.semiMajorAxis, d.semiMinorAxis, g);
    const Vector w = {rad(d.rotationEpsilon), rad(d.rotationPsi), rad(d.rotationOmega)};
    const Vector cross = {w[1] * x[2] - w[2] * x[1], w[2] * x[0] - w[0] * x[2],
                          w[0] * x[1] - w[1] * x[0]};
    const Vector t = {d.shiftX, d.shiftY, d.shiftZ};
    Vector y;
    for (int i = 0; i < 3; ++i) y[i] = x[i] * (1.0 + d.scaleCorrection) + t[i] - cross[i];
    return toGeographic(a2, b2, y);
}

TEST(DatumShift, ZeroParametersAndEqualEllipsoidsChangeNothing) {
    const Geographic points[] = {{47.5, 8.25, 500.0}, {-33.0, 151.0, 0.0}, {0.0, 180.0, -20.0}};
    for (const Geographic& p : points) {
        Geographic out;
        datumShift(kWgsA, kWgsB, kWgsA, kWgsB, 0, 0, 0, 0, 0, 0, 0, p.lat, p.lon, p.height, out.lat,
                   out.lon, out.height);
        EXPECT_DOUBLE_EQ(out.lat, p.lat);
        EXPECT_DOUBLE_EQ(out.lon, p.lon);
        EXPECT_DOUBLE_EQ(out.height, p.height);
    }
}

TEST(DatumShift, ShiftAlongZMovesAPointOnTheEquatorNorth) {
    Geographic out;
    datumShift(kWgsA, kWgsB, kWgsA, kWgsB, 0, 0, 100.0, 0, 0, 0, 0, 0.0, 30.0, 10.0, out.lat,
               out.lon, out.height);
    EXPECT_NEAR(out.lat, deg(100.0 / kWgsA), 1e-15);
    EXPECT_GT(out.lat, 0.0);
    EXPECT_DOUBLE_EQ(out.lon, 30.0);
    EXPECT_NEAR(out.height, 10.0, 1e-9);
}

TEST(DatumShift, RotationSignsTurnClockwiseSeenFromTheAxis) {
    // 1" about Z moves every point 1" west; about Y a point at longitude 0
    // 1" north; about X a point at longitude 90° 1" south.
    const double second = 1.0 / 3600.0;
    struct Case {
        double omega, psi, epsilon, lon, dLat, dLon;
    } cases[] = {
        {second, 0, 0, 20.0, 0.0, -second},
        {0, second, 0, 0.0, second, 0.0},
        {0, 0, second, 90.0, -second, 0.0},
    };
    for (const Case& c : cases) {
        Geographic out;
        datumShift(kWgsA, kWgsB, kWgsA, kWgsB, 0, 0, 0, c.omega, c.psi, c.epsilon, 0, 0.0, c.lon,
                   0.0, out.lat, out.lon, out.height);
        EXPECT_NEAR(out.lat, c.dLat, 1e-12);
        EXPECT_NEAR(out.lon - c.lon, c.dLon, 1e-12);
    }
}

TEST(DatumShift, CatalogueDatumsAgreeWithTheCartesianModel) {
    // The first-order formulas against the rigorous Cartesian transformation.
    // They take a2 as the radius of curvature throughout and leave out the
    // f · da term of the height: that costs up to about 1 m on the ground
    // (the longitude effect of the rotations about X and Y is about e^2 too
    // large) and 1.5 m in height. A wrong sign of any rotation moves the point
    // by 25 to 160 m, of the scale by 70 m in height, of a shift by 170 m.
    const Geographic points[] = {{47.0, 8.0, 500.0}, {52.5, 13.4, 40.0}, {48.2, 16.4, 200.0}};
    for (std::string_view name : kDatumNames) {
        const DatumParams d = lookupDatum(std::string(name));
        for (const Geographic& p : points) {
            Geographic got, want = helmert(d, kWgsA, kWgsB, p);
            shift(d, kWgsA, kWgsB, 1.0, p, got);
            EXPECT_NEAR((got.lat - want.lat) * 111000.0, 0.0, 1.2) << name;
            EXPECT_NEAR((got.lon - want.lon) * 111000.0 * std::cos(rad(p.lat)), 0.0, 1.2) << name;
            EXPECT_NEAR(got.height - want.height, 0.0, 2.0) << name;
        }
    }
}

TEST(DatumShift, ThereAndBackLeavesCentimetres) {
    // To WGS 84 with the datum's parameters, back with the negated ones and
    // the ellipsoids exchanged: not exact, but within a few centimetres.
    const Geographic start = {50.0, 10.0, 100.0};
    for (std::string_view name : kDatumNames) {
        const DatumParams d = lookupDatum(std::string(name));
        Geographic wgs, back;
        shift(d, kWgsA, kWgsB, 1.0, start, wgs);
        datumShift(kWgsA, kWgsB, d.semiMajorAxis, d.semiMinorAxis, -d.shiftX, -d.shiftY, -d.shiftZ,
                   -d.rotationOmega, -d.rotationPsi, -d.rotationEpsilon, -d.scaleCorrection,
                   wgs.lat, wgs.lon, wgs.height, back.lat, back.lon, back.height);
        EXPECT_NEAR((back.lat - start.lat) * 111000.0, 0.0, 0.05) << name;
        EXPECT_NEAR((back.lon - start.lon) * 111000.0 * std::cos(rad(start.lat)), 0.0, 0.05)
            << name;
        EXPECT_NEAR(back.height - start.height, 0.0, 0.05) << name;
    }
}

TEST(DatumShift, LongitudeIsNotNormalised) {
    Geographic out;
    datumShift(kWgsA, kWgsB, kWgsA, kWgsB, 0, 100.0, 0, 0, 0, 0, 0, 0.0, 180.0, 0.0, out.lat,
               out.lon, out.height);
    EXPECT_LT(out.lon, 180.0);  // the Y shift points west at longitude 180
    datumShift(kWgsA, kWgsB, kWgsA, kWgsB, 0, -100.0, 0, 0, 0, 0, 0, 0.0, 180.0, 0.0, out.lat,
               out.lon, out.height);
    EXPECT_GT(out.lon, 180.0);
}

TEST(DatumShift, PolesGiveFiniteValues) {
    // cos 90° is about 6e-17 in double: the longitude change is huge but finite.
    const DatumParams d = lookupDatum("DHDN (Potsdam / Rauenberg)");
    for (double lat : {90.0, -90.0}) {
        Geographic out;
        shift(d, kWgsA, kWgsB, 1.0, {lat, 10.0, 0.0}, out);
        EXPECT_TRUE(std::isfinite(out.lat));
        EXPECT_TRUE(std::isfinite(out.lon));
        EXPECT_TRUE(std::isfinite(out.height));
    }
}

}  // namespace
}  // namespace geodesy
