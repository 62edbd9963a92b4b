// The dialog's calculation without the dialog: checks, declination wrap,
// magnetic north, full circle, notes and rounding.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "distance/distance_calculation.h"
#include "geodesy/angles.h"

namespace {

using distance::DistanceInputs;
using distance::DistanceResults;

DistanceInputs places(double lat1, double lon1, double lat2, double lon2, double radius = 6371.0) {
    DistanceInputs in;
    in.place1Lat = lat1;
    in.place1Lon = lon1;
    in.place2Lat = lat2;
    in.place2Lon = lon2;
    in.earthRadius = radius;
    return in;
}

TEST(DistanceCalculation, DeclinationWrapsOneStepEachWay) {
    const struct {
        double in, out;
    } cases[] = {{200.0, -160.0}, {-190.0, 170.0}, {180.0, 180.0},   {-180.0, 180.0}, {360.0, 0.0},
                 {-360.0, 0.0},   {179.5, 179.5},  {-179.5, -179.5}, {0.0, 0.0},      {10.0, 10.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(distance::wrapHalfCircle(c.in), c.out) << c.in;
        DistanceInputs in = places(50.0, 8.0, 52.0, 13.0);
        in.declination1 = c.in;
        in.declination2 = c.in;
        const DistanceResults out = distance::computeDistanceAndBearings(in);
        EXPECT_EQ(out.declination1, c.out) << c.in;
        EXPECT_EQ(out.declination2, c.out) << c.in;
    }
}

TEST(DistanceCalculation, ChecksAdmitTheirRangesAndNothingElse) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const DistanceInputs valid = places(-90.0, -180.0, 90.0, 180.0, 1e-9);
    EXPECT_TRUE(distance::inputsValid(valid));

    struct Case {
        const char* what;
        double DistanceInputs::*field;
        double value;
    };
    const Case refused[] = {
        {"lat1 low", &DistanceInputs::place1Lat, -90.000001},
        {"lat1 NaN", &DistanceInputs::place1Lat, nan},
        {"lon1 high", &DistanceInputs::place1Lon, 180.5},
        {"lat2 high", &DistanceInputs::place2Lat, 91.0},
        {"lon2 low", &DistanceInputs::place2Lon, -181.0},
        {"declination 1", &DistanceInputs::declination1, 360.01},
        {"declination 2", &DistanceInputs::declination2, -1000.0},
        {"radius 0", &DistanceInputs::earthRadius, 0.0},
        {"radius negative", &DistanceInputs::earthRadius, -5.0},
    };
    for (const Case& c : refused) {
        DistanceInputs in = valid;
        in.*c.field = c.value;
        EXPECT_FALSE(distance::inputsValid(in)) << c.what;
    }

    EXPECT_EQ(distance::checkDeclination(400.0), "Winkel zwischen -360° und +360°");
    EXPECT_EQ(distance::checkDeclination(-360.0), "");
    EXPECT_EQ(distance::checkDeclination(360.0), "");
}

TEST(DistanceCalculation, MagneticNorthSubtractsEachPlacesDeclination) {
    struct Case {
        double declination1, declination2;
        bool fullCircle;
        double bearing1, bearing2, rhumbCourse;
    };
    // A quarter of the equator, 6371 · π / 2 = 10007.5433980 km; geographic
    // bearing 1 = 90, bearing 2 = -90, course 90.
    const Case cases[] = {
        {10.0, -20.0, false, 80.0, -70.0, 80.0},
        {-100.0, 95.0, false, -170.0, 175.0, -170.0},  // 190 and -185 wrapped
        {200.0, 0.0, false, -110.0, -90.0, -110.0},    // 200 is -160 first
        {-100.0, 95.0, true, 190.0, 175.0, 190.0},
        {90.0, -90.0, false, 0.0, 0.0, 0.0},
        {-90.0, 90.0, false, 180.0, 180.0, 180.0},  // -180 wraps to 180
    };
    for (const Case& c : cases) {
        DistanceInputs in = places(0.0, 0.0, 0.0, 90.0);
        in.withDeclination = true;
        in.fullCircle = c.fullCircle;
        in.declination1 = c.declination1;
        in.declination2 = c.declination2;
        const DistanceResults out = distance::computeDistanceAndBearings(in);
        SCOPED_TRACE(testing::Message() << c.declination1 << " " << c.declination2);
        EXPECT_EQ(out.bearing1, c.bearing1);
        EXPECT_EQ(out.bearing2, c.bearing2);
        EXPECT_EQ(out.rhumbCourse, c.rhumbCourse);
        EXPECT_EQ(out.distance, 10007.543398);
    }
}

TEST(DistanceCalculation, AngleNoteForEachSwitchSetting) {
    const struct {
        bool withDeclination, fullCircle;
        const char* note;
    } cases[] = {
        {false, false,
         "(Winkel vom geographischen Nordpol,\npositiv = nach Osten, negativ = nach Westen)"},
        {true, false,
         "(Winkel vom magnetischen Nordpol,\npositiv = nach Osten, negativ = nach Westen)"},
        {false, true, "(Winkel vom geographischen Nordpol,\nim Uhrzeigersinn)"},
        {true, true, "(Winkel vom magnetischen Nordpol,\nim Uhrzeigersinn)"},
    };
    for (const auto& c : cases) {
        DistanceInputs in = places(50.0, 8.0, 52.0, 13.0);
        in.withDeclination = c.withDeclination;
        in.fullCircle = c.fullCircle;
        EXPECT_EQ(distance::computeDistanceAndBearings(in).angleNote, c.note);
    }
}

TEST(DistanceCalculation, WorkedPlaces) {
    // South-east of place 1: both the bearing and the course point south-east.
    DistanceResults out = distance::computeDistanceAndBearings(places(50.0, 8.0, 40.0, 18.0));
    EXPECT_GT(out.bearing1, 90.0);
    EXPECT_LT(out.bearing1, 180.0);
    EXPECT_GT(out.rhumbCourse, 90.0);
    EXPECT_LT(out.rhumbCourse, 180.0);

    // One meridian, place 1 to the north.
    out = distance::computeDistanceAndBearings(places(50.0, 8.0, 40.0, 8.0));
    EXPECT_EQ(out.bearing1, 180.0);
    EXPECT_EQ(out.bearing2, 0.0);
    EXPECT_EQ(out.rhumbCourse, 180.0);
    // 10° of arc: 6371 · π / 18 = 1111.9492664...
    EXPECT_EQ(out.distance, 1111.949266);

    // Place 1 at the north pole looks south whatever place 2 is.
    for (double lon : {-120.0, 0.0, 13.0}) {
        EXPECT_EQ(distance::computeDistanceAndBearings(places(90.0, 0.0, 20.0, lon)).bearing1,
                  180.0);
    }
}

TEST(DistanceCalculation, RoundsDistanceToSixAndAnglesToEightDecimals) {
    // LAX to JFK on the unit sphere: 0.623585 rad and an initial course of
    // 1.150035 rad = 65.8922° (aviation formulary).
    const DistanceResults out = distance::computeDistanceAndBearings(
        places(33.0 + 57.0 / 60.0, -(118.0 + 24.0 / 60.0), 40.0 + 38.0 / 60.0,
               -(73.0 + 47.0 / 60.0), 1.0));
    EXPECT_NEAR(out.distance, 0.623585, 1e-6);
    EXPECT_NEAR(out.bearing1, 65.8922, 1e-4);
    EXPECT_EQ(out.distance, geodesy::roundToDecimals(out.distance, 6));
    EXPECT_NE(out.distance, geodesy::roundToDecimals(out.distance, 5));
    for (double angle : {out.bearing1, out.bearing2, out.rhumbCourse}) {
        EXPECT_EQ(angle, geodesy::roundToDecimals(angle, 8)) << angle;
    }
    EXPECT_NE(out.bearing1, geodesy::roundToDecimals(out.bearing1, 7));

    // A quarter circle on the unit sphere: π/2 = 1.5707963... to 1.570796.
    EXPECT_EQ(distance::computeDistanceAndBearings(places(0.0, 0.0, 45.0, 90.0, 1.0)).distance,
              1.570796);
}

TEST(DistanceCalculation, CoincidentPlacesGiveZeroDistanceAndBearings) {
    for (const auto& p : {std::pair{45.47, 5.0}, std::pair{51.0, 10.0}, std::pair{90.0, 0.0}}) {
        DistanceInputs in = places(p.first, p.second, p.first, p.second);
        in.fullCircle = true;
        const DistanceResults out = distance::computeDistanceAndBearings(in);
        EXPECT_EQ(out.distance, 0.0) << p.first;
        EXPECT_EQ(out.bearing1, 0.0) << p.first;
        EXPECT_EQ(out.bearing2, 0.0) << p.first;
        EXPECT_EQ(out.rhumbCourse, 0.0) << p.first;
    }
}

}  // namespace
