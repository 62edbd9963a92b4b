#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geodesy/angles.h"
#include "geodesy/catalogues.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "transform/modes.h"
#include "transform/point_transform.h"

namespace {

using namespace transform;
using geodesy::ProjectionParams;

// A transverse Mercator strip system in metres with its false easting.
ProjectionParams strip(std::string_view type, int number, double falseEasting, const char* datum) {
    ProjectionParams p;
    p.projectionName = std::string(type);
    p.scaleDenominator = 1.0;
    p.unitMillimetres = 1000.0;
    p.sphereRadius = 6371000.0;
    p.datum = geodesy::lookupDatum(datum);
    p.stripNumber = number;
    p.refPointLon = geodesy::stripCentralMeridian(number, p.projectionName);
    p.refPointX = falseEasting;
    return geodesy::updateOffsets(p);
}

// Projection 1: Gauß-Krüger strip 4 on DHDN; projection 2: UTM zone 32 on WGS 84.
TransformSnapshot snapshot(std::string_view projectionMode, std::string_view coordinateMode,
                           std::string_view angleFormat = kDecimalAngles) {
    TransformSnapshot s;
    s.projection1 =
        strip(geodesy::kGaussKruegerGermany, 4, 4'500'000.0, "DHDN (Potsdam / Rauenberg)");
    s.projection2 = strip(geodesy::kUtm, 32, 500'000.0, "WGS 84 (ECEF)");
    s.projectionMode = std::string(projectionMode);
    s.coordinateMode = std::string(coordinateMode);
    s.angleFormat = std::string(angleFormat);
    s.sourceHeight = 420.0;
    return s;
}

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The pairs as steps: inverse projection of a side (cartesian input), the
// chain from one datum to the other, forward projection of a side
// (cartesian output); 0 for no step.
struct PairCase {
    std::string_view projectionMode;
    std::string_view coordinateMode;
    int inverseSide;
    int chainFrom;
    int forwardSide;
};

const PairCase kPairs[] = {
    {kWithinProjection1, kGeographicToCartesian, 0, 0, 1},
    {kWithinProjection1, kCartesianToGeographic, 1, 0, 0},
    {kWithinProjection2, kGeographicToCartesian, 0, 0, 2},
    {kWithinProjection2, kCartesianToGeographic, 2, 0, 0},
    {kProjection1To2, kGeographicToGeographic, 0, 1, 0},
    {kProjection1To2, kGeographicToCartesian, 0, 1, 2},
    {kProjection1To2, kCartesianToGeographic, 1, 1, 0},
    {kProjection1To2, kCartesianToCartesian, 1, 1, 2},
    {kProjection2To1, kGeographicToGeographic, 0, 2, 0},
    {kProjection2To1, kGeographicToCartesian, 0, 2, 1},
    {kProjection2To1, kCartesianToGeographic, 2, 2, 0},
    {kProjection2To1, kCartesianToCartesian, 2, 2, 1},
};

void composed(const TransformSnapshot& s, const PairCase& c, bool packed, double a, double b,
              double& r1, double& r2) {
    const ProjectionParams* sides[] = {nullptr, &s.projection1, &s.projection2};
    if (packed && c.inverseSide == 0) {
        a = geodesy::packedDmsToDegrees(a);
        b = geodesy::packedDmsToDegrees(b);
    }
    if (c.inverseSide != 0) geodesy::projectInverse(*sides[c.inverseSide], a, b, a, b);
    if (c.chainFrom != 0) {
        const GeoPoint p = chainDatums(sides[c.chainFrom]->datum, sides[3 - c.chainFrom]->datum, a,
                                       b, s.sourceHeight);
        a = p.lat;
        b = p.lon;
    }
    if (c.forwardSide != 0) geodesy::projectForward(*sides[c.forwardSide], a, b, a, b);
    if (packed && c.forwardSide == 0) {
        a = geodesy::degreesToPackedDms(a);
        b = geodesy::degreesToPackedDms(b);
    }
    r1 = a;
    r2 = b;
}

// Geographic pairs (also read as dd.mmssss) and map coordinates of both
// strip systems, with a pole and a NaN.
const std::vector<std::pair<double, double>> kGeographic = {
    {48.5, 11.25}, {47.3015, 10.4530}, {90.0, 0.0}, {NAN, 1.0}};
const std::vector<std::pair<double, double>> kCartesian = {
    {4'548'760.15, 5'392'225.16}, {653'706.62, 5'462'534.68}, {1e300, 5.0}};

TEST(PointTransformTest, TwelvePairsAreTheComposedSteps) {
    for (std::string_view format : kAngleFormats) {
        for (const PairCase& c : kPairs) {
            const TransformSnapshot s = snapshot(c.projectionMode, c.coordinateMode, format);
            const PointTransformer prepared(s);
            for (const auto& [a, b] : c.inverseSide == 0 ? kGeographic : kCartesian) {
                double e1, e2, r1, r2, q1, q2;
                composed(s, c, format == kPackedDmsAngles, a, b, e1, e2);
                transformPoint(s, a, b, r1, r2);
                prepared.transform(a, b, q1, q2);
                const std::string what = std::string(c.projectionMode) + " / " +
                                         std::string(c.coordinateMode) + " / " +
                                         std::string(format);
                EXPECT_TRUE(same(r1, e1) && same(r2, e2)) << what << " " << a;
                EXPECT_TRUE(same(q1, r1) && same(q2, r2)) << what << " " << a;
            }
        }
    }
}

// 12.3 in dd.mmssss is 12°30' = 12.5°: the input is converted only when it
// is geographic, the output only when it is geographic.
TEST(PointTransformTest, PackedNotationOnlyForGeographicValues) {
    double p1, p2, d1, d2;
    transformPoint(snapshot(kProjection1To2, kGeographicToCartesian, kPackedDmsAngles), 48.3, 12.3,
                   p1, p2);
    transformPoint(snapshot(kProjection1To2, kGeographicToCartesian), 48.5, 12.5, d1, d2);
    EXPECT_EQ(p1, d1);
    EXPECT_EQ(p2, d2);
    transformPoint(snapshot(kProjection1To2, kCartesianToCartesian, kPackedDmsAngles), 4.5e6, 5.4e6,
                   p1, p2);
    transformPoint(snapshot(kProjection1To2, kCartesianToCartesian), 4.5e6, 5.4e6, d1, d2);
    EXPECT_EQ(p1, d1);
    EXPECT_EQ(p2, d2);
    transformPoint(snapshot(kWithinProjection2, kCartesianToGeographic, kPackedDmsAngles), 6.5e5,
                   5.4e6, p1, p2);
    transformPoint(snapshot(kWithinProjection2, kCartesianToGeographic), 6.5e5, 5.4e6, d1, d2);
    EXPECT_EQ(p1, geodesy::degreesToPackedDms(d1));
    EXPECT_EQ(p2, geodesy::degreesToPackedDms(d2));
}

// Equal datum names (other than "(individuell)") give the input back; so do
// the combinations the dialog never lets through and texts outside the lists.
TEST(PointTransformTest, IdentitiesGiveTheInputBack) {
    std::vector<TransformSnapshot> cases;
    for (std::string_view mode : {kProjection1To2, kProjection2To1}) {
        cases.push_back(snapshot(mode, kGeographicToGeographic));
        cases.back().projection2.datum = cases.back().projection1.datum;
        cases.back().projection2.datum.shiftX += 10.0;  // the name decides
    }
    cases.push_back(snapshot(kWithinProjection1, kGeographicToGeographic));
    cases.push_back(snapshot(kWithinProjection2, kCartesianToCartesian));
    cases.push_back(snapshot("Projektion 1 -> Projektion 2", kCartesianToCartesian));
    for (const TransformSnapshot& s : cases) {
        double r1, r2;
        transformPoint(s, 48.123456789, 11.987654321, r1, r2);
        EXPECT_EQ(r1, 48.123456789) << s.projectionMode << " / " << s.coordinateMode;
        EXPECT_EQ(r2, 11.987654321) << s.projectionMode << " / " << s.coordinateMode;
    }
}

// Reference points of the Bavarian survey administration: Gauß-Krüger strip 4
// on DHDN90 and UTM zone 32 on ETRS89, metres. Through the inverse strip
// projection, the datum chain and the forward one they agree to the accuracy
// of the first-order shift (see the chain's tests): 1.2 m.
TEST(PointTransformTest, PublishedStripCoordinatesAcrossDatums) {
    const struct {
        double right, high, east, north;
    } points[] = {
        {4548760.15, 5392225.16, 769502.33, 5396768.61},  // Landau a. d. Isar
        {4435669.30, 5462504.37, 653706.62, 5462534.68},  // Schwanstetten
        {4418189.91, 5359329.92, 640309.21, 5358772.36},  // Augsburg
    };
    const PointTransformer there(snapshot(kProjection1To2, kCartesianToCartesian));
    const PointTransformer back(snapshot(kProjection2To1, kCartesianToCartesian));
    for (const auto& p : points) {
        double east, north, right, high;
        there.transform(p.right, p.high, east, north);
        back.transform(p.east, p.north, right, high);
        EXPECT_NEAR(east, p.east, 1.2);
        EXPECT_NEAR(north, p.north, 1.2);
        EXPECT_NEAR(right, p.right, 1.2);
        EXPECT_NEAR(high, p.high, 1.2);
    }
}

}  // namespace
