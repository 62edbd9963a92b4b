#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "geodesy/angles.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "geodesy/transverse_mercator.h"
#include "test_records.h"

namespace geodesy {
namespace {

using testing::degrees;
using testing::kBesselA;
using testing::kBesselB;
using testing::naturalRecord;
using testing::rad;

// The exact meridian arc of the ellipsoid, integrated numerically (composite
// Simpson rule in long double over the meridian radius of curvature).
double exactMeridianArc(double a, double b, double phi) {
    const long double e2 = ((long double)a * a - (long double)b * b) / ((long double)a * a);
    const int steps = 20000;
    const long double h = phi / steps;
    auto radius = [&](long double t) {
        const long double s = std::sin(t);
        return a * (1.0L - e2) / std::pow(1.0L - e2 * s * s, 1.5L);
    };
    long double sum = radius(0.0L) + radius(phi);
    for (int i = 1; i < steps; ++i) sum += radius(i * h) * (i % 2 ? 4.0L : 2.0L);
    return static_cast<double>(sum * h / 3.0L);
}

// The series stops at the fourth power of e'^2; the first omitted term alone
// is worth 0.09 mm at the pole, and the sum of the omitted terms stays below
// 0.13 mm at every latitude (0.12 mm at 80°, 0.11 mm at 30°).
TEST(TransverseMercator, MeridianArcAgreesWithTheExactArc) {
    const TransverseMercator k = makeTransverseMercator(kBesselA, kBesselB);
    for (double phi = -89.0; phi <= 89.0; phi += 7.0) {
        const double exact = exactMeridianArc(kBesselA, kBesselB, rad(phi));
        EXPECT_NEAR(meridianArc(k, rad(phi)), exact, 1.3e-4) << phi;
        double easting, northing;
        transverseMercatorForward(kBesselA, kBesselB, rad(phi), 0.0, easting, northing);
        EXPECT_NEAR(easting, 0.0, 1e-9) << phi;
        EXPECT_NEAR(northing, exact, 1.3e-4) << phi;
    }
}

TEST(TransverseMercator, HarmonicsFromOneSineGiveTheSameArc) {
    // The arc takes sin 4phi and sin 6phi from sin 2phi and cos 2phi; the sum
    // must be the one with three separate sines (here bit for bit; a unit in
    // the last place allowed for other mathematical libraries).
    const TransverseMercator k = makeTransverseMercator(kBesselA, kBesselB);
    for (double phi = -1.57; phi <= 1.57; phi += 0.0013) {
        const double threeSines = k.c * (k.a0 * phi + k.a2 * std::sin(2.0 * phi) +
                                         k.a4 * std::sin(4.0 * phi) + k.a6 * std::sin(6.0 * phi));
        const double ulp = std::nextafter(std::fabs(threeSines), INFINITY) - std::fabs(threeSines);
        EXPECT_LE(std::fabs(meridianArc(k, phi) - threeSines), ulp) << phi;
    }
}

// Published coordinates. Tolerances: the published values carry 0.1 m (or
// 0.01 m); the series itself is good to millimetres within a strip.
TEST(TransverseMercator, PublishedUtmCoordinates) {
    struct Case {
        const char* what;
        double a, b;
        int zone;
        double lat, lon, easting, northing, tolerance;
    } cases[] = {
        // Snyder, Working Manual, ellipsoidal transverse Mercator example
        // (Clarke 1866, central meridian 75° W, k0 = 0.9996).
        {"Snyder", 6378206.4, 6356583.799998981, 18, 40.5, -73.5, 627106.5, 4484124.4, 0.06},
        // NPS UTM bulletin table value (Clarke 1866), zone 15.
        {"NPS", 6378206.4, 6356583.799998981, 15, degrees(30, 52, 30), -degrees(91, 7, 30),
         679250.9, 3417070.9, 0.06},
        // Meridian quadrant of WGS 84 scaled by 0.9996.
        {"WGS 84 pole", 6378137.0, 6356752.314245179, 31, 90.0, 3.0, 500000.0, 9997964.943021,
         0.001},
    };
    for (const Case& c : cases) {
        ProjectionParams p = naturalRecord(kUtm, 6371000.0);
        p.datum.semiMajorAxis = c.a;
        p.datum.semiMinorAxis = c.b;
        p.stripNumber = c.zone;
        p.refPointX = 500000.0;  // the proposed reference point: equator, central meridian
        p.refPointLon = stripCentralMeridian(c.zone, p.projectionName);
        updateOffsets(p);
        double x, y;
        projectForward(p, c.lat, c.lon, x, y);
        EXPECT_NEAR(x, c.easting, c.tolerance) << c.what;
        EXPECT_NEAR(y, c.northing, c.tolerance) << c.what;
    }
}

TEST(TransverseMercator, SymmetryAndTheEquator) {
    for (double phi : {-50.0, 0.0, 12.5, 48.0}) {
        for (double l : {0.5, 2.0, 3.0}) {
            double e1, n1, e2, n2;
            transverseMercatorForward(kBesselA, kBesselB, rad(phi), rad(l), e1, n1);
            transverseMercatorForward(kBesselA, kBesselB, rad(phi), -rad(l), e2, n2);
            EXPECT_NEAR(e1, -e2, 1e-8);
            EXPECT_EQ(n1, n2);
            if (phi == 0.0) {
                EXPECT_EQ(n1, 0.0);
            }
            EXPECT_GT(e1, 0.0);
        }
    }
}

TEST(TransverseMercator, InverseWithinMillimetres) {
    // 0.3 mm in latitude and 3 mm in longitude, as distances on the ground.
    const double metresPerRadian = 6378000.0;
    for (double phi = -60.0; phi <= 60.0; phi += 7.5) {
        for (double l = -3.0; l <= 3.0; l += 0.75) {
            double e, n, backPhi, backL;
            transverseMercatorForward(kBesselA, kBesselB, rad(phi), rad(l), e, n);
            transverseMercatorInverse(kBesselA, kBesselB, e, n, backPhi, backL);
            EXPECT_NEAR((backPhi - rad(phi)) * metresPerRadian, 0.0, 3e-4) << phi << " " << l;
            EXPECT_NEAR((backL - rad(l)) * metresPerRadian * std::cos(rad(phi)), 0.0, 3e-3)
                << phi << " " << l;
        }
    }
}

TEST(TransverseMercator, InverseLongitudeStaysWithinAQuarter) {
    for (double easting : {-2e7, -5e6, 0.0, 5e6, 2e7}) {
        double phi, l;
        transverseMercatorInverse(kBesselA, kBesselB, easting, 5e6, phi, l);
        EXPECT_GT(l, -kHalfPi) << easting;
        EXPECT_LT(l, kHalfPi) << easting;
    }
}

TEST(TransverseMercator, StripTypesDifferOnlyInMeridianAndScale) {
    // UTM is 0.9996 times Krassovsky on the same central meridian and ellipsoid
    // (zone 31 and strip 1 both have 3° E).
    ProjectionParams utm = naturalRecord(kUtm, 6371000.0, "DHDN (Potsdam / Rauenberg)");
    utm.stripNumber = 31;
    ProjectionParams krassovsky = utm;
    krassovsky.projectionName = std::string(kKrassovsky);
    krassovsky.stripNumber = 1;
    for (double lat : {-30.0, 10.0, 51.0}) {
        double xu, yu, xk, yk;
        projectForward(utm, lat, 4.5, xu, yu);
        projectForward(krassovsky, lat, 4.5, xk, yk);
        EXPECT_NEAR(xu, 0.9996 * xk, 1e-9 * std::fabs(xk));
        EXPECT_NEAR(yu, 0.9996 * yk, 1e-9 * std::fabs(yk));
    }

    struct Meridian {
        std::string_view type;
        int strip;
        double centralMeridian;
    } meridians[] = {
        {kGaussKruegerGermany, 4, 12.0},
        {kKrassovsky, 5, 27.0},
        {kUtm, 33, 15.0},
        {kUtm, 1, -177.0},
        {kGaussKruegerAustria, 31, 31.0 - 17.666666667},
        {kGaussKruegerGeneral, 7, 0.0},
        {kConicConformal, 4, 0.0},
    };
    for (const Meridian& m : meridians)
        EXPECT_EQ(stripCentralMeridian(m.strip, std::string(m.type)), m.centralMeridian) << m.type;

    // A point on the central meridian has easting 0 for every strip type.
    for (const Meridian& m : meridians) {
        if (m.type == kConicConformal || m.type == kGaussKruegerGeneral) continue;
        ProjectionParams p = naturalRecord(m.type, 6371000.0, "DHDN (Potsdam / Rauenberg)");
        p.stripNumber = m.strip;
        p.mainPointLon = 99.0;  // ignored by the strip types with a strip number
        double x, y;
        projectForward(p, 47.0, m.centralMeridian, x, y);
        EXPECT_NEAR(x, 0.0, 1e-8) << m.type;
    }
}

TEST(TransverseMercator, GeneralTypeUsesTheEnteredMeridian) {
    ProjectionParams p = naturalRecord(kGaussKruegerGeneral, 6371000.0, "MGI (Hermannskogel)");
    p.mainPointLon = 13.25;
    double x1, y1, x2, y2;
    p.stripNumber = 1;
    projectForward(p, 47.0, 13.25, x1, y1);
    p.stripNumber = 40;
    projectForward(p, 47.0, 13.25, x2, y2);
    EXPECT_NEAR(x1, 0.0, 1e-8);
    EXPECT_EQ(x1, x2);
    EXPECT_EQ(y1, y2);
}

}  // namespace
}  // namespace geodesy
