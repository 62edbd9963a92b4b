// The dialog "Strecken / Winkel" driven as a user drives it: typing, moving
// the focus, clicking, shortcut keys, closing and opening again.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <string>

#include "distance/distance_dlg.h"
#include "fileio/field_number.h"
#include "platform/controls.h"
#include "platform/data_exchange.h"
#include "tests/support/recording_messages.h"

namespace {

using namespace distance_ids;

const QString kGeographicNote = QStringLiteral(
    "(Winkel vom geographischen Nordpol,\npositiv = nach Osten, negativ = nach Westen)");

class DistanceDlgTest : public testing::Test {
protected:
    void SetUp() override { open(); }

    void open() {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QLineEdit* edit(int id) { return platform::findControlAs<QLineEdit>(&dialog, id); }
    QCheckBox* check(int id) { return platform::findControlAs<QCheckBox>(&dialog, id); }
    QString text(int id) { return edit(id)->text(); }

    // Gives the field the focus, replaces its text and leaves it with Tab.
    void enter(int id, const QString& value) {
        QLineEdit* field = edit(id);
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClicks(field, value);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    void enterPlaces(double lat1, double lon1, double lat2, double lon2) {
        enter(kPlace1Lat, QString::number(lat1));
        enter(kPlace1Lon, QString::number(lon1));
        enter(kPlace2Lat, QString::number(lat2));
        enter(kPlace2Lon, QString::number(lon2));
    }

    platform::RecordingMessageService messages;
    CDistanceDlg dialog;
};

TEST_F(DistanceDlgTest, ControlsCarryTheirIdsAndLabels) {
    for (int id : {kPlace1Lat, kPlace1Lon, kPlace2Lat, kPlace2Lon, kDeclination1, kDeclination2,
                   kEarthRadius}) {
        ASSERT_NE(edit(id), nullptr) << id;
        EXPECT_FALSE(edit(id)->isReadOnly()) << id;
    }
    for (int id : {kDistance, kBearing1, kBearing2, kRhumbCourse}) {
        ASSERT_NE(edit(id), nullptr) << id;
        EXPECT_TRUE(edit(id)->isReadOnly()) << id;
    }
    EXPECT_EQ(check(kWithDeclination)->text(), "&Abflugwinkel inklusiv Deklination");
    EXPECT_EQ(check(kFullCircle)->text(), "&Winkelbereich 0° - 360°");
    EXPECT_EQ(platform::findControlAs<QPushButton>(&dialog, kClose)->text(), "&Schliessen");
    ASSERT_NE(platform::findControlAs<QLabel>(&dialog, kAngleNote), nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Strecken / Winkel");

    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    for (const char* label :
         {"Standort &1", "Standort &2", "Breite", "Länge", "&Deklination am Standort 1",
          "De&klination am Standort 2", "&Erdradius (Kugel)", "Entfernung der Standorte",
          "Abflugwinkel am Standort 1", "Abflugwinkel am Standort 2", "Loxodrom", "km", "°"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(label))) << label;
    }
}

TEST_F(DistanceDlgTest, OpensWithPresetsAndTheirResults) {
    EXPECT_EQ(text(kPlace1Lat), "50.1");
    EXPECT_EQ(text(kPlace1Lon), "8.683333");
    EXPECT_EQ(text(kPlace2Lat), "52.4");
    EXPECT_EQ(text(kPlace2Lon), "13.416667");
    EXPECT_EQ(text(kDeclination1), "0");
    EXPECT_EQ(text(kDeclination2), "0");
    EXPECT_EQ(text(kEarthRadius), "6371");
    EXPECT_FALSE(check(kWithDeclination)->isChecked());
    EXPECT_FALSE(check(kFullCircle)->isChecked());
    // Frankfurt to Berlin, by hand on the plane: 2.3° north and 4.7333° east
    // at a mean latitude of 51.25° (4.7333 · cos 51.25° = 2.963°) make
    // √(2.3² + 2.963²) = 3.751° = 417.1 km; north-east out, south-west back.
    EXPECT_NEAR(dialog.m_dDistance, 417.1, 0.5);
    EXPECT_GT(dialog.m_dBearing1, 45.0);
    EXPECT_LT(dialog.m_dBearing1, 60.0);
    EXPECT_LT(dialog.m_dBearing2, -120.0);
    EXPECT_EQ(text(kDistance).toStdString(), fileio::formatNumberField(dialog.m_dDistance));
    EXPECT_EQ(platform::findControlAs<QLabel>(&dialog, kAngleNote)->text(), kGeographicNote);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DistanceDlgTest, QuarterOfTheEquatorAsTyped) {
    enterPlaces(0, 0, 0, 90);
    EXPECT_EQ(text(kDistance), "10007.543398");
    EXPECT_EQ(text(kBearing1), "90");
    EXPECT_EQ(text(kBearing2), "-90");
    EXPECT_EQ(text(kRhumbCourse), "90");

    QTest::mouseClick(check(kFullCircle), Qt::LeftButton);
    EXPECT_TRUE(dialog.m_bFullCircle);
    EXPECT_EQ(text(kBearing1), "90");
    EXPECT_EQ(text(kBearing2), "270");
    EXPECT_EQ(platform::findControlAs<QLabel>(&dialog, kAngleNote)->text(),
              "(Winkel vom geographischen Nordpol,\nim Uhrzeigersinn)");
}

TEST_F(DistanceDlgTest, DeclinationsWrapAndCountOnlyWhenTicked) {
    enterPlaces(0, 0, 0, 90);
    enter(kDeclination1, "200");
    EXPECT_EQ(text(kDeclination1), "-160");
    enter(kDeclination2, "-190");
    EXPECT_EQ(text(kDeclination2), "170");
    EXPECT_EQ(text(kBearing1), "90");  // geographic north still

    // The check box's shortcut key ticks it and recomputes.
    QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_bWithDeclination; }));
    EXPECT_EQ(text(kBearing1), "-110");  // 90 - (-160) = 250, wrapped
    EXPECT_EQ(text(kBearing2), "100");   // -90 - 170 = -260, wrapped
    EXPECT_EQ(text(kRhumbCourse), "-110");
    EXPECT_EQ(platform::findControlAs<QLabel>(&dialog, kAngleNote)->text(),
              "(Winkel vom magnetischen Nordpol,\npositiv = nach Osten, negativ = nach Westen)");

    enter(kDeclination1, "180");
    EXPECT_EQ(text(kDeclination1), "180");
    enter(kDeclination1, "-180");
    EXPECT_EQ(text(kDeclination1), "180");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DistanceDlgTest, RefusedValuesShowTheirMessageAndKeepTheFocus) {
    const struct {
        int id;
        const char* value;
        double CDistanceDlg::*member;
        const char* message;
    } cases[] = {
        {kPlace1Lat, "90.5", &CDistanceDlg::m_dPlace1Lat,
         "Wert für Geographische Breite zwischen -90.0° und 90.0°"},
        {kPlace2Lat, "-91", &CDistanceDlg::m_dPlace2Lat,
         "Wert für Geographische Breite zwischen -90.0° und 90.0°"},
        {kPlace1Lon, "181", &CDistanceDlg::m_dPlace1Lon,
         "Wert für Geographische Länge zwischen -180.0° und 180.0°"},
        {kPlace2Lon, "-180.01", &CDistanceDlg::m_dPlace2Lon,
         "Wert für Geographische Länge zwischen -180.0° und 180.0°"},
        {kDeclination1, "400", &CDistanceDlg::m_dDeclination1, "Winkel zwischen -360° und +360°"},
        {kDeclination2, "-360.5", &CDistanceDlg::m_dDeclination2,
         "Winkel zwischen -360° und +360°"},
        {kEarthRadius, "0", &CDistanceDlg::m_dEarthRadius, "Wert über 0"},
        {kEarthRadius, "-6371", &CDistanceDlg::m_dEarthRadius, "Wert über 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const double distance = dialog.m_dDistance;
        const double bearing1 = dialog.m_dBearing1;
        const QString previous = text(c.id);
        messages.clear();

        enter(c.id, c.value);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
        EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(messages.messages[0].buttons, platform::Buttons::Ok);
        EXPECT_EQ(QApplication::focusWidget(), edit(c.id));
        EXPECT_EQ(text(c.id), c.value);
        EXPECT_EQ(dialog.*c.member, std::stod(c.value));
        EXPECT_EQ(dialog.m_dDistance, distance);
        EXPECT_EQ(dialog.m_dBearing1, bearing1);

        enter(c.id, previous);  // corrected: passes and recomputes
        EXPECT_EQ(messages.messages.size(), 1u);
    }
}

TEST_F(DistanceDlgTest, TextThatIsNoNumberKeepsTheMember) {
    enter(kEarthRadius, "abc");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Bitte geben Sie eine Zahl ein.");
    EXPECT_EQ(QApplication::focusWidget(), edit(kEarthRadius));
    EXPECT_EQ(dialog.m_dEarthRadius, 6371.0);

    // "&Schliessen" by Enter takes the values over first: it stays open.
    QTest::keyClick(edit(kEarthRadius), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "Bitte geben Sie eine Zahl ein.");
}

// A refused value stays in its field and member; it must not reach the
// results by any of the three ways around the field's own check.
TEST_F(DistanceDlgTest, RefusedRadiusDoesNotReachTheResultsThroughAShortcutKey) {
    const double distance = dialog.m_dDistance;
    const double bearing2 = dialog.m_dBearing2;
    enter(kEarthRadius, "-5");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(dialog.m_dEarthRadius, -5.0);

    // Alt+W from the refused field: its check runs again first.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
    QTest::qWait(200);  // a shortcut clicks after a short animation
    EXPECT_EQ(dialog.m_dDistance, distance);
    EXPECT_EQ(dialog.m_dBearing2, bearing2);

    // Closed with Escape and opened again, the value is still in the member.
    // With the focus in a valid field (moved there without a check, as a
    // change of window moves it) the shortcut clicks: the calculation itself
    // must refuse the radius.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    open();
    EXPECT_EQ(text(kEarthRadius), "-5");
    dialog.focusControl(edit(kPlace1Lat));
    QTest::keyClick(edit(kPlace1Lat), Qt::Key_W, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_bFullCircle; }));
    EXPECT_EQ(dialog.m_dEarthRadius, -5.0);
    EXPECT_EQ(dialog.m_dDistance, distance);
    EXPECT_EQ(dialog.m_dBearing2, bearing2);  // still negative: no recomputation
    EXPECT_LT(dialog.m_dBearing2, 0.0);
    for (const auto& message : messages.messages) EXPECT_EQ(message.text, "Wert über 0");
}

TEST_F(DistanceDlgTest, RefusedRadiusDoesNotReachTheResultsThroughEnter) {
    const double distance = dialog.m_dDistance;
    QLineEdit* radius = edit(kEarthRadius);
    radius->setFocus(Qt::TabFocusReason);
    radius->selectAll();
    QTest::keyClicks(radius, "-5");
    QTest::keyClick(radius, Qt::Key_Return);  // "&Schliessen" is the default button
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_dEarthRadius, -5.0);
    EXPECT_EQ(dialog.m_dDistance, distance);

    open();  // the opening computation must not use it either
    EXPECT_EQ(text(kEarthRadius), "-5");
    EXPECT_EQ(dialog.m_dDistance, distance);
    EXPECT_GT(dialog.m_dDistance, 0.0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DistanceDlgTest, RefusedDeclinationDoesNotReachTheResultsThroughEscapeAndReopening) {
    QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_bWithDeclination; }));
    const double bearing1 = dialog.m_dBearing1;
    enter(kDeclination1, "1000");
    ASSERT_EQ(messages.messages.size(), 1u);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    open();
    EXPECT_EQ(text(kDeclination1), "1000");
    EXPECT_EQ(dialog.m_dDeclination1, 1000.0);
    EXPECT_EQ(dialog.m_dBearing1, bearing1);
    EXPECT_GE(dialog.m_dBearing1, -180.0);
    EXPECT_LE(dialog.m_dBearing1, 180.0);
}

TEST_F(DistanceDlgTest, EscapeKeepsTypedButUntakenValuesOutOfTheMembers) {
    QLineEdit* lat = edit(kPlace1Lat);
    lat->setFocus(Qt::TabFocusReason);
    lat->selectAll();
    QTest::keyClicks(lat, "12");
    QTest::keyClick(lat, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_dPlace1Lat, 50.1);
    open();
    EXPECT_EQ(text(kPlace1Lat), "50.1");
}

TEST_F(DistanceDlgTest, CloseTakesOverAndReopeningKeepsEverything) {
    enterPlaces(0, 0, 0, 90);
    QTest::mouseClick(check(kFullCircle), Qt::LeftButton);
    enter(kEarthRadius, "1");
    QTest::mouseClick(platform::findControlAs<QPushButton>(&dialog, kClose), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());

    open();
    EXPECT_EQ(text(kPlace2Lon), "90");
    EXPECT_EQ(text(kEarthRadius), "1");
    EXPECT_TRUE(check(kFullCircle)->isChecked());
    EXPECT_EQ(text(kDistance), "1.570796");
    EXPECT_EQ(text(kBearing2), "270");
}

TEST_F(DistanceDlgTest, SmallResultsShowInGeneralNotation) {
    // 1° of arc on a sphere of 0.00544 km: 0.0000949... km, rounded 0.000095.
    enterPlaces(0, 0, 0, 1);
    enter(kEarthRadius, "0.00544");
    EXPECT_EQ(text(kDistance), "9.5e-05");

    // Same place twice: exactly 0, and the bearings of the first test.
    enterPlaces(51, 10, 51, 10);
    EXPECT_EQ(text(kDistance), "0");
    EXPECT_EQ(text(kBearing1), "0");
    EXPECT_EQ(text(kBearing2), "0");
    enterPlaces(45.47, 5, 45.47, 5);
    EXPECT_EQ(text(kDistance), "0");
    EXPECT_EQ(text(kRhumbCourse), "0");
}

TEST_F(DistanceDlgTest, PolesWestOfPlace1ShowDueNorthAndSouthWithoutASign) {
    // Place 2 at a pole west of place 1's meridian: bearing and rhumb line
    // agree on due south (180) and due north (0), never -180 or -0.
    enterPlaces(50, 8, -90, 0);
    EXPECT_EQ(text(kBearing1), "180");
    EXPECT_EQ(text(kRhumbCourse), "180");
    enterPlaces(50, 8, 90, 0);
    EXPECT_EQ(text(kBearing1), "0");
    EXPECT_EQ(text(kRhumbCourse), "0");
}

TEST_F(DistanceDlgTest, OpeningWorkRunsOncePerOpening) {
    dialog.m_dDistance = -1.0;  // not a result any computation gives
    dialog.show();              // already open: no second opening
    QApplication::processEvents();
    EXPECT_EQ(dialog.m_dDistance, -1.0);
    dialog.hide();
    open();
    EXPECT_GT(dialog.m_dDistance, 0.0);
}

}  // namespace
