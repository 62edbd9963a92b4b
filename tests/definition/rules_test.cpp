// The Qt-free rules of a projection definition: natural calibration, strips,
// standard parallels, the OK checks and the record.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "definition/record_checks.h"
#include "definition/type_rules.h"
#include "geodesy/catalogues.h"
#include "geodesy/engine.h"

namespace {

using definition::Field;
using definition::ProjectionDefinition;

constexpr const char* kParallels = "Mit diesen Parallelkreisen ist keine Abbildung möglich";

struct NaturalCase {
    const char* type;
    int32_t strip;
    double centralMeridian, refLat, refLon, refX, refY;
};

// Main point longitude 10, a typed central meridian 13.5; values worked by hand
// from the strip rules (3n, 6n - 3, 6n - 183, n - 17.666666667).
const NaturalCase kNaturalCases[] = {
    {"Kegelabbildung (mittabstandstreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Kegelabbildung (flächentreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Kegelabbildung (winkeltreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Azimutalabbildung (mittabstandstreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Azimutalabbildung (flächentreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Azimutalabbildung (winkeltreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Zylinderabbildung (mittabstandstreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Zylinderabbildung (flächentreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Zylinderabbildung (winkeltreu)", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Bonn'sche Abbildung", 3, 10.0, 0.0, 10.0, 0.0, 0.0},
    {"Gauß-Krüger (Deutschland)", 3, 9.0, 0.0, 9.0, 500000.0, 0.0},
    {"Krassovsky", 12, 69.0, 0.0, 69.0, 500000.0, 0.0},
    {"UTM", 32, 9.0, 0.0, 9.0, 500000.0, 0.0},
    {"UTM", 2, -171.0, 0.0, -171.0, 500000.0, 0.0},
    {"Gauß-Krüger (Österreich Meldenetz)", 28, 10.333333333, 0.0, 10.333333333, 150000.0, -5e6},
    {"Gauß-Krüger (Österreich Meldenetz)", 31, 13.333333333, 0.0, 13.333333333, 450000.0, -5e6},
    {"Gauß-Krüger (Österreich Meldenetz)", 34, 16.333333333, 0.0, 16.333333333, 750000.0, -5e6},
    {"Gauß-Krüger (Österreich Meldenetz)", 30, 12.333333333, 0.0, 12.333333333, 0.0, -5e6},
    {"Gauß-Krüger (Allgemein)", 3, 13.5, 0.0, 13.5, 0.0, 0.0},
    {"Schweizer Landesgitter", 3, 7.43958333, 46.95240556, 7.43958333, 600000.0, 200000.0},
};

TEST(NaturalCalibration, EveryTypeSetsItsReferencePointInMetres) {
    for (const NaturalCase& c : kNaturalCases) {
        SCOPED_TRACE(std::string(c.type) + " strip " + std::to_string(c.strip));
        ProjectionDefinition d;
        d.mainLon = 10.0;
        d.centralMeridian = 13.5;
        d.strip = c.strip;
        d.units = "pixel";
        d.unitX = d.unitY = "pixel";
        d.resolution = 12.0;
        d.scale = 50000.0;
        d.rotation = 20.0;
        d.refLat = 5.0;
        d.natural = true;
        definition::applyProjectionType(d, c.type);
        EXPECT_EQ(d.projectionName, c.type);
        EXPECT_NEAR(d.centralMeridian, c.centralMeridian, 1e-9);
        EXPECT_EQ(d.refLat, c.refLat);
        EXPECT_NEAR(d.refLon, c.refLon, 1e-9);
        EXPECT_EQ(d.refX, c.refX);
        EXPECT_EQ(d.refY, c.refY);
        EXPECT_EQ(d.units, "m ");
        EXPECT_EQ(d.unitX, "m ");
        EXPECT_EQ(d.unitY, "m ");
        EXPECT_EQ(d.scale, 1.0);
        EXPECT_EQ(d.rotation, 0.0);
        EXPECT_EQ(d.resolution, 12.0);
    }
}

TEST(NaturalCalibration, OffLeavesTheCalibrationAlone) {
    ProjectionDefinition d;
    d.natural = false;
    d.units = "cm";
    d.scale = 25000.0;
    d.refX = 7.0;
    definition::applyProjectionType(d, "UTM");
    EXPECT_EQ(d.units, "cm");
    EXPECT_EQ(d.scale, 25000.0);
    EXPECT_EQ(d.refX, 7.0);
    EXPECT_EQ(d.centralMeridian, -171.0);  // the meridian still follows the strip
}

TEST(ProjectionType, BodyAndRadiusFollowTheType) {
    ProjectionDefinition d;
    d.radius = 6400000.0;
    definition::applyProjectionType(d, "Kegelabbildung (flächentreu)");
    EXPECT_EQ(d.body, "Kugel");
    EXPECT_EQ(d.radius, 6400000.0);  // a typed radius stays between sphere types
    definition::applyProjectionType(d, "Krassovsky");
    EXPECT_EQ(d.body, "Ellipsoid");
    EXPECT_EQ(d.radius, 1.0);
    definition::applyProjectionType(d, "Zylinderabbildung (winkeltreu)");
    EXPECT_EQ(d.body, "Kugel");
    EXPECT_EQ(d.radius, 6371000.0);
}

TEST(ProjectionType, DeltaLabelChangesOnlyWithTypesThatUseIt) {
    ProjectionDefinition d;
    definition::applyProjectionType(d, "Bonn'sche Abbildung");
    EXPECT_EQ(d.deltaLabel, "Rechtswinkliger Parallelkreis (Poldistanz)");
    definition::applyProjectionType(d, "Azimutalabbildung (winkeltreu)");
    EXPECT_EQ(d.deltaLabel, "Rechtswinkliger Parallelkreis (Poldistanz)");
    definition::applyProjectionType(d, "Zylinderabbildung (flächentreu)");
    EXPECT_EQ(d.deltaLabel, "Längentreuer Parallelkreis (Poldistanz)");
    definition::applyProjectionType(d, "UTM");
    EXPECT_EQ(d.deltaLabel, "Längentreuer Parallelkreis (Poldistanz)");
    definition::applyProjectionType(d, "Kegelabbildung (winkeltreu)");
    EXPECT_EQ(d.deltaLabel, "Längentreue Parallelkreise (Poldistanz)");
}

TEST(ProjectionType, UnknownStripNumbersGiveMeridiansInDouble) {
    ProjectionDefinition d;
    d.strip = 2147483647;
    definition::applyProjectionType(d, "UTM");
    EXPECT_EQ(d.centralMeridian, 6.0 * 2147483647.0 - 183.0);
}

TEST(StripChanged, FollowsTheStripAndTheAustrianEasting) {
    ProjectionDefinition d;
    definition::applyProjectionType(d, "Gauß-Krüger (Österreich Meldenetz)");
    d.strip = 34;
    definition::stripChanged(d);
    EXPECT_NEAR(d.centralMeridian, 16.333333333, 1e-12);
    EXPECT_NEAR(d.refLon, 16.333333333, 1e-12);
    EXPECT_EQ(d.refX, 750000.0);
    d.natural = false;
    d.strip = 28;
    definition::stripChanged(d);
    EXPECT_NEAR(d.centralMeridian, 10.333333333, 1e-12);
    EXPECT_NEAR(d.refLon, 16.333333333, 1e-12);  // calibration is the user's
    EXPECT_EQ(d.refX, 750000.0);
}

struct StripCase {
    const char* type;
    int32_t strip;
    const char* message;  // empty: valid
};

const StripCase kStripCases[] = {
    {"Gauß-Krüger (Deutschland)", 1, "Streifennummer zwischen 2 und 5"},
    {"Gauß-Krüger (Deutschland)", 2, ""},
    {"Gauß-Krüger (Deutschland)", 5, ""},
    {"Gauß-Krüger (Deutschland)", 6, "Streifennummer zwischen 2 und 5"},
    {"Krassovsky", 0, "Streifennummer zwischen 1 und 30"},
    {"Krassovsky", 1, ""},
    {"Krassovsky", 30, ""},
    {"Krassovsky", 31, "Streifennummer zwischen 1 und 30"},
    {"UTM", -5, "Streifennummer zwischen 1 und 60"},
    {"UTM", 1, ""},
    {"UTM", 60, ""},
    {"UTM", 61, "Streifennummer zwischen 1 und 60"},
    {"Gauß-Krüger (Österreich Meldenetz)", 27, "Streifennummer 28, 31 oder 34"},
    {"Gauß-Krüger (Österreich Meldenetz)", 28, ""},
    {"Gauß-Krüger (Österreich Meldenetz)", 29, "Streifennummer 28, 31 oder 34"},
    {"Gauß-Krüger (Österreich Meldenetz)", 31, ""},
    {"Gauß-Krüger (Österreich Meldenetz)", 33, "Streifennummer 28, 31 oder 34"},
    {"Gauß-Krüger (Österreich Meldenetz)", 34, ""},
    {"Gauß-Krüger (Allgemein)", 999, ""},
    {"Schweizer Landesgitter", 0, ""},
    {"Bonn'sche Abbildung", -7, ""},
    {"utm", 99, ""},  // not a type name: no strip rule
};

TEST(StripNumber, CheckedAgainstTheType) {
    for (const StripCase& c : kStripCases) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.strip));
        EXPECT_EQ(definition::checkStripNumber(c.strip, c.type), c.message);
    }
}

struct ParallelCase {
    const char* type;
    double delta1, delta2;
    bool refused;
};

const ParallelCase kParallelCases[] = {
    {"Zylinderabbildung (mittabstandstreu)", 0.0, 50.0, true},
    {"Zylinderabbildung (flächentreu)", 180.0, 50.0, true},
    {"Zylinderabbildung (winkeltreu)", 1e-10, 50.0, true},
    {"Zylinderabbildung (winkeltreu)", 179.9999999995, 50.0, true},
    {"Zylinderabbildung (winkeltreu)", 1e-6, 0.0, false},
    {"Zylinderabbildung (winkeltreu)", 90.0, 180.0, false},
    {"Kegelabbildung (mittabstandstreu)", 30.0, 150.0, true},
    {"Kegelabbildung (flächentreu)", 60.0, 120.0 + 5e-10, true},
    {"Kegelabbildung (flächentreu)", 60.0, 119.999, false},
    {"Kegelabbildung (mittabstandstreu)", 0.0, 50.0, false},
    {"Kegelabbildung (mittabstandstreu)", 40.0, 40.0, false},  // tangent cone
    {"Kegelabbildung (winkeltreu)", 0.0, 50.0, true},
    {"Kegelabbildung (winkeltreu)", 30.0, 180.0, true},
    {"Kegelabbildung (winkeltreu)", 30.0, 120.0, false},
    {"Kegelabbildung (winkeltreu)", 50.0, 50.0, false},
    {"Kegelabbildung (winkeltreu)", 1e-6, 50.0, false},
    {"Bonn'sche Abbildung", 90.0, 90.0, true},
    {"Bonn'sche Abbildung", 89.99, 90.0, false},
    {"Bonn'sche Abbildung", 0.0, 180.0, false},
    {"Azimutalabbildung (mittabstandstreu)", 0.0, 180.0, false},
    {"UTM", 0.0, 180.0, false},
};

TEST(StandardParallels, DegenerateOnesAreRefusedAtOk) {
    for (const ParallelCase& c : kParallelCases) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.delta1) + " " +
                     std::to_string(c.delta2));
        ProjectionDefinition d;
        definition::applyProjectionType(d, c.type);
        d.mainLat = 60.0;
        d.delta1 = c.delta1;
        d.delta2 = c.delta2;
        geodesy::ProjectionParams record;
        record.projectionName = "unchanged";
        const auto refusal = definition::acceptAtOk(d, geodesy::lookupDatum("ED50"), record);
        if (c.refused) {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->field, Field::Delta1);
            EXPECT_EQ(refusal->message, kParallels);
            EXPECT_EQ(record.projectionName, "unchanged");
        } else {
            EXPECT_FALSE(refusal.has_value()) << refusal->message;
            EXPECT_TRUE(std::isfinite(record.offsetX) && std::isfinite(record.offsetY));
        }
    }
}

TEST(FieldsAtOk, ShownAndEnabledFieldsInTabOrder) {
    ProjectionDefinition d;
    definition::applyProjectionType(d, "UTM");
    d.strip = 32;
    d.delta1 = 500.0;  // hidden for UTM: not checked
    d.mainLat = 100.0;
    EXPECT_FALSE(definition::checkFieldsAtOk(d).has_value());

    d.natural = false;
    d.rotation = 500.0;
    d.scale = 0.0;
    d.refLat = 95.0;
    auto refusal = definition::checkFieldsAtOk(d);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, Field::Scale);
    EXPECT_EQ(refusal->message, "Wert über 0");
    d.scale = 1.0;
    refusal = definition::checkFieldsAtOk(d);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, Field::RefLat);
    d.refLat = 0.0;
    refusal = definition::checkFieldsAtOk(d);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, Field::Rotation);
    EXPECT_EQ(refusal->message, "Wert für Winkel zwischen -360° und +360°");

    // The strip at its place in tab order: before the calibration fields.
    d.rotation = 0.0;
    d.strip = 61;
    d.units = "pixel";
    d.resolution = 0.0;
    refusal = definition::checkFieldsAtOk(d);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, Field::Strip);
    EXPECT_EQ(refusal->message, "Streifennummer zwischen 1 und 60");
    d.strip = 32;
    refusal = definition::checkFieldsAtOk(d);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, Field::Resolution);
}

TEST(FieldsAtOk, CentralMeridianOnlyWhereItIsEdited) {
    ProjectionDefinition d;
    definition::applyProjectionType(d, "Gauß-Krüger (Allgemein)");
    d.centralMeridian = 190.0;
    auto refusal = definition::checkFieldsAtOk(d);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, Field::CentralMeridian);
    EXPECT_EQ(refusal->message, "Wert für Geographische Länge zwischen -180.0° und 180.0°");
    definition::applyProjectionType(d, "Bonn'sche Abbildung");
    d.mainLon = 10.0;
    d.centralMeridian = 190.0;  // disabled: derived from the main point, not checked
    EXPECT_FALSE(definition::checkFieldsAtOk(d).has_value());
}

// Records that map everything onto one point or nowhere: the calibration
// factor radius · 1000 / scale / (millimetres per unit) is zero or not finite.
struct MappingCase {
    const char* type;
    bool natural;
    const char* units;
    double resolution, scale, radius;
    bool refused;
};

const MappingCase kMappingCases[] = {
    // 6.371e9 / 1e308 / 1e300 underflows to 0.
    {"Azimutalabbildung (flächentreu)", false, "pixel", 1e-300, 1e308, 6371000.0, true},
    // 5e-324 · 1000 / 1e6 / 1000 underflows to 0.
    {"Azimutalabbildung (flächentreu)", false, "m ", 32.0, 1e6, 5e-324, true},
    // Scale 0 is reachable only with the calibration fields disabled.
    {"Bonn'sche Abbildung", true, "m ", 32.0, 0.0, 6371000.0, true},
    // 1e6 · 1000 / 1e-300 overflows.
    {"Bonn'sche Abbildung", false, "mm", 32.0, 1e-300, 1e6, true},
    // Tiny factors that stay normal numbers map: 6.371e9 / 1e10 / 1e300.
    {"Azimutalabbildung (flächentreu)", false, "pixel", 1e-300, 1e10, 6371000.0, false},
    {"Azimutalabbildung (flächentreu)", true, "m ", 32.0, 1.0, 1e-300, false},
};

TEST(AcceptAtOk, RefusesARecordThatCannotMap) {
    for (const MappingCase& c : kMappingCases) {
        SCOPED_TRACE(std::string(c.type) + " scale " + std::to_string(c.scale));
        ProjectionDefinition d;
        d.natural = c.natural;
        definition::applyProjectionType(d, c.type);
        d.units = c.units;
        d.resolution = c.resolution;
        d.scale = c.scale;
        d.radius = c.radius;
        geodesy::ProjectionParams record;
        record.projectionName = "unchanged";
        auto refusal = definition::acceptAtOk(d, geodesy::lookupDatum("ED50"), record);
        if (!c.refused) {
            EXPECT_FALSE(refusal.has_value()) << refusal->message;
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->field, Field::ProjectionList);
        EXPECT_EQ(refusal->message, "Mit diesen Werten ist keine Abbildung möglich");
        EXPECT_EQ(record.projectionName, "unchanged");
    }
}

TEST(BuildParams, GeneralStripCarriesItsMeridianAsMainPoint) {
    ProjectionDefinition d;
    d.mainLon = 4.0;
    d.centralMeridian = -3.5;
    definition::applyProjectionType(d, "Gauß-Krüger (Allgemein)");
    const geodesy::DatumParams datum = geodesy::lookupDatum("DHDN (Potsdam / Rauenberg)");
    const geodesy::ProjectionParams p = definition::buildParams(d, datum);
    EXPECT_EQ(p.projectionName, "Gauß-Krüger (Allgemein)");
    EXPECT_EQ(p.mainPointLon, -3.5);
    EXPECT_EQ(p.sphereRadius, 1.0);
    EXPECT_EQ(p.scaleDenominator, 1.0);
    EXPECT_EQ(p.unitMillimetres, 1000.0);
    EXPECT_EQ(p.refPointLon, -3.5);
    EXPECT_EQ(p.datum, datum);
    // The reference point lies on the central meridian at the equator: X = Y = 0.
    double x = 1.0, y = 1.0;
    geodesy::projectForward(p, 0.0, -3.5, x, y);
    EXPECT_NEAR(x, 0.0, 1e-6);
    EXPECT_NEAR(y, 0.0, 1e-6);
}

TEST(BuildParams, PixelUnitAndReferencePoint) {
    ProjectionDefinition d;
    d.natural = false;
    d.units = "pixel";
    d.resolution = 32.0;
    d.scale = 1e6;
    d.mainLat = 50.0;
    d.mainLon = 10.0;
    d.delta1 = 40.0;
    d.delta2 = 50.0;
    d.refLat = 50.0;
    d.refLon = 10.0;
    d.refX = 100.0;
    d.refY = -20.0;
    d.rotation = 15.0;
    definition::applyProjectionType(d, "Kegelabbildung (winkeltreu)");
    const geodesy::ProjectionParams p = definition::buildParams(d, geodesy::lookupDatum("ED50"));
    EXPECT_EQ(p.unitMillimetres, 0.03125);
    EXPECT_EQ(p.mainPointLat, 50.0);
    EXPECT_EQ(p.mainPointLon, 10.0);
    EXPECT_EQ(p.delta1, 40.0);
    EXPECT_EQ(p.delta2, 50.0);
    EXPECT_EQ(p.rotationAngle, 15.0);
    EXPECT_EQ(p.sphereRadius, 6371000.0);
    double x = 0.0, y = 0.0;
    geodesy::projectForward(p, 50.0, 10.0, x, y);
    EXPECT_NEAR(x, 100.0, 1e-6);
    EXPECT_NEAR(y, -20.0, 1e-6);
}

}  // namespace
