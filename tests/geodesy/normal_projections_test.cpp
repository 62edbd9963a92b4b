#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "geodesy/angles.h"
#include "geodesy/azimuthal.h"
#include "geodesy/bonne.h"
#include "geodesy/conic.h"
#include "geodesy/cylindrical.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "test_records.h"

namespace geodesy {
namespace {

using testing::naturalRecord;
using testing::rad;

// Numerical examples for the sphere from Snyder, "Map Projections: A Working
// Manual" (USGS Professional Paper 1395), brought into this engine's
// conventions: standard parallels as polar distances (90° − latitude), the
// main point at the north pole on the central meridian for the normal
// aspect, natural coordinates (1 : 1 in metres) on a sphere of radius R. The
// conics and the Bonne projection place their origin at the cone's apex, so
// Snyder's y becomes y − rho0 (the published rho0 is given per row).
struct SnyderCase {
    const char* what;
    std::string_view type;
    double radius, mainLat, mainLon, delta1, delta2;
    double lat, lon;
    double x, y;  // published, seven decimals
};

const SnyderCase kSnyder[] = {
    {"Albers", kConicEqualArea, 1.0, 90.0, -96.0, 60.5, 44.5, 35.0, -75.0, 0.2952720,
     0.2416774 - 1.5562263},
    {"equidistant conic", kConicEquidistant, 1.0, 90.0, -96.0, 60.5, 44.5, 35.0, -75.0, 0.2952057,
     0.2424021 - 1.5478181},
    {"Lambert conformal conic", kConicConformal, 1.0, 90.0, -96.0, 57.0, 45.0, 35.0, -75.0,
     0.2966785, 0.2462112 - 1.5071429},
    {"oblique stereographic", kAzimuthalConformal, 1.0, 40.0, -100.0, 0.0, 0.0, 30.0, -75.0,
     0.3807224, -0.1263802},
    {"oblique Lambert azimuthal equal-area", kAzimuthalEqualArea, 3.0, 40.0, -100.0, 0.0, 0.0,
     -20.0, 100.0, -4.2339303, 4.0257775},
    {"oblique azimuthal equidistant", kAzimuthalEquidistant, 3.0, 40.0, -100.0, 0.0, 0.0, -20.0,
     100.0, -5.8311398, 5.5444634},
    {"Mercator", kCylinderConformal, 1.0, 90.0, -180.0, 90.0, 0.0, 35.0, -75.0, 1.8325957,
     0.6528366},
    {"cylindrical equal-area, standard parallel 30°", kCylinderEqualArea, 1.0, 90.0, -75.0, 60.0,
     0.0, 35.0, 80.0, 2.3428242, 0.6623090},
    // The transverse cylinder: main point on the equator 90° east of the
    // central meridian of Snyder's spherical transverse Mercator example.
    {"transverse Mercator of the sphere", kCylinderConformal, 1.0, 0.0, 15.0, 90.0, 0.0, 40.5,
     -73.5, 0.0199077, 0.7070276},
    {"Bonne, parallel 40°", kBonne, 1.0, 90.0, -75.0, 50.0, 0.0, 30.0, -85.0, -0.1508418,
     -0.1661807 - 1.1917536},
};

TEST(NormalAspect, PublishedSphereExamples) {
    for (const SnyderCase& c : kSnyder) {
        ProjectionParams p = naturalRecord(c.type, c.radius);
        p.mainPointLat = c.mainLat;
        p.mainPointLon = c.mainLon;
        p.delta1 = c.delta1;
        p.delta2 = c.delta2;
        double x, y;
        projectForward(p, c.lat, c.lon, x, y);
        EXPECT_NEAR(x, c.x, 1.5e-7 * c.radius) << c.what;
        EXPECT_NEAR(y, c.y, 1.5e-7 * c.radius) << c.what;

        double lat, lon;
        projectInverse(p, c.x, c.y, lat, lon);
        EXPECT_NEAR(lat, c.lat, 2e-5) << c.what;
        EXPECT_NEAR(lon, c.lon, 2e-5) << c.what;
    }
}

TEST(NormalAspect, HandDerivedFormulaValues) {
    struct Case {
        const char* what;
        void (*forward)(double, double, double&, double&);
        double z, alpha, x, y;
    } cases[] = {
        // Equator at the central meridian and at 90° east, seen from the pole.
        {"equidistant, equator", azimuthalEquidistantForward, kHalfPi, 0.0, 0.0, -kHalfPi},
        {"equidistant, 90° east", azimuthalEquidistantForward, kHalfPi, kHalfPi, kHalfPi, 0.0},
        // The antipode maps onto the bounding circle of radius 2.
        {"equal-area, antipode", azimuthalEqualAreaForward, kPi, 0.0, 0.0, -2.0},
        {"equal-area, equator", azimuthalEqualAreaForward, kHalfPi, 0.0, 0.0, -std::sqrt(2.0)},
        {"stereographic, equator", azimuthalConformalForward, kHalfPi, 0.0, 0.0, -2.0},
    };
    for (const Case& c : cases) {
        double x, y;
        c.forward(c.z, c.alpha, x, y);
        EXPECT_NEAR(x, c.x, 1e-15) << c.what;
        EXPECT_NEAR(y, c.y, 1e-15) << c.what;
    }

    // The stereographic antipode is tan(pi/2) in double: huge but finite.
    double x, y;
    azimuthalConformalForward(kPi, 0.0, x, y);
    EXPECT_TRUE(std::isfinite(y));
    EXPECT_LT(y, -1e15);
}

TEST(NormalAspect, ClampedInversesStayOffTheMainPointAndItsAntipode) {
    const double smallest = std::acos(0.99999999999);
    double z, alpha;
    azimuthalEqualAreaInverse(0.0, -2.0, z, alpha);
    EXPECT_NEAR(z, kPi, 1e-5);
    EXPECT_LE(z, kPi - smallest);
    azimuthalEqualAreaInverse(0.0, 0.0, z, alpha);
    EXPECT_EQ(z, smallest);
    EXPECT_EQ(alpha, 0.0);

    const Cylinder k = makeCylinder(kHalfPi);
    cylinderEqualAreaInverse(k, 0.0, 1.0, z, alpha);
    EXPECT_EQ(z, smallest);
    const EqualAreaConic conic = makeEqualAreaConic(rad(60.0), rad(30.0));
    double x, y;
    equalAreaConicForward(conic, 0.0, 0.0, x, y);
    equalAreaConicInverse(conic, x, y, z, alpha);
    EXPECT_EQ(z, smallest);
}

TEST(NormalAspect, CylindersTrueToScaleOnTheEquator) {
    const Cylinder k = makeCylinder(kHalfPi);
    for (double phi : {-60.0, -10.0, 0.0, 25.0, 80.0}) {
        const double z = kHalfPi - rad(phi);
        double x, y;
        cylinderConformalForward(k, z, 0.7, x, y);
        EXPECT_EQ(x, 0.7);
        EXPECT_NEAR(y, std::log(std::tan(kQuarterPi + rad(phi) / 2.0)), 1e-14) << phi;
        cylinderEquidistantForward(k, z, 0.7, x, y);
        EXPECT_NEAR(y, rad(phi), 1e-15);
        cylinderEqualAreaForward(k, z, 0.7, x, y);
        EXPECT_NEAR(y, std::sin(rad(phi)), 1e-15);
    }
}

TEST(NormalAspect, BonneAtTheMainPoint) {
    const Bonne k = makeBonne(rad(50.0));
    double x, y;
    bonneForward(k, 0.0, 0.3, x, y);
    EXPECT_EQ(x, 0.0);
    EXPECT_NEAR(y, -(std::tan(rad(50.0)) - rad(50.0)), 1e-15);
    double z, alpha;
    bonneInverse(k, 0.0, 0.0, z, alpha);
    EXPECT_EQ(alpha, 0.0);
}

// Equal standard parallels: the tangent cone. Its values must be the limit of
// those of a pair of distinct parallels closing in on it.
TEST(NormalAspect, EqualStandardParallelsGiveTheTangentCone) {
    const double delta = rad(40.0);
    const double near = 1e-5;
    const EquidistantConic eq = makeEquidistantConic(delta, delta);
    const EquidistantConic eqNear = makeEquidistantConic(delta - near, delta + near);
    EXPECT_NEAR(eq.n, std::cos(delta), 1e-15);
    EXPECT_NEAR(eq.n, eqNear.n, 1e-9);
    EXPECT_NEAR(eq.c, eqNear.c, 1e-9);
    EXPECT_NEAR(eq.c, std::tan(delta) - delta, 1e-15);  // rho = tan delta on the parallel

    const ConformalConic cf = makeConformalConic(delta, delta);
    const ConformalConic cfNear = makeConformalConic(delta - near, delta + near);
    EXPECT_NEAR(cf.n, std::cos(delta), 1e-15);
    EXPECT_NEAR(cf.n, cfNear.n, 1e-9);
    EXPECT_NEAR(cf.f, cfNear.f, 1e-9);

    const EqualAreaConic ea = makeEqualAreaConic(delta, delta);
    EXPECT_NEAR(ea.n, std::cos(delta), 1e-15);

    // Through the engine: the map of the tangent cone matches the nearby
    // secant cone, and it inverts.
    for (std::string_view type : {kConicEquidistant, kConicConformal, kConicEqualArea}) {
        ProjectionParams tangent = naturalRecord(type);
        tangent.mainPointLat = 90.0;
        tangent.delta1 = tangent.delta2 = 40.0;
        ProjectionParams secant = tangent;
        secant.delta1 = 40.0 - 1e-4;
        secant.delta2 = 40.0 + 1e-4;
        double x1, y1, x2, y2, lat, lon;
        projectForward(tangent, 35.0, 20.0, x1, y1);
        projectForward(secant, 35.0, 20.0, x2, y2);
        EXPECT_NEAR(x1, x2, 1e-8) << type;
        EXPECT_NEAR(y1, y2, 1e-8) << type;
        projectInverse(tangent, x1, y1, lat, lon);
        EXPECT_NEAR(lat, 35.0, 1e-9) << type;
        EXPECT_NEAR(lon, 20.0, 1e-9) << type;
    }
}

// Cones whose standard parallels lie beyond the equator as seen from a
// north main point have n < 0 and a negative radius; the Bonne projection
// with delta1 beyond 90° likewise. The inverse must still invert.
TEST(NormalAspect, NegativeConesInvert) {
    struct Case {
        std::string_view type;
        double delta1, delta2;
    } cases[] = {
        {kConicEquidistant, 110.0, 130.0},
        {kConicConformal, 110.0, 130.0},
        {kConicEqualArea, 110.0, 130.0},
        {kBonne, 135.0, 0.0},
        {kBonne, 100.0, 0.0},
    };
    for (const Case& c : cases) {
        ProjectionParams p = naturalRecord(c.type);
        p.mainPointLat = 90.0;
        p.delta1 = c.delta1;
        p.delta2 = c.delta2;
        for (double lat : {-70.0, -40.0, -20.0, 0.0, 20.0}) {
            for (double lon : {-150.0, -60.0, 0.0, 45.0, 170.0}) {
                double x, y, backLat, backLon;
                projectForward(p, lat, lon, x, y);
                projectInverse(p, x, y, backLat, backLon);
                EXPECT_NEAR(backLat, lat, 1e-9) << c.type << " " << c.delta1 << " " << lat;
                EXPECT_NEAR(backLon, lon, 1e-9) << c.type << " " << c.delta1 << " " << lon;
            }
        }
    }
}

TEST(NormalAspect, DegenerateParallelsDoNotTrap) {
    // sin delta = 0: the documented infinities and NaN, nothing else.
    const Cylinder zero = makeCylinder(0.0);
    double x, y, z, alpha;
    cylinderEqualAreaForward(zero, 1.0, 0.5, x, y);
    EXPECT_EQ(x, 0.0);
    EXPECT_TRUE(std::isinf(y));
    cylinderConformalInverse(zero, 1.0, 1.0, z, alpha);
    EXPECT_TRUE(std::isinf(alpha));

    const ConformalConic flat = makeConformalConic(0.0, rad(30.0));
    EXPECT_TRUE(std::isnan(flat.n));
    conformalConicForward(flat, 1.0, 0.5, x, y);
    EXPECT_TRUE(std::isnan(x));

    // 180° is pi in radians, whose sine is about 1.2e-16: finite.
    const Cylinder half = makeCylinder(kPi);
    cylinderEqualAreaForward(half, 1.0, 0.5, x, y);
    EXPECT_TRUE(std::isfinite(y));
}

}  // namespace
}  // namespace geodesy
