// The projection dialog driven as a user drives it.
#include <gtest/gtest.h>

#include <QWheelEvent>
#include <cmath>
#include <functional>

#include "definition/projection_dlg.h"
#include "geodesy/catalogues.h"
#include "geodesy/engine.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_projection_dlg.h"

namespace {

using namespace driver;

const QString kCaption = QStringLiteral("Falsche Eingabe");
const QString kBonneLabel = QStringLiteral("Rechtswinkliger Parallelkreis (Poldistanz)");
const QString kConicLabel = QStringLiteral("Längentreue Parallelkreise (Poldistanz)");
const QString kCylinderLabel = QStringLiteral("Längentreuer Parallelkreis (Poldistanz)");

using namespace projection_ids;

class ProjectionDlgTest : public ::testing::Test {
protected:
    void open() { driver::open(&dlg); }
    bool closedWith(int result) const { return !dlg.isVisible() && dlg.result() == result; }

    platform::RecordingMessageService messages;
    TestProjectionDlg dlg;
};

TEST_F(ProjectionDlgTest, ConstructionDefaultsShowTheBonneProjection) {
    open();
    EXPECT_EQ(text(&dlg, kProjection), "Bonn'sche Abbildung");
    EXPECT_EQ(text(&dlg, kBody), "Kugel");
    EXPECT_EQ(text(&dlg, kRadius), "6371000");
    EXPECT_EQ(text(&dlg, kDatum), "ED50, International (1924) = Hayford (1909)");
    EXPECT_EQ(text(&dlg, kDeltaLabel), kBonneLabel);
    EXPECT_TRUE(shown(&dlg, kDelta1));
    EXPECT_FALSE(shown(&dlg, kDelta2));
    EXPECT_EQ(text(&dlg, kUnits), "m ");
    EXPECT_EQ(text(&dlg, kScale), "1");
    EXPECT_EQ(text(&dlg, kUnitX), "m ");
    EXPECT_EQ(text(&dlg, kUnitY), "m ");
    EXPECT_TRUE(find<QCheckBox>(&dlg, kNatural)->isChecked());
    for (int id : {kUnits, kScale, kRefLat, kRefLon, kRefX, kRefY, kRotation}) {
        EXPECT_FALSE(enabled(&dlg, id)) << id;
    }
    for (int id : {kResolutionLabel, kResolution, kResolutionUnit}) EXPECT_FALSE(shown(&dlg, id));
    EXPECT_EQ(find<QComboBox>(&dlg, kProjection)->count(), 16);
    EXPECT_EQ(find<QComboBox>(&dlg, kUnits)->count(), 5);

    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    const geodesy::ProjectionParams& p = dlg.m_params;
    EXPECT_EQ(p.projectionName, "Bonn'sche Abbildung");
    EXPECT_EQ(p.sphereRadius, 6371000.0);
    EXPECT_EQ(p.scaleDenominator, 1.0);
    EXPECT_EQ(p.unitMillimetres, 1000.0);
    EXPECT_EQ(p.mainPointLat, 90.0);
    EXPECT_EQ(p.delta1, 30.0);
    EXPECT_EQ(p.datum, geodesy::lookupDatum("ED50"));
    double x = 1.0, y = 1.0;
    geodesy::projectForward(p, 0.0, 0.0, x, y);
    EXPECT_NEAR(x, 0.0, 1e-6);
    EXPECT_NEAR(y, 0.0, 1e-6);
    EXPECT_TRUE(messages.messages.empty());
}

struct TypeRow {
    const char* type;
    const char* body;
    bool radius, datum, mainPoint, delta1, delta2;
    QString label;  // empty: the label keeps the text it had
    bool strip, meridianEnabled;
};

const TypeRow kTypeRows[] = {
    {"Kegelabbildung (mittabstandstreu)", "Kugel", 1, 0, 1, 1, 1, kConicLabel, 0, 0},
    {"Kegelabbildung (flächentreu)", "Kugel", 1, 0, 1, 1, 1, kConicLabel, 0, 0},
    {"Kegelabbildung (winkeltreu)", "Kugel", 1, 0, 1, 1, 1, kConicLabel, 0, 0},
    {"Azimutalabbildung (mittabstandstreu)", "Kugel", 1, 0, 1, 0, 0, {}, 0, 0},
    {"Azimutalabbildung (flächentreu)", "Kugel", 1, 0, 1, 0, 0, {}, 0, 0},
    {"Azimutalabbildung (winkeltreu)", "Kugel", 1, 0, 1, 0, 0, {}, 0, 0},
    {"Zylinderabbildung (mittabstandstreu)", "Kugel", 1, 0, 1, 1, 0, kCylinderLabel, 0, 0},
    {"Zylinderabbildung (flächentreu)", "Kugel", 1, 0, 1, 1, 0, kCylinderLabel, 0, 0},
    {"Zylinderabbildung (winkeltreu)", "Kugel", 1, 0, 1, 1, 0, kCylinderLabel, 0, 0},
    {"Bonn'sche Abbildung", "Kugel", 1, 0, 1, 1, 0, kBonneLabel, 0, 0},
    {"Gauß-Krüger (Deutschland)", "Ellipsoid", 0, 1, 0, 0, 0, {}, 1, 0},
    {"UTM", "Ellipsoid", 0, 1, 0, 0, 0, {}, 1, 0},
    {"Krassovsky", "Ellipsoid", 0, 1, 0, 0, 0, {}, 1, 0},
    {"Gauß-Krüger (Österreich Meldenetz)", "Ellipsoid", 0, 1, 0, 0, 0, {}, 1, 0},
    {"Gauß-Krüger (Allgemein)", "Ellipsoid", 0, 1, 0, 0, 0, {}, 0, 1},
    {"Schweizer Landesgitter", "Ellipsoid", 0, 1, 0, 0, 0, {}, 0, 0},
};

TEST_F(ProjectionDlgTest, EachTypeShowsItsFields) {
    open();
    for (const TypeRow& row : kTypeRows) {
        SCOPED_TRACE(row.type);
        // From a type with a label of its own, to see which types keep it.
        choose(&dlg, kProjection, QStringLiteral("Kegelabbildung (winkeltreu)"));
        choose(&dlg, kProjection, QString::fromUtf8(row.type));
        EXPECT_EQ(dlg.m_strProjectionName, row.type);
        EXPECT_EQ(text(&dlg, kBody), QString::fromUtf8(row.body));
        auto expectGroup = [&](std::initializer_list<int> ids, bool expected) {
            for (int id : ids) EXPECT_EQ(shown(&dlg, id), expected) << id;
        };
        expectGroup({kRadius, kRadiusUnit}, row.radius);
        expectGroup({kDatumLabel, kDatum, kDatumButton}, row.datum);
        expectGroup({kMainPointLabel, kMainLatLabel, kMainLat, kMainLatUnit, kMainLonLabel,
                     kMainLon, kMainLonUnit},
                    row.mainPoint);
        expectGroup({kDeltaLabel, kDelta1Label, kDelta1, kDelta1Unit}, row.delta1);
        expectGroup({kDelta2Label, kDelta2, kDelta2Unit}, row.delta2);
        expectGroup({kStripLabel, kStrip}, row.strip);
        EXPECT_TRUE(shown(&dlg, kCentralMeridian));
        EXPECT_EQ(enabled(&dlg, kCentralMeridian), row.meridianEnabled);
        const QString label = row.label.isEmpty() ? kConicLabel : row.label;
        EXPECT_EQ(text(&dlg, kDeltaLabel), label);
        EXPECT_EQ(qs(dlg.m_strDeltaLabel), label);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ProjectionDlgTest, SphereAndEllipsoidTypesSetTheRadius) {
    open();
    type(&dlg, kRadius, "6400000");
    choose(&dlg, kProjection, QStringLiteral("Kegelabbildung (flächentreu)"));
    EXPECT_EQ(dlg.m_dRadius, 6400000.0);
    choose(&dlg, kProjection, QStringLiteral("UTM"));
    EXPECT_EQ(dlg.m_dRadius, 1.0);
    EXPECT_EQ(dlg.m_strBody, "Ellipsoid");
    choose(&dlg, kProjection, QStringLiteral("Azimutalabbildung (winkeltreu)"));
    EXPECT_EQ(dlg.m_dRadius, 6371000.0);
    EXPECT_EQ(text(&dlg, kRadius), "6371000");
}

TEST_F(ProjectionDlgTest, UtmWithTheDefaultStripAndThenItsOwn) {
    open();
    choose(&dlg, kProjection, QStringLiteral("UTM"));
    EXPECT_EQ(dlg.m_nStrip, 2);
    EXPECT_EQ(text(&dlg, kCentralMeridian), "-171");
    EXPECT_EQ(text(&dlg, kRefLon), "-171");
    EXPECT_EQ(text(&dlg, kRefX), "500000");
    type(&dlg, kStrip, "32");
    key(Qt::Key_Tab);
    EXPECT_EQ(dlg.m_dCentralMeridian, 9.0);
    EXPECT_EQ(text(&dlg, kRefLon), "9");
}

TEST_F(ProjectionDlgTest, AustrianStripsAndTheirRefusal) {
    open();
    choose(&dlg, kProjection, QStringLiteral("Gauß-Krüger (Österreich Meldenetz)"));
    type(&dlg, kStrip, "31");
    key(Qt::Key_Tab);
    EXPECT_NEAR(dlg.m_dCentralMeridian, 13.333333333, 1e-12);
    EXPECT_EQ(dlg.m_dRefLon, dlg.m_dCentralMeridian);
    EXPECT_EQ(text(&dlg, kRefX), "450000");
    EXPECT_EQ(text(&dlg, kRefY), "-5000000");
    type(&dlg, kStrip, "30");
    key(Qt::Key_Tab);
    ASSERT_EQ(messages.texts(), QStringList{"Streifennummer 28, 31 oder 34"});
    EXPECT_EQ(messages.messages[0].caption, kCaption);
    EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(focused(&dlg, kStrip));
    EXPECT_EQ(dlg.m_nStrip, 30);  // the refused value stays, its updates do not happen
    EXPECT_NEAR(dlg.m_dCentralMeridian, 13.333333333, 1e-12);
    type(&dlg, kStrip, "34");
    key(Qt::Key_Tab);
    EXPECT_EQ(text(&dlg, kRefX), "750000");
}

TEST_F(ProjectionDlgTest, SwissGridInNaturalCoordinates) {
    open();
    choose(&dlg, kProjection, QStringLiteral("Schweizer Landesgitter"));
    EXPECT_EQ(text(&dlg, kRefLat), "46.95240556");
    EXPECT_EQ(text(&dlg, kRefLon), "7.43958333");
    EXPECT_EQ(text(&dlg, kRefX), "600000");
    EXPECT_EQ(text(&dlg, kRefY), "200000");
    EXPECT_EQ(text(&dlg, kCentralMeridian), "7.43958333");
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    double x = 0.0, y = 0.0;
    geodesy::projectForward(dlg.m_params, 46.95240556, 7.43958333, x, y);
    EXPECT_NEAR(x, 600000.0, 1e-6);
    EXPECT_NEAR(y, 200000.0, 1e-6);
}

TEST_F(ProjectionDlgTest, GeneralStripTakesItsTypedMeridian) {
    open();
    choose(&dlg, kProjection, QStringLiteral("Gauß-Krüger (Allgemein)"));
    type(&dlg, kCentralMeridian, "13.5");
    key(Qt::Key_Tab);
    EXPECT_EQ(dlg.m_dRefLon, 13.5);
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_params.mainPointLon, 13.5);
    EXPECT_EQ(dlg.m_params.refPointLon, 13.5);
    EXPECT_EQ(dlg.m_params.sphereRadius, 1.0);
}

TEST_F(ProjectionDlgTest, MainPointLongitudeCarriesTheMeridian) {
    open();
    type(&dlg, kMainLon, "25");
    key(Qt::Key_Tab);
    EXPECT_EQ(text(&dlg, kCentralMeridian), "25");
    EXPECT_EQ(text(&dlg, kRefLon), "25");
    type(&dlg, kMainLon, "200");
    key(Qt::Key_Tab);
    EXPECT_EQ(messages.texts(),
              QStringList{"Wert für Geographische Länge zwischen -180.0° und 180.0°"});
    EXPECT_EQ(dlg.m_dCentralMeridian, 25.0);
    EXPECT_TRUE(focused(&dlg, kMainLon));
}

struct CheckCase {
    int id;
    const char* value;
    const char* message;  // empty: accepted
};

const CheckCase kCheckCases[] = {
    {kRadius, "0", "Wert über 0"},
    {kMainLat, "90.5", "Wert für Geographische Breite zwischen -90.0° und 90.0°"},
    {kMainLat, "-90", ""},
    {kMainLon, "-180.01", "Wert für Geographische Länge zwischen -180.0° und 180.0°"},
    {kDelta1, "-1", "Wert für Delta zwischen 0° und +180°"},
    {kDelta1, "180", ""},
    {kDelta2, "0", ""},
    {kDelta2, "180.5", "Wert für Delta zwischen 0° und +180°"},
    {kScale, "0", "Wert über 0"},
    {kScale, "-5", "Wert über 0"},
    {kRefLat, "-91", "Wert für Geographische Breite zwischen -90.0° und 90.0°"},
    {kRefLon, "181", "Wert für Geographische Länge zwischen -180.0° und 180.0°"},
    {kRefX, "-123456", ""},
    {kRotation, "-360", ""},
    {kRotation, "360", ""},
    {kRotation, "360.5", "Wert für Winkel zwischen -360° und +360°"},
};

TEST_F(ProjectionDlgTest, FieldsAreCheckedWhenTheyLoseTheFocus) {
    open();
    choose(&dlg, kProjection, QStringLiteral("Kegelabbildung (winkeltreu)"));
    click(&dlg, kNatural);  // off: the calibration fields are edited
    for (const CheckCase& c : kCheckCases) {
        SCOPED_TRACE(std::to_string(c.id) + " " + c.value);
        messages.clear();
        type(&dlg, c.id, c.value);
        key(Qt::Key_Tab);
        if (*c.message == 0) {
            EXPECT_TRUE(messages.messages.empty());
            continue;
        }
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(messages.messages[0].caption, kCaption);
        EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
        EXPECT_TRUE(focused(&dlg, c.id));
        EXPECT_EQ(text(&dlg, c.id), c.value);  // the typed value stays
        type(&dlg, c.id, "1");                 // a value every field accepts
        key(Qt::Key_Tab);
    }
}

TEST_F(ProjectionDlgTest, UnitListKeepsTheBlankAndShowsTheResolutionForPixel) {
    open();
    click(&dlg, kNatural);
    EXPECT_FALSE(dlg.m_bNatural);
    EXPECT_TRUE(enabled(&dlg, kScale));
    choose(&dlg, kUnits, QStringLiteral("pixel"));
    EXPECT_EQ(dlg.m_strUnits, "pixel");
    EXPECT_EQ(text(&dlg, kUnitX), "pixel");
    EXPECT_EQ(dlg.m_strUnitY, "pixel");
    for (int id : {kResolutionLabel, kResolution, kResolutionUnit}) EXPECT_TRUE(shown(&dlg, id));
    choose(&dlg, kUnits, QStringLiteral("m "));
    EXPECT_EQ(dlg.m_strUnits, "m ");
    EXPECT_EQ(dlg.m_strUnitX, "m ");
    EXPECT_FALSE(shown(&dlg, kResolution));
    choose(&dlg, kUnits, QStringLiteral("pixel"));
    type(&dlg, kResolution, "0");
    key(Qt::Key_Tab);
    EXPECT_EQ(messages.texts(), QStringList{"Wert über 0"});
    type(&dlg, kResolution, "32");
    type(&dlg, kScale, "25000");
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_params.unitMillimetres, 0.03125);
    EXPECT_EQ(dlg.m_params.scaleDenominator, 25000.0);

    // Natural coordinates back on: metres again, the resolution row goes.
    open();
    click(&dlg, kNatural);
    EXPECT_EQ(dlg.m_strUnits, "m ");
    EXPECT_EQ(text(&dlg, kScale), "1");
    EXPECT_FALSE(shown(&dlg, kResolution));
    EXPECT_FALSE(enabled(&dlg, kUnits));
    EXPECT_EQ(dlg.m_dResolution, 32.0);
}

TEST_F(ProjectionDlgTest, OkBuildsTheRecordFromTheFields) {
    open();
    choose(&dlg, kProjection, QStringLiteral("Kegelabbildung (flächentreu)"));
    click(&dlg, kNatural);
    type(&dlg, kRadius, "6378000");
    type(&dlg, kMainLat, "50");
    type(&dlg, kMainLon, "10");
    type(&dlg, kDelta1, "40");
    type(&dlg, kDelta2, "60");
    choose(&dlg, kUnits, QStringLiteral("cm"));
    type(&dlg, kScale, "500000");
    type(&dlg, kRefLat, "50");
    type(&dlg, kRefLon, "10");
    type(&dlg, kRefX, "30");
    type(&dlg, kRefY, "-40");
    type(&dlg, kRotation, "-12.5");
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    const geodesy::ProjectionParams& p = dlg.m_params;
    EXPECT_EQ(p.projectionName, "Kegelabbildung (flächentreu)");
    EXPECT_EQ(p.sphereRadius, 6378000.0);
    EXPECT_EQ(p.mainPointLat, 50.0);
    EXPECT_EQ(p.mainPointLon, 10.0);
    EXPECT_EQ(p.delta1, 40.0);
    EXPECT_EQ(p.delta2, 60.0);
    EXPECT_EQ(p.stripNumber, 2);
    EXPECT_EQ(p.unitMillimetres, 10.0);
    EXPECT_EQ(p.scaleDenominator, 500000.0);
    EXPECT_EQ(p.refPointLat, 50.0);
    EXPECT_EQ(p.refPointLon, 10.0);
    EXPECT_EQ(p.refPointX, 30.0);
    EXPECT_EQ(p.refPointY, -40.0);
    EXPECT_EQ(p.rotationAngle, -12.5);
    double x = 0.0, y = 0.0;
    geodesy::projectForward(p, 50.0, 10.0, x, y);
    EXPECT_NEAR(x, 30.0, 1e-9);
    EXPECT_NEAR(y, -40.0, 1e-9);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ProjectionDlgTest, EnterInAFieldEqualsTabThenOk) {
    TestProjectionDlg other;
    for (TestProjectionDlg* d : {&dlg, &other}) {
        driver::open(d);
        choose(d, kProjection, QStringLiteral("UTM"));
        type(d, kStrip, "33");
        if (d == &dlg) {
            key(Qt::Key_Return);
        } else {
            key(Qt::Key_Tab);
            click(d, kOk);
        }
        ASSERT_FALSE(d->isVisible());
        EXPECT_EQ(d->result(), QDialog::Accepted);
    }
    EXPECT_EQ(dlg.m_nStrip, 33);
    EXPECT_EQ(dlg.m_dCentralMeridian, 15.0);
    EXPECT_EQ(dlg.m_params.stripNumber, 33);
    EXPECT_EQ(dlg.m_params.refPointLon, 15.0);
    EXPECT_EQ(dlg.m_params, other.m_params);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ProjectionDlgTest, EnterAfterARefusedValueKeepsTheDialogOpen) {
    open();
    click(&dlg, kOk);
    const geodesy::ProjectionParams accepted = dlg.m_params;
    open();
    choose(&dlg, kProjection, QStringLiteral("UTM"));
    type(&dlg, kStrip, "61");
    key(Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList{"Streifennummer zwischen 1 und 60"});
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(focused(&dlg, kStrip));
    key(Qt::Key_Return);  // the same value again
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.m_params, accepted);

    // Leaving the field with the mouse is refused as well: the list stays.
    choose(&dlg, kProjection, QStringLiteral("Gauß-Krüger (Österreich Meldenetz)"));
    EXPECT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(dlg.m_strProjectionName, "UTM");

    messages.clear();
    type(&dlg, kStrip, "5");
    choose(&dlg, kProjection, QStringLiteral("Gauß-Krüger (Österreich Meldenetz)"));
    type(&dlg, kStrip, "30");
    key(Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList{"Streifennummer 28, 31 oder 34"});
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.m_params, accepted);

    click(&dlg, kCancel);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(dlg.m_params, accepted);
    EXPECT_EQ(dlg.m_strProjectionName, "Bonn'sche Abbildung");
}

TEST_F(ProjectionDlgTest, UnparseableTextThenEnterThenCancel) {
    open();
    type(&dlg, kRadius, "abc");
    key(Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList{"Bitte geben Sie eine Zahl ein."});
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(focused(&dlg, kRadius));
    click(&dlg, kCancel);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(messages.messages.size(), 1u);  // Cancel runs no check
    EXPECT_EQ(dlg.m_dRadius, 6371000.0);
}

TEST_F(ProjectionDlgTest, RefusedValueNeverBlocksCancel) {
    open();
    type(&dlg, kMainLat, "100");
    click(&dlg, kCancel);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(dlg.m_dMainLat, 90.0);
}

TEST_F(ProjectionDlgTest, EscapeDropsATypedValue) {
    open();
    type(&dlg, kMainLat, "45");
    key(Qt::Key_Escape);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(dlg.m_dMainLat, 90.0);
    open();
    EXPECT_EQ(text(&dlg, kMainLat), "90");
}

TEST_F(ProjectionDlgTest, InvalidStripAfterATypeChangeIsRefusedAtOk) {
    open();
    click(&dlg, kOk);
    const geodesy::ProjectionParams accepted = dlg.m_params;
    open();
    choose(&dlg, kProjection, QStringLiteral("Gauß-Krüger (Österreich Meldenetz)"));
    click(&dlg, kOk);
    EXPECT_EQ(messages.texts(), QStringList{"Streifennummer 28, 31 oder 34"});
    EXPECT_EQ(messages.messages[0].caption, kCaption);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(focused(&dlg, kStrip));
    EXPECT_EQ(dlg.m_params, accepted);
    type(&dlg, kStrip, "28");
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_params.refPointX, 150000.0);
    EXPECT_NEAR(dlg.m_params.refPointLon, 10.333333333, 1e-12);
}

TEST_F(ProjectionDlgTest, DegenerateParallelsAreRefusedAtOkAndNearValuesAccepted) {
    open();
    choose(&dlg, kProjection, QStringLiteral("Zylinderabbildung (winkeltreu)"));
    type(&dlg, kDelta1, "0");
    key(Qt::Key_Tab);
    EXPECT_TRUE(messages.messages.empty());  // a valid delta on its own
    click(&dlg, kOk);
    EXPECT_EQ(messages.texts(),
              QStringList{"Mit diesen Parallelkreisen ist keine Abbildung möglich"});
    EXPECT_TRUE(focused(&dlg, kDelta1));
    EXPECT_TRUE(dlg.isVisible());
    type(&dlg, kDelta1, "0.001");
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_params.delta1, 0.001);

    open();
    messages.clear();
    choose(&dlg, kProjection, QStringLiteral("Kegelabbildung (mittabstandstreu)"));
    type(&dlg, kDelta1, "70");
    type(&dlg, kDelta2, "110");
    key(Qt::Key_Return);
    EXPECT_EQ(messages.texts(),
              QStringList{"Mit diesen Parallelkreisen ist keine Abbildung möglich"});
    EXPECT_TRUE(focused(&dlg, kDelta1));
    type(&dlg, kDelta2, "109.9");
    key(Qt::Key_Return);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_TRUE(std::isfinite(dlg.m_params.offsetX) && std::isfinite(dlg.m_params.offsetY));
}

TEST_F(ProjectionDlgTest, DatumButtonTakesTheAcceptedDatum) {
    open();
    dlg.datumRun = [this](CDatumDlg& datum) {
        driver::open(&datum);
        choose(&datum, 1015, QStringLiteral("DHDN (Potsdam / Rauenberg)"));
        click(&datum, 1);
        return datum.result();
    };
    click(&dlg, kDatumButton);
    EXPECT_EQ(dlg.datumRuns, 1);
    EXPECT_EQ(dlg.m_strDatum, "DHDN (Potsdam / Rauenberg), Bessel (1841)");
    EXPECT_EQ(text(&dlg, kDatum), "DHDN (Potsdam / Rauenberg), Bessel (1841)");

    dlg.datumRun = [](CDatumDlg&) { return int(QDialog::Rejected); };
    click(&dlg, kDatumButton);
    EXPECT_EQ(dlg.m_strDatum, "DHDN (Potsdam / Rauenberg), Bessel (1841)");

    driver::open(&dlg);
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_params.datum, geodesy::lookupDatum("DHDN (Potsdam / Rauenberg)"));
}

TEST_F(ProjectionDlgTest, CancelRestoresTypeFieldsLabelsAndDatum) {
    open();
    click(&dlg, kOk);  // a first definition, with body and label filled
    const geodesy::ProjectionParams accepted = dlg.m_params;
    open();
    dlg.datumRun = [](CDatumDlg& datum) {
        datum.m_datum = geodesy::lookupDatum("MGI (Hermannskogel)");
        return int(QDialog::Accepted);
    };
    type(&dlg, kRadius, "7000000");
    type(&dlg, kDelta1, "45");
    click(&dlg, kNatural);
    choose(&dlg, kUnits, QStringLiteral("km"));
    click(&dlg, kDatumButton);
    choose(&dlg, kProjection, QStringLiteral("Kegelabbildung (winkeltreu)"));
    choose(&dlg, kProjection, QStringLiteral("UTM"));
    EXPECT_EQ(dlg.m_strDeltaLabel, kConicLabel.toStdString());
    EXPECT_EQ(dlg.m_strDatum, "MGI (Hermannskogel), Bessel (1841)");
    click(&dlg, kCancel);
    ASSERT_TRUE(closedWith(QDialog::Rejected));

    EXPECT_EQ(dlg.m_strProjectionName, "Bonn'sche Abbildung");
    EXPECT_EQ(dlg.m_strBody, "Kugel");
    EXPECT_EQ(dlg.m_dRadius, 6371000.0);
    EXPECT_EQ(dlg.m_dDelta1, 30.0);
    EXPECT_EQ(dlg.m_strDeltaLabel, kBonneLabel.toStdString());
    EXPECT_TRUE(dlg.m_bNatural);
    EXPECT_EQ(dlg.m_strUnits, "m ");
    EXPECT_EQ(dlg.m_strUnitX, "m ");
    EXPECT_EQ(dlg.m_strDatum, "ED50, International (1924) = Hayford (1909)");
    EXPECT_EQ(dlg.m_dlgDatum.m_datum, geodesy::lookupDatum("ED50"));
    EXPECT_EQ(dlg.m_params, accepted);

    open();
    EXPECT_EQ(text(&dlg, kProjection), "Bonn'sche Abbildung");
    EXPECT_TRUE(shown(&dlg, kDelta1));
    EXPECT_FALSE(shown(&dlg, kStrip));
    EXPECT_EQ(text(&dlg, kDeltaLabel), kBonneLabel);
    EXPECT_EQ(text(&dlg, kDatum), "ED50, International (1924) = Hayford (1909)");
}

TEST_F(ProjectionDlgTest, ListsTakeTheWheelOnlyWithTheFocus) {
    open();
    auto* combo = find<QComboBox>(&dlg, kProjection);
    find<QLineEdit>(&dlg, kRadius)->setFocus(Qt::TabFocusReason);
    const QPoint centre = combo->rect().center();
    QWheelEvent wheel(centre, combo->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    EXPECT_EQ(text(&dlg, kProjection), "Bonn'sche Abbildung");
    EXPECT_EQ(dlg.m_strProjectionName, "Bonn'sche Abbildung");
}

}  // namespace
