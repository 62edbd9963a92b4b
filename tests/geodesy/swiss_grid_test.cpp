#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "geodesy/swiss_grid.h"
#include "test_records.h"

namespace geodesy {
namespace {

using testing::degrees;
using testing::kBesselA;
using testing::kBesselB;
using testing::naturalRecord;
using testing::rad;

// The grid as the projection dialog proposes it for natural coordinates.
ProjectionParams swissGrid() {
    ProjectionParams p = naturalRecord(kSwissGrid, 6371000.0, "CH1903 (Obs. Bern)");
    p.refPointLat = 46.95240556;
    p.refPointLon = 7.43958333;
    p.refPointX = 600000.0;
    p.refPointY = 200000.0;
    return updateOffsets(p);
}

TEST(SwissGrid, ConstantsOfTheBesselEllipsoid) {
    // Published: sphere radius 6378815.904 m, fundamental point on the
    // sphere at 46°54'27.8" (rounded to 0.1").
    const SwissGrid k = makeSwissGrid(kBesselA, kBesselB);
    EXPECT_NEAR(k.radius, 6378815.904, 0.001);
    EXPECT_NEAR(k.b0, rad(degrees(46, 54, 27.8)), rad(0.05 / 3600.0));
}

TEST(SwissGrid, PublishedGridCoordinates) {
    // CH1903 geographic coordinates on the Bessel ellipsoid and their LV03
    // grid coordinates. The first is the fundamental point (the old
    // observatory of Bern) in its published sexagesimal form; the second a
    // published sample point. Tolerance 1 mm: the published values carry mm.
    struct Case {
        const char* what;
        double lat, lon, x, y;
    } cases[] = {
        {"fundamental point", degrees(46, 57, 8.66), degrees(7, 26, 22.50), 600000.0, 200000.0},
        {"sample point", degrees(47, 34, 6.364313), degrees(7, 40, 10.273359), 617300.623,
         268506.596},
    };
    const ProjectionParams p = swissGrid();
    for (const Case& c : cases) {
        double x, y;
        projectForward(p, c.lat, c.lon, x, y);
        EXPECT_NEAR(x, c.x, 0.001) << c.what;
        EXPECT_NEAR(y, c.y, 0.001) << c.what;
        double lat, lon;
        projectInverse(p, c.x, c.y, lat, lon);
        EXPECT_NEAR(lat, c.lat, 1e-8) << c.what;
        EXPECT_NEAR(lon, c.lon, 1e-8) << c.what;
    }
}

TEST(SwissGrid, FundamentalPointIsTheOrigin) {
    double e, n;
    swissGridForward(kBesselA, kBesselB, rad(46.95240556), 0.0, e, n);
    EXPECT_NEAR(e, 0.0, 1e-6);
    EXPECT_NEAR(n, 0.0, 1e-6);

    double x, y;
    projectForward(swissGrid(), 46.95240556, 7.43958333, x, y);
    EXPECT_NEAR(x, 600000.0, 1e-9);
    EXPECT_NEAR(y, 200000.0, 1e-9);
}

TEST(SwissGrid, QuadrantsAroundTheFundamentalPoint) {
    struct Case {
        double dLat, dLon;
        int signEasting, signNorthing;
    } cases[] = {{0.5, 0.5, 1, 1}, {-0.5, 0.5, 1, -1}, {0.5, -1.0, -1, 1}, {-0.8, -1.2, -1, -1}};
    for (const Case& c : cases) {
        double e, n;
        swissGridForward(kBesselA, kBesselB, rad(46.95240556 + c.dLat), rad(c.dLon), e, n);
        EXPECT_EQ(e > 0.0 ? 1 : -1, c.signEasting) << c.dLat << " " << c.dLon;
        EXPECT_EQ(n > 0.0 ? 1 : -1, c.signNorthing) << c.dLat << " " << c.dLon;
    }
}

TEST(SwissGrid, InverseOverTheGridArea) {
    const ProjectionParams p = swissGrid();
    for (double lat = 45.5; lat <= 48.0; lat += 0.25) {
        for (double lon = 5.5; lon <= 11.0; lon += 0.5) {
            double x, y, backLat, backLon;
            projectForward(p, lat, lon, x, y);
            projectInverse(p, x, y, backLat, backLon);
            EXPECT_NEAR(backLat, lat, 1e-9) << lat << " " << lon;
            EXPECT_NEAR(backLon, lon, 1e-9) << lat << " " << lon;
        }
    }
}

// The turning of the sphere as first written, with the cosine of each arc
// sine taken from the rounded angle; the engine takes it as a square root.
void turnAsWritten(const SwissGrid& k, double phi, double dl, double& e, double& n) {
    const double q = 0.7853981633974483;
    const double es = k.eccentricity * std::sin(phi);
    const double s = k.alpha * (std::log(std::tan(q + phi / 2.0)) -
                                k.eccentricity / 2.0 * std::log((1.0 + es) / (1.0 - es))) +
                     k.k;
    const double bs = 2.0 * (std::atan(std::exp(s)) - q);
    const double ls = k.alpha * dl;
    const double bq =
        std::asin(std::cos(k.b0) * std::sin(bs) - std::sin(k.b0) * std::cos(bs) * std::cos(ls));
    const double lq = std::asin(std::cos(bs) * std::sin(ls) / std::cos(bq));
    e = k.radius * lq;
    n = k.radius * std::log(std::tan(q + bq / 2.0));
}

TEST(SwissGrid, SquareRootCosineAgreesWithinAUnitInTheLastPlace) {
    const SwissGrid k = makeSwissGrid(kBesselA, kBesselB);
    for (double lat = 45.6; lat < 48.0; lat += 0.05) {
        for (double lon = 5.7; lon < 10.6; lon += 0.07) {
            const double phi = rad(lat), dl = rad(lon - kSwissFundamentalLon);
            double e, n, ew, nw;
            swissGridForward(k, phi, dl, e, n);
            turnAsWritten(k, phi, dl, ew, nw);
            // Grid coordinates with the usual 600 km and 200 km added.
            const double ulpX = std::nextafter(600000.0 + ew, 1e9) - (600000.0 + ew);
            const double ulpY = std::nextafter(200000.0 + nw, 1e9) - (200000.0 + nw);
            EXPECT_LE(std::fabs((600000.0 + e) - (600000.0 + ew)), ulpX) << lat << " " << lon;
            EXPECT_LE(std::fabs((200000.0 + n) - (200000.0 + nw)), ulpY) << lat << " " << lon;
            EXPECT_NEAR(e, ew, 1e-10);
            EXPECT_NEAR(n, nw, 1e-10);
        }
    }
}

TEST(SwissGrid, LatitudeFromSphereEndsOnEveryInput) {
    const SwissGrid k = makeSwissGrid(kBesselA, kBesselB);
    // Ordinary input: the spherical latitude of the fundamental point is b0.
    EXPECT_NEAR(swissGridLatitudeFromSphere(k, k.b0), rad(46.95240556), 1e-10);
    // Non-finite input ends after one step with NaN.
    EXPECT_TRUE(std::isnan(swissGridLatitudeFromSphere(k, NAN)));
    EXPECT_TRUE(std::isnan(swissGridLatitudeFromSphere(k, INFINITY)));
    // An ellipsoid with b > a has no real eccentricity: NaN, no hang.
    EXPECT_TRUE(std::isnan(swissGridLatitudeFromSphere(kBesselB, kBesselA, 0.8)));
    // A very flat ellipsoid where the steps wander off by multiples of 2 pi
    // with every step finite and above the tolerance: only the cap ends it.
    const double phi = swissGridLatitudeFromSphere(1.0, 0.051752821101387257, -0.1064131391112344);
    EXPECT_TRUE(std::isfinite(phi));
    EXPECT_GT(std::fabs(phi), 10.0);
}

}  // namespace
}  // namespace geodesy
