// Both dialogs driven from the keyboard: shortcut keys with Alt, Enter and
// Space on buttons, Escape, the close box, arrow keys and the wheel in lists.
#include <gtest/gtest.h>

#include <QWheelEvent>
#include <functional>

#include "definition/datum_dlg.h"
#include "definition/projection_dlg.h"
#include "geodesy/catalogues.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_projection_dlg.h"

namespace {

using namespace driver;
using namespace projection_ids;

void altKey(char letter) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key(Qt::Key_A + (letter - 'a')), Qt::AltModifier);
}

class ProjectionKeysTest : public ::testing::Test {
protected:
    void open() { driver::open(&dlg); }
    bool closedWith(int result) const { return !dlg.isVisible() && dlg.result() == result; }

    platform::RecordingMessageService messages;
    TestProjectionDlg dlg;
};

TEST_F(ProjectionKeysTest, AltNTogglesNaturalCoordinates) {
    open();
    type(&dlg, kMainLat, "45");
    altKey('n');  // the box clicks itself a moment after taking the focus
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dlg.m_bNatural; }, 1000));
    EXPECT_EQ(dlg.m_dMainLat, 45.0);  // the field left was taken over
    EXPECT_TRUE(enabled(&dlg, kScale));
    type(&dlg, kScale, "50000");
    altKey('n');
    ASSERT_TRUE(QTest::qWaitFor([this] { return dlg.m_bNatural; }, 1000));
    EXPECT_EQ(text(&dlg, kScale), "1");
    EXPECT_FALSE(enabled(&dlg, kScale));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ProjectionKeysTest, AltNIsRefusedWhileTheFieldLeftIsInvalid) {
    open();
    type(&dlg, kMainLat, "95");
    altKey('n');
    QTest::qWait(300);
    EXPECT_EQ(messages.texts(),
              QStringList{"Wert für Geographische Breite zwischen -90.0° und 90.0°"});
    EXPECT_TRUE(dlg.m_bNatural);
    EXPECT_TRUE(find<QCheckBox>(&dlg, kNatural)->isChecked());
    EXPECT_TRUE(focused(&dlg, kMainLat));
}

TEST_F(ProjectionKeysTest, AltLetterMovesTheFocusThroughTheCheck) {
    open();
    altKey('h');
    EXPECT_TRUE(focused(&dlg, kMainLat));
    QTest::keyClicks(QApplication::focusWidget(), "-91");
    altKey('p');
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(focused(&dlg, kMainLat));
    type(&dlg, kMainLat, "-30");
    altKey('p');
    EXPECT_TRUE(focused(&dlg, kProjection));
    // Arrow keys in the focused list choose a type at once.
    key(Qt::Key_Down);
    EXPECT_EQ(dlg.m_strProjectionName, "Schweizer Landesgitter");
    EXPECT_EQ(text(&dlg, kBody), "Ellipsoid");
    EXPECT_FALSE(shown(&dlg, kMainLat));
    EXPECT_EQ(dlg.m_dMainLat, -30.0);
}

// Alt+D opens the datum dialog through its label; inside the datum dialog the
// same letter belongs to that dialog's own "&Datum" list.
TEST_F(ProjectionKeysTest, AltDOpensTheDatumDialogOnlyAfterTheCheck) {
    open();
    choose(&dlg, kProjection, QStringLiteral("Schweizer Landesgitter"));  // a type with a datum
    dlg.datumRun = [](CDatumDlg& datum) {
        driver::open(&datum);
        find(&datum, datum_ids::kScaleCorrection)->setFocus(Qt::TabFocusReason);
        altKey('d');
        EXPECT_TRUE(focused(&datum, datum_ids::kDatum));
        key(Qt::Key_End);
        key(Qt::Key_Return);
        return datum.result();
    };
    altKey('d');
    ASSERT_TRUE(QTest::qWaitFor([this] { return dlg.datumRuns == 1; }, 1000));
    EXPECT_EQ(dlg.m_strDatum, "System 42/83 (Pulkov), Krassovsky (1940)");
    open();  // back in the projection dialog (the test ran the datum dialog without exec)

    click(&dlg, kNatural);
    type(&dlg, kScale, "0");
    altKey('d');
    QTest::qWait(300);
    EXPECT_EQ(dlg.datumRuns, 1);
    EXPECT_EQ(messages.texts(), QStringList{"Wert über 0"});
    EXPECT_TRUE(focused(&dlg, kScale));
}

TEST_F(ProjectionKeysTest, SpaceOnTheCheckBoxAndTabThroughTheFields) {
    open();
    find(&dlg, kNatural)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    EXPECT_FALSE(dlg.m_bNatural);
    EXPECT_TRUE(enabled(&dlg, kUnits));
    // Bonne, natural coordinates off: Tab visits the shown and enabled fields in order.
    find(&dlg, kProjection)->setFocus(Qt::TabFocusReason);
    QList<int> visited;
    for (int i = 0; i < 20; ++i) {
        key(Qt::Key_Tab);
        const QVariant id = QApplication::focusWidget()->property("controlId");
        visited << id.toInt();
        if (id.toInt() == kCancel) break;
    }
    EXPECT_EQ(visited,
              (QList<int>{kBody, kRadius, kMainLat, kMainLon, kDelta1, kNatural, kUnits, kScale,
                          kRefLat, kRefLon, kRefX, kRefY, kRotation, kOk, kCancel}));
    EXPECT_TRUE(messages.messages.empty());
}

// Escape, the close box and "Abbrechen" all restore the opening's values.
TEST_F(ProjectionKeysTest, EveryWayOfCancellingRestores) {
    const std::function<void()> ways[] = {
        [] { key(Qt::Key_Escape); },
        [this] { dlg.close(); },
        [this] { click(&dlg, kCancel); },
    };
    for (const auto& cancel : ways) {
        open();
        dlg.datumRun = [](CDatumDlg& datum) {
            datum.m_datum = geodesy::lookupDatum("CH1903 (Obs. Bern)");
            return int(QDialog::Accepted);
        };
        click(&dlg, kDatumButton);
        choose(&dlg, kProjection, QStringLiteral("UTM"));
        type(&dlg, kStrip, "33");
        cancel();
        ASSERT_TRUE(closedWith(QDialog::Rejected));
        EXPECT_EQ(dlg.m_strProjectionName, "Bonn'sche Abbildung");
        EXPECT_EQ(dlg.m_nStrip, 2);
        EXPECT_EQ(dlg.m_dlgDatum.m_datum, geodesy::lookupDatum("ED50"));
        EXPECT_EQ(dlg.m_strDatum, "ED50, International (1924) = Hayford (1909)");
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ProjectionKeysTest, FocusedUnitListTakesTheWheel) {
    open();
    click(&dlg, kNatural);
    auto* units = find<QComboBox>(&dlg, kUnits);
    auto wheel = [units] {
        const QPoint centre = units->rect().center();
        QWheelEvent event(centre, units->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(units, &event);
    };
    wheel();
    EXPECT_EQ(dlg.m_strUnits, "m ");
    units->setFocus(Qt::TabFocusReason);
    wheel();
    EXPECT_EQ(dlg.m_strUnits, "km");
    EXPECT_EQ(text(&dlg, kUnitX), "km");
    wheel();
    EXPECT_EQ(dlg.m_strUnits, "pixel");
    EXPECT_TRUE(shown(&dlg, kResolution));
}

class DatumKeysTest : public ::testing::Test {
protected:
    void open() { driver::open(&dlg); }
    bool closedWith(int result) const { return !dlg.isVisible() && dlg.result() == result; }

    platform::RecordingMessageService messages;
    CDatumDlg dlg;
};

TEST_F(DatumKeysTest, ShortcutsArrowKeysAndEnterOnAbbrechen) {
    open();
    EXPECT_TRUE(focused(&dlg, datum_ids::kDatum));
    key(Qt::Key_Home);  // "(individuell)": nothing looked up, the fields open
    EXPECT_EQ(dlg.m_datum.datumName, "(individuell)");
    EXPECT_EQ(dlg.m_datum.shiftX, -87.0);
    altKey('e');
    EXPECT_TRUE(focused(&dlg, datum_ids::kEllipsoid));
    key(Qt::Key_Home);
    EXPECT_EQ(dlg.m_datum.ellipsoidName, "(individuell)");
    altKey('h');
    EXPECT_TRUE(focused(&dlg, datum_ids::kSemiMajor));
    altKey('s');
    EXPECT_TRUE(focused(&dlg, datum_ids::kEpsilon));
    QTest::keyClicks(QApplication::focusWidget(), "0.5");
    altKey('m');
    EXPECT_TRUE(focused(&dlg, datum_ids::kScaleCorrection));
    EXPECT_EQ(dlg.m_datum.rotationEpsilon, 0.5);
    altKey('d');
    key(Qt::Key_End);  // a catalogue datum again
    EXPECT_EQ(dlg.m_datum, geodesy::lookupDatum("System 42/83 (Pulkov)"));
    key(Qt::Key_Tab);  // the ellipsoid list and the fields are disabled now
    EXPECT_TRUE(focused(&dlg, datum_ids::kOk));
    // Over the list without the focus the wheel changes nothing.
    auto* datums = find<QComboBox>(&dlg, datum_ids::kDatum);
    const QPoint centre = datums->rect().center();
    QWheelEvent wheel(centre, datums->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(datums, &wheel);
    EXPECT_EQ(text(&dlg, datum_ids::kDatum), "System 42/83 (Pulkov)");
    find(&dlg, datum_ids::kCancel)->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(focused(&dlg, datum_ids::kCancel));
    key(Qt::Key_Return);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(dlg.m_datum, geodesy::lookupDatum("ED50"));
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
