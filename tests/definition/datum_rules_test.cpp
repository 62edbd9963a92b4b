// The datum dialog's Qt-free rules: lists, lookups on a selection, checks.
#include <gtest/gtest.h>

#include "definition/datum_rules.h"
#include "geodesy/catalogues.h"

namespace {

using definition::DatumField;
using geodesy::DatumParams;

TEST(DatumLists, IndividualFirstThenTheCatalogues) {
    const auto datums = definition::datumListEntries();
    ASSERT_EQ(datums.size(), 7u);
    EXPECT_EQ(datums[0], "(individuell)");
    EXPECT_EQ(datums[1], "WGS 84 (ECEF)");
    EXPECT_EQ(datums[6], "System 42/83 (Pulkov)");
    const auto ellipsoids = definition::ellipsoidListEntries();
    ASSERT_EQ(ellipsoids.size(), 25u);
    EXPECT_EQ(ellipsoids[0], "(individuell)");
    EXPECT_EQ(ellipsoids[1], "(Kugel)");
    EXPECT_EQ(ellipsoids[5], "Bessel (1841)");
    EXPECT_EQ(ellipsoids[24], "WGS 84");
}

TEST(DatumSelected, CatalogueDatumKeepsItsNameAndBringsItsValues) {
    DatumParams datum = geodesy::lookupDatum("ED50");
    datum.datumName = "DHDN (Potsdam / Rauenberg)";
    definition::datumSelected(datum);
    EXPECT_EQ(datum.datumName, "DHDN (Potsdam / Rauenberg)");
    EXPECT_EQ(datum.ellipsoidName, "Bessel (1841)");
    EXPECT_EQ(datum.semiMajorAxis, 6377397.155);
    EXPECT_EQ(datum.semiMinorAxis, 6356078.962818189);
    EXPECT_EQ(datum.shiftX, 582.0);
    EXPECT_EQ(datum.shiftZ, 414.0);
    EXPECT_EQ(datum.scaleCorrection, 8.3e-06);

    datum.datumName = "WGS 84 (ECEF)";
    definition::datumSelected(datum);
    EXPECT_EQ(datum.datumName, "WGS 84 (ECEF)");
    EXPECT_EQ(datum.ellipsoidName, "WGS 84");
    EXPECT_EQ(datum.shiftX, 0.0);
}

TEST(DatumSelected, IndividualLooksNothingUp) {
    DatumParams datum = geodesy::lookupDatum("MGI (Hermannskogel)");
    datum.datumName = "(individuell)";
    DatumParams expected = datum;
    definition::datumSelected(datum);
    EXPECT_EQ(datum, expected);  // not the WGS 84 record the lookup would give
}

TEST(EllipsoidSelected, CatalogueAxesOrTypedOnes) {
    DatumParams datum = geodesy::lookupDatum("ED50");
    datum.ellipsoidName = "(Kugel)";
    definition::ellipsoidSelected(datum);
    EXPECT_EQ(datum.semiMajorAxis, 6371000.0);
    EXPECT_EQ(datum.semiMinorAxis, 6371000.0);
    datum.ellipsoidName = "(individuell)";
    datum.semiMajorAxis = 6400000.0;
    definition::ellipsoidSelected(datum);
    EXPECT_EQ(datum.semiMajorAxis, 6400000.0);
}

TEST(DatumFields, EnabledBySelection) {
    DatumParams datum = geodesy::lookupDatum("ED50");
    EXPECT_TRUE(definition::datumFieldEnabled(datum, DatumField::DatumList));
    EXPECT_FALSE(definition::datumFieldEnabled(datum, DatumField::EllipsoidList));
    EXPECT_FALSE(definition::datumFieldEnabled(datum, DatumField::ShiftX));
    EXPECT_FALSE(definition::datumFieldEnabled(datum, DatumField::SemiMajorAxis));
    datum.datumName = "(individuell)";
    EXPECT_TRUE(definition::datumFieldEnabled(datum, DatumField::EllipsoidList));
    EXPECT_TRUE(definition::datumFieldEnabled(datum, DatumField::RotationEpsilon));
    EXPECT_TRUE(definition::datumFieldEnabled(datum, DatumField::ScaleCorrection));
    EXPECT_FALSE(definition::datumFieldEnabled(datum, DatumField::SemiMinorAxis));
    datum.ellipsoidName = "(individuell)";
    EXPECT_TRUE(definition::datumFieldEnabled(datum, DatumField::SemiMinorAxis));
}

TEST(CheckDatum, EnabledFieldsThenTheAxes) {
    DatumParams datum = geodesy::lookupDatum("ED50");
    datum.datumName = "(individuell)";
    datum.ellipsoidName = "(individuell)";
    datum.semiMajorAxis = 0.0;
    datum.rotationPsi = 400.0;
    auto refusal = definition::checkDatum(datum);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, DatumField::SemiMajorAxis);
    EXPECT_EQ(refusal->message, "Wert über 0");
    datum.semiMajorAxis = 6378000.0;
    refusal = definition::checkDatum(datum);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, DatumField::RotationPsi);
    EXPECT_EQ(refusal->message, "Wert für Winkel zwischen -360° und +360°");
    datum.rotationPsi = -360.0;
    datum.semiMinorAxis = 6378000.5;
    refusal = definition::checkDatum(datum);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, DatumField::SemiMinorAxis);
    EXPECT_EQ(refusal->message, "Wert für b nicht größer als a");
    datum.semiMinorAxis = 6378000.0;  // a sphere
    EXPECT_FALSE(definition::checkDatum(datum).has_value());
}

TEST(CheckDatum, FixedFieldsAreNotChecked) {
    DatumParams datum = geodesy::lookupDatum("ED50");
    datum.rotationOmega = 999.0;  // a catalogue datum's fields are disabled
    EXPECT_FALSE(definition::checkDatum(datum).has_value());
}

}  // namespace
