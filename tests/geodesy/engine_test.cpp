#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

#include "geodesy/angles.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "geodesy/projection_types.h"
#include "test_records.h"

namespace geodesy {
namespace {

using testing::naturalRecord;

// A record of each type with everything the calibration has: scale, unit,
// rotation, reference point.
ProjectionParams calibratedRecord(std::string_view type, std::string_view unit, double rotation) {
    ProjectionParams p = naturalRecord(type, 6371000.0, "DHDN (Potsdam / Rauenberg)");
    p.scaleDenominator = 250000.0;
    p.unitMillimetres = unitMillimetres(unit, 4.0);
    p.rotationAngle = rotation;
    p.mainPointLat = 48.0;
    p.mainPointLon = 11.0;
    p.delta1 = 40.0;
    p.delta2 = 45.0;
    p.stripNumber = 4;
    if (type == kUtm) p.stripNumber = 32;
    if (type == kGaussKruegerAustria) p.stripNumber = 31;
    if (type == kSwissGrid) p.datum = lookupDatum("CH1903 (Obs. Bern)");
    p.refPointLat = 47.5;
    p.refPointLon = 11.5;
    p.refPointX = 1234.5;
    p.refPointY = -678.25;
    return p;
}

TEST(Engine, UnitsAndCalibrationFactor) {
    struct Case {
        std::string_view unit;
        double millimetres;
    } cases[] = {
        {kUnitMillimetre, 1.0},
        {kUnitCentimetre, 10.0},
        {kUnitMetre, 1000.0},
        {kUnitKilometre, 1e6},
        {kUnitPixel, 0.25},
        {"m", 1.0},  // without its blank
        {"MM", 1.0},
    };
    for (const Case& c : cases) EXPECT_EQ(unitMillimetres(c.unit, 4.0), c.millimetres) << c.unit;

    ProjectionParams p = naturalRecord(kAzimuthalEquidistant, 6371000.0);
    p.scaleDenominator = 3.0;
    p.unitMillimetres = 7.0;
    EXPECT_EQ(calibrationFactor(p), 6371000.0 * 1000.0 / 3.0 / 7.0);
}

TEST(Engine, TypeNamesCompareByteForByte) {
    EXPECT_TRUE(isProjection("UTM", kUtm));
    EXPECT_FALSE(isProjection("utm", kUtm));
    EXPECT_FALSE(isProjection("UTM ", kUtm));
    EXPECT_TRUE(isProjection("Gauß-Krüger (Österreich Meldenetz)", kGaussKruegerAustria));
    EXPECT_FALSE(isProjection("Gauss-Krueger (Deutschland)", kGaussKruegerGermany));

    // Names that differ from a type's name in one byte, or in their length,
    // are no type: only the offsets come back.
    for (const char* name : {"Zylinderabbildung (winkeltreU)", "Azimutalabbildung (flächentreu]",
                             "Krassovskx", "UTN", "", "Gauß-Krüger (Deutschland) und mehr"}) {
        ProjectionParams p = naturalRecord(name);
        p.offsetX = 1.5;
        double x, y;
        projectForward(p, 10.0, 10.0, x, y);
        EXPECT_EQ(x, 1.5) << name;
    }

    // A name that is not one of the sixteen: x = y = 0 before the
    // calibration, so only the offsets remain; the inverse gives the main point
    // (within the clamp of safeAcos, 4.5e-6 rad).
    ProjectionParams p = naturalRecord("Kegelabbildung (mittabstandstreu) ");
    p.offsetX = 5.0;
    p.offsetY = -3.0;
    p.mainPointLat = 30.0;
    p.mainPointLon = 20.0;
    double x, y, lat, lon;
    projectForward(p, 10.0, 10.0, x, y);
    EXPECT_EQ(x, 5.0);
    EXPECT_EQ(y, -3.0);
    projectInverse(p, 100.0, 100.0, lat, lon);
    EXPECT_NEAR(lat, 30.0, 1e-9);
    EXPECT_NEAR(lon, 20.0, 3e-4);
}

TEST(Engine, EveryByteOfATypeNameCounts) {
    // Each of the sixteen names finds its own row; a change in any single
    // byte, a byte more or a byte less makes the text no type (no two names
    // are one changed byte apart).
    for (std::size_t t = 0; t < kProjectionNames.size(); ++t) {
        const std::string name(kProjectionNames[t]);
        const ProjectionTypeRow* row = findProjectionType(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->type, static_cast<ProjectionType>(t)) << name;
        for (std::size_t i = 0; i < name.size(); ++i) {
            std::string changed = name;
            changed[i] = static_cast<char>(changed[i] ^ 0x20);
            EXPECT_EQ(findProjectionType(changed), nullptr) << name << " " << i;
        }
        EXPECT_EQ(findProjectionType(name + " "), nullptr) << name;
        EXPECT_EQ(findProjectionType(name.substr(0, name.size() - 1)), nullptr) << name;
        EXPECT_EQ(findProjectionType(name.substr(1)), nullptr) << name;
    }
    EXPECT_EQ(findProjectionType(""), nullptr);
}

TEST(Engine, NaturalAzimuthalFromThePole) {
    // R = 6371 km, 1 : 1 in metres, reference point at the pole with X = Y = 0:
    // the point on the equator at the central meridian lies a quarter
    // meridian below the pole.
    ProjectionParams p = naturalRecord(kAzimuthalEquidistant, 6371000.0);
    p.mainPointLat = 90.0;
    p.refPointLat = 90.0;
    updateOffsets(p);
    double x, y;
    projectForward(p, 0.0, 0.0, x, y);
    EXPECT_NEAR(x, 0.0, 1e-9);
    EXPECT_NEAR(y, -kHalfPi * 6371000.0, 1e-6);
}

TEST(Engine, AspectOfTheMainPoint) {
    ProjectionParams p = naturalRecord(kAzimuthalEquidistant);
    double x, y;
    // A main point at the south pole is neither polar nor oblique: y is
    // negated, so the central meridian runs upwards from the pole.
    p.mainPointLat = -90.0;
    projectForward(p, 0.0, 0.0, x, y);
    EXPECT_NEAR(x, 0.0, 1e-15);
    EXPECT_NEAR(y, kHalfPi, 1e-15);
    // Just beyond the north pole: not polar, computed through the oblique
    // turning and negated, and therefore next to the polar picture.
    p.mainPointLat = 90.0000001;
    projectForward(p, 0.0, 0.0, x, y);
    EXPECT_NEAR(y, -kHalfPi, 1e-5);

    // The clamped arc cosine puts an oblique main point 4.5e-6 radians away
    // from the projection centre.
    p.mainPointLat = 50.0;
    p.mainPointLon = 10.0;
    projectForward(p, 50.0, 10.0, x, y);
    EXPECT_NEAR(std::hypot(x, y), std::acos(0.99999999999), 1e-12);

    // An oblique cylinder turns onto the antipode of its main point: the main
    // point lies a quarter circle up, the great circle 90° away on y = 0.
    p.projectionName = std::string(kCylinderEquidistant);
    p.mainPointLat = 40.0;
    p.delta1 = 90.0;
    projectForward(p, 40.0, 10.0, x, y);
    EXPECT_NEAR(y, kHalfPi, 1e-5);
    projectForward(p, -50.0, 10.0, x, y);
    EXPECT_NEAR(y, 0.0, 1e-12);
}

TEST(Engine, PointsDueNorthOfAnObliqueMainPointKeepTheClamp) {
    // The azimuth of a point due north comes from safeAcos(1): 4.5e-6 rad
    // instead of 0, so the point leaves the central line by that angle and
    // the inverse returns a longitude slightly beside it.
    ProjectionParams p = naturalRecord(kAzimuthalEquidistant);
    p.mainPointLat = 50.0;
    p.mainPointLon = 10.0;
    const double smallest = std::acos(0.99999999999);
    double x, y, lat, lon;
    projectForward(p, 70.0, 10.0, x, y);
    EXPECT_NEAR(x, testing::rad(20.0) * smallest, 1e-10);
    EXPECT_NEAR(y, testing::rad(20.0), 1e-9);
    projectInverse(p, x, y, lat, lon);
    EXPECT_GT(std::fabs(lon - 10.0), 1e-5);
    EXPECT_LT(std::fabs(lon - 10.0), 1e-3);
}

TEST(Engine, RotationTurnsCounterClockwise) {
    // Equidistant cylinder on the equator: 1 radian east is (1, 0) before the
    // rotation; 90° turn it to (0, 1).
    ProjectionParams p = naturalRecord(kCylinderEquidistant);
    p.mainPointLat = 90.0;
    p.delta1 = 90.0;
    p.rotationAngle = 90.0;
    double x, y;
    projectForward(p, 0.0, 180.0 / kPi, x, y);
    EXPECT_NEAR(x, 0.0, 1e-15);
    EXPECT_NEAR(y, 1.0, 1e-15);
}

TEST(Engine, UnitsScaleTheMap) {
    for (std::string_view type : kProjectionNames) {
        const ProjectionParams mm = calibratedRecord(type, kUnitMillimetre, 0.0);
        const ProjectionParams cm = calibratedRecord(type, kUnitCentimetre, 0.0);
        const ProjectionParams px = calibratedRecord(type, kUnitPixel, 0.0);  // 4 per mm
        double xm, ym, xc, yc, xp, yp;
        projectForward(mm, 47.0, 12.0, xm, ym);
        projectForward(cm, 47.0, 12.0, xc, yc);
        projectForward(px, 47.0, 12.0, xp, yp);
        EXPECT_NEAR(xc, xm / 10.0, 1e-12 * std::fabs(xm)) << type;
        EXPECT_NEAR(yc, ym / 10.0, 1e-12 * std::fabs(ym)) << type;
        EXPECT_NEAR(xp, xm * 4.0, 1e-12 * std::fabs(xm)) << type;
        EXPECT_NEAR(yp, ym * 4.0, 1e-12 * std::fabs(ym)) << type;
    }
}

TEST(Engine, UpdateOffsetsPutsTheReferencePointInPlace) {
    for (std::string_view type : kProjectionNames) {
        for (std::string_view unit : kUnitNames) {
            for (double rotation : {0.0, 33.0, -90.0}) {
                ProjectionParams p = calibratedRecord(type, unit, rotation);
                ProjectionParams& same = updateOffsets(p);
                EXPECT_EQ(&same, &p);
                double x, y;
                projectForward(p, p.refPointLat, p.refPointLon, x, y);
                EXPECT_NEAR(x, p.refPointX, 1e-9 * (1.0 + std::fabs(p.offsetX))) << type;
                EXPECT_NEAR(y, p.refPointY, 1e-9 * (1.0 + std::fabs(p.offsetY))) << type;
            }
        }
    }
    // With the oblique main point as reference point, the 4.5e-6 of the
    // clamp is taken away as well.
    ProjectionParams p = calibratedRecord(kAzimuthalConformal, kUnitMetre, 0.0);
    p.refPointLat = p.mainPointLat;
    p.refPointLon = p.mainPointLon;
    p.refPointX = p.refPointY = 0.0;
    updateOffsets(p);
    double x, y;
    projectForward(p, p.mainPointLat, p.mainPointLon, x, y);
    EXPECT_NEAR(x, 0.0, 1e-12);
    EXPECT_NEAR(y, 0.0, 1e-12);
}

TEST(Engine, ProjectingLeavesTheRecordAlone) {
    for (std::string_view type : kProjectionNames) {
        ProjectionParams p = calibratedRecord(type, "km", 12.0);
        updateOffsets(p);
        const ProjectionParams original = p;
        double x, y, lat, lon;
        projectForward(p, 46.0, 9.0, x, y);
        projectInverse(p, x, y, lat, lon);
        EXPECT_EQ(p, original) << type;
    }
}

TEST(Engine, InverseLongitudeIsNormalised) {
    ProjectionParams p = naturalRecord(kAzimuthalEquidistant);
    p.mainPointLat = 90.0;
    p.mainPointLon = 170.0;
    for (double lon : {-179.0, -100.0, 0.0, 179.5}) {
        double x, y, backLat, backLon;
        projectForward(p, 10.0, lon, x, y);
        projectInverse(p, x, y, backLat, backLon);
        EXPECT_NEAR(backLon, lon, 1e-9);
        EXPECT_GE(backLon, -180.0);
        EXPECT_LE(backLon, 180.0);
    }
}

TEST(Engine, AspectTurningAndBack) {
    // geographicToAspect and aspectToGeographic, hand-derived: from a main
    // point at 0°/0°, the north pole lies a quarter circle away due north,
    // the point 0°/90° E due east.
    struct Case {
        double lat, lon, z, alpha;
    } cases[] = {
        {kHalfPi, 0.0, kHalfPi, 0.0},
        {0.0, kHalfPi, kHalfPi, kHalfPi},
        {0.0, -kHalfPi, kHalfPi, -kHalfPi},
        {-kQuarterPi, 0.0, kQuarterPi, kPi},
    };
    for (const Case& c : cases) {
        double z, alpha, lat, lon;
        geographicToAspect(c.lat, c.lon, 0.0, 0.0, z, alpha);
        EXPECT_NEAR(z, c.z, 1e-5);  // the clamp of safeAcos
        EXPECT_NEAR(alpha, c.alpha, 1e-5);
        aspectToGeographic(c.z, c.alpha, 0.0, 0.0, lat, lon);
        EXPECT_NEAR(lat, c.lat, 1e-5);
        if (std::fabs(c.lat) < kHalfPi) {
            EXPECT_NEAR(lon, c.lon, 1e-5);
        }
    }
    // A main point at a pole: colatitude and longitude difference.
    double z, alpha;
    geographicToAspect(0.5, 1.0, kHalfPi, 0.25, z, alpha);
    EXPECT_EQ(z, kHalfPi - 0.5);
    EXPECT_EQ(alpha, 0.75);
    geographicToAspect(0.5, 1.0, -kHalfPi, 0.25, z, alpha);
    EXPECT_EQ(z, kHalfPi + 0.5);
}

}  // namespace
}  // namespace geodesy
