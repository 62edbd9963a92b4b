// The datum dialog driven as a user drives it.
#include <gtest/gtest.h>

#include "definition/datum_dlg.h"
#include "geodesy/catalogues.h"
#include "tests/support/dialog_driver.h"

namespace {

using namespace driver;

using namespace datum_ids;

constexpr std::initializer_list<int> kParameters = {kShiftX, kShiftY,  kShiftZ,         kOmega,
                                                    kPsi,    kEpsilon, kScaleCorrection};

class DatumDlgTest : public ::testing::Test {
protected:
    void open() { driver::open(&dlg); }
    bool closedWith(int result) const { return !dlg.isVisible() && dlg.result() == result; }

    platform::RecordingMessageService messages;
    CDatumDlg dlg;
};

TEST_F(DatumDlgTest, OpensWithTheCatalogueDatumFixed) {
    open();
    EXPECT_EQ(text(&dlg, kDatum), "ED50");
    EXPECT_EQ(text(&dlg, kEllipsoid), "International (1924) = Hayford (1909)");
    EXPECT_EQ(text(&dlg, kSemiMajor), "6378388");
    EXPECT_EQ(text(&dlg, kSemiMinor), "6356911.94612795");
    EXPECT_EQ(text(&dlg, kShiftX), "-87");
    EXPECT_EQ(text(&dlg, kShiftY), "-96");
    EXPECT_EQ(text(&dlg, kShiftZ), "-120");
    EXPECT_EQ(text(&dlg, kOmega), "0");
    EXPECT_EQ(text(&dlg, kScaleCorrection), "0");
    EXPECT_TRUE(enabled(&dlg, kDatum));
    for (int id : {kEllipsoid, kSemiMajor, kSemiMinor}) EXPECT_FALSE(enabled(&dlg, id)) << id;
    for (int id : kParameters) EXPECT_FALSE(enabled(&dlg, id)) << id;

    auto* datums = find<QComboBox>(&dlg, kDatum);
    ASSERT_EQ(datums->count(), 7);
    EXPECT_EQ(datums->itemText(0), "(individuell)");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(datums->itemText(i + 1), qs(std::string(geodesy::kDatumNames[i])));
    auto* ellipsoids = find<QComboBox>(&dlg, kEllipsoid);
    ASSERT_EQ(ellipsoids->count(), 25);
    EXPECT_EQ(ellipsoids->itemText(0), "(individuell)");
    EXPECT_EQ(ellipsoids->itemText(1), "(Kugel)");
    EXPECT_EQ(ellipsoids->itemText(24), "WGS 84");
}

TEST_F(DatumDlgTest, IndividualPathKeepsValuesAndOpensTheFields) {
    open();
    choose(&dlg, kDatum, QStringLiteral("(individuell)"));
    EXPECT_EQ(dlg.m_datum.datumName, "(individuell)");
    EXPECT_EQ(dlg.m_datum.ellipsoidName, "International (1924) = Hayford (1909)");
    EXPECT_EQ(dlg.m_datum.shiftX, -87.0);
    EXPECT_EQ(dlg.m_datum.semiMajorAxis, 6378388.0);
    EXPECT_TRUE(enabled(&dlg, kEllipsoid));
    for (int id : kParameters) EXPECT_TRUE(enabled(&dlg, id)) << id;
    EXPECT_FALSE(enabled(&dlg, kSemiMajor));
    EXPECT_FALSE(enabled(&dlg, kSemiMinor));

    choose(&dlg, kEllipsoid, QStringLiteral("(individuell)"));
    EXPECT_TRUE(enabled(&dlg, kSemiMajor));
    EXPECT_TRUE(enabled(&dlg, kSemiMinor));
    EXPECT_EQ(dlg.m_datum.semiMajorAxis, 6378388.0);
    type(&dlg, kSemiMajor, "6378000");
    type(&dlg, kSemiMinor, "6357000");
    type(&dlg, kShiftX, "12.5");
    type(&dlg, kOmega, "-0.001");
    type(&dlg, kScaleCorrection, "3e-06");
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_datum.datumName, "(individuell)");
    EXPECT_EQ(dlg.m_datum.ellipsoidName, "(individuell)");
    EXPECT_EQ(dlg.m_datum.semiMajorAxis, 6378000.0);
    EXPECT_EQ(dlg.m_datum.semiMinorAxis, 6357000.0);
    EXPECT_EQ(dlg.m_datum.shiftX, 12.5);
    EXPECT_EQ(dlg.m_datum.rotationOmega, -0.001);
    EXPECT_EQ(dlg.m_datum.scaleCorrection, 3e-06);
    EXPECT_TRUE(messages.messages.empty());

    // The record survives closing and shows again.
    open();
    EXPECT_EQ(text(&dlg, kDatum), "(individuell)");
    EXPECT_EQ(text(&dlg, kSemiMajor), "6378000");
    EXPECT_TRUE(enabled(&dlg, kSemiMinor));
}

TEST_F(DatumDlgTest, CatalogueChoicesOverwriteAndFixTheFields) {
    open();
    choose(&dlg, kDatum, QStringLiteral("(individuell)"));
    choose(&dlg, kEllipsoid, QStringLiteral("(Kugel)"));
    EXPECT_EQ(text(&dlg, kSemiMajor), "6371000");
    EXPECT_EQ(text(&dlg, kSemiMinor), "6371000");
    type(&dlg, kShiftY, "77");
    choose(&dlg, kDatum, QStringLiteral("DHDN (Potsdam / Rauenberg)"));
    geodesy::DatumParams expected = geodesy::lookupDatum("DHDN (Potsdam / Rauenberg)");
    EXPECT_EQ(dlg.m_datum, expected);
    EXPECT_EQ(text(&dlg, kEllipsoid), "Bessel (1841)");
    EXPECT_EQ(text(&dlg, kShiftY), "105");
    for (int id : kParameters) EXPECT_FALSE(enabled(&dlg, id)) << id;
    EXPECT_FALSE(enabled(&dlg, kEllipsoid));
}

TEST_F(DatumDlgTest, FieldChecksOnFocusLoss) {
    open();
    choose(&dlg, kDatum, QStringLiteral("(individuell)"));
    choose(&dlg, kEllipsoid, QStringLiteral("(individuell)"));
    type(&dlg, kSemiMajor, "0");
    key(Qt::Key_Tab);
    ASSERT_EQ(messages.texts(), QStringList{"Wert über 0"});
    EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
    EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(focused(&dlg, kSemiMajor));
    type(&dlg, kSemiMajor, "6378000");
    key(Qt::Key_Tab);
    messages.clear();
    for (int id : {kOmega, kPsi, kEpsilon}) {
        type(&dlg, id, "-360.5");
        key(Qt::Key_Tab);
        EXPECT_EQ(messages.texts().last(), "Wert für Winkel zwischen -360° und +360°");
        EXPECT_TRUE(focused(&dlg, id));
        type(&dlg, id, "360");
        key(Qt::Key_Tab);
    }
    EXPECT_EQ(messages.messages.size(), 3u);
    type(&dlg, kShiftX, "-99999");  // translations are not limited
    key(Qt::Key_Tab);
    EXPECT_EQ(messages.messages.size(), 3u);
}

TEST_F(DatumDlgTest, MinorAxisLargerThanMajorIsRefusedAtOk) {
    open();
    choose(&dlg, kDatum, QStringLiteral("(individuell)"));
    choose(&dlg, kEllipsoid, QStringLiteral("(individuell)"));
    type(&dlg, kSemiMinor, "6400000");
    key(Qt::Key_Tab);
    EXPECT_TRUE(messages.messages.empty());
    click(&dlg, kOk);
    EXPECT_EQ(messages.texts(), QStringList{"Wert für b nicht größer als a"});
    EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(focused(&dlg, kSemiMinor));
    type(&dlg, kSemiMinor, "6378388");  // a sphere: a = b
    key(Qt::Key_Return);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_datum.semiMinorAxis, 6378388.0);
}

TEST_F(DatumDlgTest, EnterWithARefusedRotationKeepsTheDialogOpen) {
    open();
    choose(&dlg, kDatum, QStringLiteral("(individuell)"));
    type(&dlg, kPsi, "400");
    key(Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList{"Wert für Winkel zwischen -360° und +360°"});
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(focused(&dlg, kPsi));
    click(&dlg, kCancel);  // the refused value does not block Cancel
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(dlg.m_datum, geodesy::lookupDatum("ED50"));
}

TEST_F(DatumDlgTest, CancelRestoresTheRecordOfTheOpening) {
    open();
    choose(&dlg, kDatum, QStringLiteral("(individuell)"));
    choose(&dlg, kEllipsoid, QStringLiteral("Bessel (1841)"));
    type(&dlg, kShiftZ, "5");
    key(Qt::Key_Escape);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(dlg.m_datum, geodesy::lookupDatum("ED50"));
    open();
    EXPECT_EQ(text(&dlg, kDatum), "ED50");
    EXPECT_EQ(text(&dlg, kShiftZ), "-120");
    EXPECT_FALSE(enabled(&dlg, kShiftZ));
}

// The fields show 15 significant digits; OK keeps a catalogue's values to the
// last bit (their fields are disabled), while typed values are kept as typed.
TEST_F(DatumDlgTest, OkKeepsCatalogueValuesExactlyAndTypedValuesAsTyped) {
    for (std::string_view name : geodesy::kDatumNames) {
        SCOPED_TRACE(std::string(name));
        open();
        choose(&dlg, kDatum, qs(std::string(name)));
        click(&dlg, kOk);
        ASSERT_TRUE(closedWith(QDialog::Accepted));
        EXPECT_EQ(dlg.m_datum, geodesy::lookupDatum(std::string(name)));
    }
    for (std::string_view name : geodesy::kEllipsoidNames) {
        SCOPED_TRACE(std::string(name));
        open();
        choose(&dlg, kDatum, QStringLiteral("(individuell)"));
        choose(&dlg, kEllipsoid, qs(std::string(name)));
        type(&dlg, kShiftX, "1.0000000000000002");
        key(Qt::Key_Return);
        ASSERT_TRUE(closedWith(QDialog::Accepted));
        double a = 0.0, b = 0.0;
        geodesy::lookupEllipsoid(std::string(name), a, b);
        EXPECT_EQ(dlg.m_datum.semiMajorAxis, a);
        EXPECT_EQ(dlg.m_datum.semiMinorAxis, b);
        EXPECT_EQ(dlg.m_datum.shiftX, 1.0000000000000002);
    }
    open();
    choose(&dlg, kEllipsoid, QStringLiteral("(individuell)"));
    type(&dlg, kSemiMajor, "6377397.155");
    type(&dlg, kSemiMinor, "6356078.962818188");  // one unit in the last place below Bessel's b
    key(Qt::Key_Return);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_datum.ellipsoidName, "(individuell)");
    EXPECT_EQ(dlg.m_datum.semiMinorAxis, 6356078.962818188);
    EXPECT_NE(dlg.m_datum.semiMinorAxis, 6356078.962818189);
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
