#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "test_records.h"

namespace geodesy {
namespace {

using testing::naturalRecord;

// One setting of a type and the area where it is usable: forward then inverse
// must return every grid point of the area within the tolerance (degrees).
struct RoundTrip {
    const char* what;
    std::string_view type;
    double mainLat, mainLon, delta1, delta2;
    int strip;
    std::string_view datum;
    double south, north, west, east;
    double tolerance;
};

const RoundTrip kRoundTrips[] = {
    {"conic, polar", kConicEquidistant, 90, 10, 60, 40, 0, "ED50", -60, 85, -170, 170, 1e-7},
    {"conic, oblique", kConicEquidistant, 45, 10, 60, 40, 0, "ED50", 0, 80, -60, 80, 1e-7},
    {"equal-area conic, polar", kConicEqualArea, 90, -96, 60.5, 44.5, 0, "ED50", -60, 85, -170, 170,
     1e-7},
    {"equal-area conic, oblique", kConicEqualArea, -30, 140, 70, 50, 0, "ED50", -70, 10, 90, 190,
     1e-7},
    {"conformal conic, polar", kConicConformal, 90, 10, 57, 45, 0, "ED50", -60, 85, -170, 170,
     1e-7},
    {"conformal conic, oblique", kConicConformal, 20, -60, 60, 30, 0, "ED50", -30, 70, -120, 0,
     1e-7},
    {"azimuthal equidistant, polar", kAzimuthalEquidistant, 90, 0, 0, 0, 0, "ED50", -80, 89, -179,
     179, 1e-7},
    {"azimuthal equidistant, oblique", kAzimuthalEquidistant, 40, -100, 0, 0, 0, "ED50", -30, 85,
     -179, 179, 1e-7},
    {"azimuthal equal-area, equatorial", kAzimuthalEqualArea, 0, 20, 0, 0, 0, "ED50", -80, 80, -60,
     100, 1e-7},
    {"azimuthal equal-area, south pole", kAzimuthalEqualArea, -90, 0, 0, 0, 0, "ED50", -89, 60,
     -179, 179, 1e-7},
    {"stereographic, oblique", kAzimuthalConformal, 52, 5, 0, 0, 0, "ED50", -20, 89, -90, 100,
     1e-7},
    {"equidistant cylinder, polar", kCylinderEquidistant, 90, 0, 90, 0, 0, "ED50", -89, 89, -179,
     179, 1e-7},
    {"equidistant cylinder, transverse", kCylinderEquidistant, 0, 30, 90, 0, 0, "ED50", -80, 80,
     -45, 15, 1e-7},
    {"equal-area cylinder, polar", kCylinderEqualArea, 90, 0, 60, 0, 0, "ED50", -85, 85, -179, 179,
     1e-7},
    {"equal-area cylinder, oblique", kCylinderEqualArea, 50, 10, 90, 0, 0, "ED50", 0, 85, -30, 50,
     1e-7},
    {"Mercator, polar", kCylinderConformal, 90, 0, 90, 0, 0, "ED50", -85, 85, -179, 179, 1e-7},
    {"Mercator, transverse", kCylinderConformal, 0, 105, 90, 0, 0, "ED50", -80, 80, -10, 40, 1e-7},
    {"Mercator, oblique south", kCylinderConformal, -35, 20, 90, 0, 0, "ED50", -60, 20, -20, 60,
     1e-7},
    {"Bonne", kBonne, 90, 10, 40, 0, 0, "ED50", -60, 85, -170, 170, 1e-7},
    {"Bonne, oblique", kBonne, 30, 0, 60, 0, 0, "ED50", -20, 70, -60, 60, 1e-7},
    {"Swiss grid", kSwissGrid, 0, 0, 0, 0, 0, "CH1903 (Obs. Bern)", 45.5, 48.0, 5.5, 11.0, 1e-9},
    {"Gauss-Krueger Germany", kGaussKruegerGermany, 0, 0, 0, 0, 3, "DHDN (Potsdam / Rauenberg)", 47,
     55, 7.5, 10.5, 1e-7},
    {"Gauss-Krueger Austria", kGaussKruegerAustria, 0, 0, 0, 0, 31, "MGI (Hermannskogel)", 46, 49,
     11.8, 14.8, 1e-7},
    {"Gauss-Krueger general", kGaussKruegerGeneral, 0, -120.5, 0, 0, 0, "WGS 84 (ECEF)", -60, 60,
     -123.5, -117.5, 1e-7},
    {"UTM", kUtm, 0, 0, 0, 0, 60, "WGS 84 (ECEF)", -80, 84, 174, 180, 1e-7},
    {"Krassovsky", kKrassovsky, 0, 0, 0, 0, 7, "System 42/83 (Pulkov)", 40, 70, 36, 42, 1e-7},
};

TEST(RoundTrip, EveryTypeOverItsArea) {
    for (const RoundTrip& r : kRoundTrips) {
        ProjectionParams p = naturalRecord(r.type, 6371000.0, r.datum);
        p.scaleDenominator = 500000.0;
        p.unitMillimetres = 1.0;
        p.rotationAngle = -17.0;
        p.mainPointLat = r.mainLat;
        // Off the polar aspects, keep the grid off the main point's meridian:
        // there the clamped arc cosine turns the azimuth by 4.5e-6 rad (a
        // kept property of the turning, tested on its own).
        p.mainPointLon = std::fabs(r.mainLat) == 90.0 ? r.mainLon : r.mainLon + 0.37;
        p.delta1 = r.delta1;
        p.delta2 = r.delta2;
        p.stripNumber = r.strip;
        p.refPointLat = (r.south + r.north) / 2.0;
        p.refPointLon = (r.west + r.east) / 2.0;
        p.refPointX = 300.0;
        p.refPointY = 200.0;
        updateOffsets(p);
        const int steps = 12;
        for (int i = 0; i <= steps; ++i) {
            for (int j = 0; j <= steps; ++j) {
                const double lat = r.south + (r.north - r.south) * i / steps;
                double lon = r.west + (r.east - r.west) * j / steps;
                double x, y, backLat, backLon;
                projectForward(p, lat, lon, x, y);
                projectInverse(p, x, y, backLat, backLon);
                EXPECT_NEAR(backLat, lat, r.tolerance) << r.what << " at " << lat << " " << lon;
                // 180° and -180° are the same meridian.
                EXPECT_NEAR(std::remainder(backLon - lon, 360.0), 0.0, r.tolerance)
                    << r.what << " at " << lat << " " << lon;
                EXPECT_GE(backLon, -180.0);
                EXPECT_LE(backLon, 180.0);
            }
        }
    }
}

}  // namespace
}  // namespace geodesy
