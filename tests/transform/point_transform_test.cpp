#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

#include "geodesy/angles.h"
#include "geodesy/catalogues.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "transform/datum_chain.h"
#include "transform/modes.h"
#include "transform/point_transform.h"

namespace {

using geodesy::ProjectionParams;
using transform::TransformSnapshot;

// A transverse Mercator strip system in metres (1 : 1), with the strip's
// false easting on its reference point.
ProjectionParams stripSystem(std::string_view type, int strip, double falseEasting,
                             const char* datum) {
    ProjectionParams p;
    p.projectionName = std::string(type);
    p.scaleDenominator = 1.0;
    p.unitMillimetres = 1000.0;
    p.sphereRadius = 6371000.0;
    p.datum = geodesy::lookupDatum(datum);
    p.stripNumber = strip;
    p.refPointLon = geodesy::stripCentralMeridian(strip, p.projectionName);
    p.refPointX = falseEasting;
    geodesy::updateOffsets(p);
    return p;
}

// Gauß-Krüger strip 4 on DHDN, UTM zone 32 on WGS 84.
ProjectionParams gk4() {
    return stripSystem(geodesy::kGaussKruegerGermany, 4, 4'500'000.0, "DHDN (Potsdam / Rauenberg)");
}
ProjectionParams utm32() {
    return stripSystem(geodesy::kUtm, 32, 500'000.0, "WGS 84 (ECEF)");
}

TransformSnapshot snapshot(std::string_view projectionMode, std::string_view coordinateMode,
                           std::string_view angleFormat = transform::kDecimalAngles) {
    TransformSnapshot s;
    s.projection1 = gk4();
    s.projection2 = utm32();
    s.projectionMode = std::string(projectionMode);
    s.coordinateMode = std::string(coordinateMode);
    s.angleFormat = std::string(angleFormat);
    s.sourceHeight = 420.0;
    return s;
}

// ---- The twelve pairs are compositions of the engine and the chain ----------

enum Side { None, P1, P2 };
enum Chain { NoChain, Chain12, Chain21 };

struct PairCase {
    std::string_view projectionMode;
    std::string_view coordinateMode;
    Side inverse;  // cartesian input: inverse projection of this side
    Chain chain;
    Side forward;  // cartesian output: forward projection of this side
    bool geographicInput;
    bool geographicOutput;
};

using namespace transform;
const PairCase kPairs[] = {
    {kWithinProjection1, kGeographicToCartesian, None, NoChain, P1, true, false},
    {kWithinProjection1, kCartesianToGeographic, P1, NoChain, None, false, true},
    {kWithinProjection2, kGeographicToCartesian, None, NoChain, P2, true, false},
    {kWithinProjection2, kCartesianToGeographic, P2, NoChain, None, false, true},
    {kProjection1To2, kGeographicToGeographic, None, Chain12, None, true, true},
    {kProjection1To2, kGeographicToCartesian, None, Chain12, P2, true, false},
    {kProjection1To2, kCartesianToGeographic, P1, Chain12, None, false, true},
    {kProjection1To2, kCartesianToCartesian, P1, Chain12, P2, false, false},
    {kProjection2To1, kGeographicToGeographic, None, Chain21, None, true, true},
    {kProjection2To1, kGeographicToCartesian, None, Chain21, P1, true, false},
    {kProjection2To1, kCartesianToGeographic, P2, Chain21, None, false, true},
    {kProjection2To1, kCartesianToCartesian, P2, Chain21, P1, false, false},
};

const ProjectionParams& sideRecord(const TransformSnapshot& s, Side side) {
    return side == P1 ? s.projection1 : s.projection2;
}

// The pair's steps, one engine or chain call each.
void composed(const TransformSnapshot& s, const PairCase& c, bool packed, double a, double b,
              double& r1, double& r2) {
    if (packed && c.geographicInput) {
        a = geodesy::packedDmsToDegrees(a);
        b = geodesy::packedDmsToDegrees(b);
    }
    if (c.inverse != None) geodesy::projectInverse(sideRecord(s, c.inverse), a, b, a, b);
    if (c.chain == Chain12) {
        const GeoPoint p = chainDatums(s.projection1.datum, s.projection2.datum, a, b, 420.0);
        a = p.lat;
        b = p.lon;
    } else if (c.chain == Chain21) {
        const GeoPoint p = chainDatums(s.projection2.datum, s.projection1.datum, a, b, 420.0);
        a = p.lat;
        b = p.lon;
    }
    if (c.forward != None) geodesy::projectForward(sideRecord(s, c.forward), a, b, a, b);
    if (packed && c.geographicOutput) {
        a = geodesy::degreesToPackedDms(a);
        b = geodesy::degreesToPackedDms(b);
    }
    r1 = a;
    r2 = b;
}

// Inputs of either kind: geographic pairs (also read as dd.mmssss) and map
// coordinates of both strip systems.
struct Input {
    double a, b;
};
const Input kGeographic[] = {{48.5, 11.25}, {47.3015, 10.4530}, {50.123456, 8.987654}};
const Input kCartesian[] = {{4'548'760.15, 5'392'225.16}, {653'706.62, 5'462'534.68}};

TEST(PointTransformTest, TwelvePairsAreTheComposedSteps) {
    for (std::string_view format : kAngleFormats) {
        const bool packed = format == kPackedDmsAngles;
        for (const PairCase& c : kPairs) {
            const TransformSnapshot s = snapshot(c.projectionMode, c.coordinateMode, format);
            const PointTransformer prepared(s);
            for (const Input& in : c.geographicInput ? std::span<const Input>(kGeographic)
                                                     : std::span<const Input>(kCartesian)) {
                double e1, e2, r1, r2, q1, q2;
                composed(s, c, packed, in.a, in.b, e1, e2);
                transformPoint(s, in.a, in.b, r1, r2);
                prepared.transform(in.a, in.b, q1, q2);
                const std::string what = std::string(c.projectionMode) + " / " +
                                         std::string(c.coordinateMode) + " / " +
                                         std::string(format);
                EXPECT_EQ(r1, e1) << what;
                EXPECT_EQ(r2, e2) << what;
                EXPECT_EQ(q1, r1) << what;
                EXPECT_EQ(q2, r2) << what;
                EXPECT_TRUE(std::isfinite(r1) && std::isfinite(r2)) << what;
            }
        }
    }
}

// The prepared transformer also for points outside every domain and at the
// poles: the same bits, NaN for NaN.
TEST(PointTransformTest, PreparedEqualsSinglePointForAwkwardInput) {
    const Input inputs[] = {{90.0, 0.0},  {-90.0, 180.0}, {0.0, -180.0},
                            {1e300, 5.0}, {NAN, 1.0},     {89.999999, 179.999999}};
    for (const PairCase& c : kPairs) {
        const TransformSnapshot s = snapshot(c.projectionMode, c.coordinateMode);
        const PointTransformer prepared(s);
        for (const Input& in : inputs) {
            double r1, r2, q1, q2;
            transformPoint(s, in.a, in.b, r1, r2);
            prepared.transform(in.a, in.b, q1, q2);
            EXPECT_TRUE(q1 == r1 || (std::isnan(q1) && std::isnan(r1))) << c.coordinateMode;
            EXPECT_TRUE(q2 == r2 || (std::isnan(q2) && std::isnan(r2))) << c.coordinateMode;
        }
    }
}

// ---- dd.mmssss only where geographic values enter or leave ---------------------

struct NotationCase {
    std::string_view projectionMode;
    std::string_view coordinateMode;
    Input in;
    Input decimalEquivalent;  // what the same transformation gets in decimal notation
    bool outputPacked;
};

// 12.3 is 12°30' = 12.5°, 10.4530 is 10°45'30" = 10.7583333...°.
const NotationCase kNotationCases[] = {
    {kWithinProjection1, kGeographicToCartesian, {48.3, 12.3}, {48.5, 12.5}, false},
    {kProjection1To2, kGeographicToCartesian, {47.3, 10.4530}, {47.5, 10.0 + 45.5 / 60.0}, false},
    {kProjection1To2,
     kCartesianToCartesian,
     {4'548'760.15, 5'392'225.16},
     {4'548'760.15, 5'392'225.16},
     false},
    {kWithinProjection2,
     kCartesianToGeographic,
     {653'706.62, 5'462'534.68},
     {653'706.62, 5'462'534.68},
     true},
};

TEST(PointTransformTest, PackedNotationOnlyForGeographicValues) {
    for (const NotationCase& c : kNotationCases) {
        double p1, p2, d1, d2;
        transformPoint(snapshot(c.projectionMode, c.coordinateMode, kPackedDmsAngles), c.in.a,
                       c.in.b, p1, p2);
        transformPoint(snapshot(c.projectionMode, c.coordinateMode, kDecimalAngles),
                       c.decimalEquivalent.a, c.decimalEquivalent.b, d1, d2);
        if (c.outputPacked) {
            d1 = geodesy::degreesToPackedDms(d1);
            d2 = geodesy::degreesToPackedDms(d2);
        }
        EXPECT_EQ(p1, d1) << c.coordinateMode;
        EXPECT_EQ(p2, d2) << c.coordinateMode;
    }
}

// ---- Identities ----------------------------------------------------------------

TEST(PointTransformTest, EqualDatumsGiveTheInputBack) {
    for (std::string_view mode : {kProjection1To2, kProjection2To1}) {
        TransformSnapshot s = snapshot(mode, kGeographicToGeographic);
        s.projection2.datum = s.projection1.datum;
        s.projection2.datum.shiftX += 10.0;  // the name decides, not the values
        for (const Input& in : kGeographic) {
            double r1, r2;
            transformPoint(s, in.a, in.b, r1, r2);
            EXPECT_EQ(r1, in.a);
            EXPECT_EQ(r2, in.b);
            PointTransformer(s).transform(in.a, in.b, r1, r2);
            EXPECT_EQ(r1, in.a);
            EXPECT_EQ(r2, in.b);
        }
    }
}

// The two combinations the dialog never lets through, and texts outside the
// lists, give the pair back.
TEST(PointTransformTest, UnreachableCombinationsGiveThePairBack) {
    const TransformSnapshot cases[] = {
        snapshot(kWithinProjection1, kGeographicToGeographic),
        snapshot(kWithinProjection2, kCartesianToCartesian),
        snapshot("Projektion 1 -> Projektion 2", kCartesianToCartesian),
        snapshot(kProjection1To2, "kartesisch"),
    };
    for (const TransformSnapshot& s : cases) {
        double r1, r2;
        transformPoint(s, 48.25, 11.5, r1, r2);
        EXPECT_EQ(r1, 48.25) << s.projectionMode << " / " << s.coordinateMode;
        EXPECT_EQ(r2, 11.5);
    }
}

// ---- Published coordinates -------------------------------------------------------

// Reference points of the Bavarian survey administration: Gauß-Krüger strip 4
// on DHDN90 and UTM zone 32 on ETRS89 (taken for WGS 84), metres, with their
// ETRS89 latitude and longitude. Inverse Gauß-Krüger, datum chain and forward
// UTM agree with them to the accuracy of the first-order datum shift with one
// parameter set for the country (see the chain's tests): within 1.2 m.
struct PublishedPoint {
    const char* name;
    double gkRight, gkHigh;
    double utmEast, utmNorth;
    double etrsLat, etrsLon;
};

const PublishedPoint kPublished[] = {
    {"Landau a. d. Isar", 4548760.15, 5392225.16, 769502.33, 5396768.61, 48.66575341, 12.66050596},
    {"Schwanstetten", 4435669.30, 5462504.37, 653706.62, 5462534.68, 49.29620631, 11.11410287},
    {"Augsburg", 4418189.91, 5359329.92, 640309.21, 5358772.36, 48.36651699, 10.89443123},
};

TEST(PointTransformTest, PublishedStripCoordinatesAcrossDatums) {
    const TransformSnapshot toUtm = snapshot(kProjection1To2, kCartesianToCartesian);
    const TransformSnapshot toWgs = snapshot(kProjection1To2, kCartesianToGeographic);
    const TransformSnapshot back = snapshot(kProjection2To1, kCartesianToCartesian);
    constexpr double kMetres = 1.2;
    constexpr double kMetresPerDegree = 111'200.0;
    for (const PublishedPoint& p : kPublished) {
        double east, north, lat, lon, right, high;
        transformPoint(toUtm, p.gkRight, p.gkHigh, east, north);
        EXPECT_NEAR(east, p.utmEast, kMetres) << p.name;
        EXPECT_NEAR(north, p.utmNorth, kMetres) << p.name;
        transformPoint(toWgs, p.gkRight, p.gkHigh, lat, lon);
        EXPECT_NEAR(lat, p.etrsLat, kMetres / kMetresPerDegree) << p.name;
        EXPECT_NEAR(lon, p.etrsLon, kMetres / kMetresPerDegree / std::cos(lat * M_PI / 180.0))
            << p.name;
        transformPoint(back, p.utmEast, p.utmNorth, right, high);
        EXPECT_NEAR(right, p.gkRight, kMetres) << p.name;
        EXPECT_NEAR(high, p.gkHigh, kMetres) << p.name;
    }
}

}  // namespace
