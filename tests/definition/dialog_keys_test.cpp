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
    type(&dlg, 1044, "45");
    altKey('n');  // the box clicks itself a moment after taking the focus
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dlg.m_bNatural; }, 1000));
    EXPECT_EQ(dlg.m_dMainLat, 45.0);  // the field left was taken over
    EXPECT_TRUE(enabled(&dlg, 1062));
    type(&dlg, 1062, "50000");
    altKey('n');
    ASSERT_TRUE(QTest::qWaitFor([this] { return dlg.m_bNatural; }, 1000));
    EXPECT_EQ(text(&dlg, 1062), "1");
    EXPECT_FALSE(enabled(&dlg, 1062));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ProjectionKeysTest, AltNIsRefusedWhileTheFieldLeftIsInvalid) {
    open();
    type(&dlg, 1044, "95");
    altKey('n');
    QTest::qWait(300);
    EXPECT_EQ(messages.texts(),
              QStringList{"Wert für Geographische Breite zwischen -90.0° und 90.0°"});
    EXPECT_TRUE(dlg.m_bNatural);
    EXPECT_TRUE(find<QCheckBox>(&dlg, 1054)->isChecked());
    EXPECT_TRUE(focused(&dlg, 1044));
}

TEST_F(ProjectionKeysTest, AltLetterMovesTheFocusThroughTheCheck) {
    open();
    altKey('h');
    EXPECT_TRUE(focused(&dlg, 1044));
    QTest::keyClicks(QApplication::focusWidget(), "-91");
    altKey('p');
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(focused(&dlg, 1044));
    type(&dlg, 1044, "-30");
    altKey('p');
    EXPECT_TRUE(focused(&dlg, 1005));
    // Arrow keys in the focused list choose a type at once.
    key(Qt::Key_Down);
    EXPECT_EQ(dlg.m_strProjectionName, "Schweizer Landesgitter");
    EXPECT_EQ(text(&dlg, 1088), "Ellipsoid");
    EXPECT_FALSE(shown(&dlg, 1044));
    EXPECT_EQ(dlg.m_dMainLat, -30.0);
}

// Alt+D opens the datum dialog through its label; inside the datum dialog the
// same letter belongs to that dialog's own "&Datum" list.
TEST_F(ProjectionKeysTest, AltDOpensTheDatumDialogOnlyAfterTheCheck) {
    open();
    choose(&dlg, 1005, QStringLiteral("Schweizer Landesgitter"));  // a type with a datum
    dlg.datumRun = [](CDatumDlg& datum) {
        driver::open(&datum);
        find(&datum, 1062)->setFocus(Qt::TabFocusReason);
        altKey('d');
        EXPECT_TRUE(focused(&datum, 1015));
        key(Qt::Key_End);
        key(Qt::Key_Return);
        return datum.result();
    };
    altKey('d');
    ASSERT_TRUE(QTest::qWaitFor([this] { return dlg.datumRuns == 1; }, 1000));
    EXPECT_EQ(dlg.m_strDatum, "System 42/83 (Pulkov), Krassovsky (1940)");
    open();  // back in the projection dialog (the test ran the datum dialog without exec)

    click(&dlg, 1054);
    type(&dlg, 1062, "0");
    altKey('d');
    QTest::qWait(300);
    EXPECT_EQ(dlg.datumRuns, 1);
    EXPECT_EQ(messages.texts(), QStringList{"Wert über 0"});
    EXPECT_TRUE(focused(&dlg, 1062));
}

TEST_F(ProjectionKeysTest, EnterOnAButtonPressesThatButton) {
    open();
    click(&dlg, 1);
    const geodesy::ProjectionParams accepted = dlg.m_params;
    open();
    choose(&dlg, 1005, QStringLiteral("Krassovsky"));
    type(&dlg, 1147, "12");
    find(&dlg, 1087)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_EQ(dlg.datumRuns, 1);
    EXPECT_TRUE(dlg.isVisible());
    find(&dlg, 2)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(dlg.m_strProjectionName, "Bonn'sche Abbildung");
    EXPECT_EQ(dlg.m_nStrip, 2);
    EXPECT_EQ(dlg.m_params, accepted);
}

TEST_F(ProjectionKeysTest, SpaceOnTheCheckBoxAndTabThroughTheFields) {
    open();
    find(&dlg, 1054)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    EXPECT_FALSE(dlg.m_bNatural);
    EXPECT_TRUE(enabled(&dlg, 1026));
    // Bonne, natural coordinates off: Tab visits the shown and enabled fields in order.
    find(&dlg, 1005)->setFocus(Qt::TabFocusReason);
    QList<int> visited;
    for (int i = 0; i < 20; ++i) {
        key(Qt::Key_Tab);
        const QVariant id = QApplication::focusWidget()->property("controlId");
        visited << id.toInt();
        if (id.toInt() == 2) break;
    }
    EXPECT_EQ(visited, (QList<int>{1088, 1050, 1044, 1045, 1046, 1054, 1026, 1062, 1040, 1042, 1035,
                                   1039, 1048, 1, 2}));
    EXPECT_TRUE(messages.messages.empty());
}

// Escape, the close box and "Abbrechen" all restore the opening's values.
TEST_F(ProjectionKeysTest, EveryWayOfCancellingRestores) {
    const std::function<void()> ways[] = {
        [] { key(Qt::Key_Escape); },
        [this] { dlg.close(); },
        [this] { click(&dlg, 2); },
    };
    for (const auto& cancel : ways) {
        open();
        dlg.datumRun = [](CDatumDlg& datum) {
            datum.m_datum = geodesy::lookupDatum("CH1903 (Obs. Bern)");
            return int(QDialog::Accepted);
        };
        click(&dlg, 1087);
        choose(&dlg, 1005, QStringLiteral("UTM"));
        type(&dlg, 1147, "33");
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
    click(&dlg, 1054);
    auto* units = find<QComboBox>(&dlg, 1026);
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
    EXPECT_EQ(text(&dlg, 1049), "km");
    wheel();
    EXPECT_EQ(dlg.m_strUnits, "pixel");
    EXPECT_TRUE(shown(&dlg, 1108));
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
    EXPECT_TRUE(focused(&dlg, 1015));
    key(Qt::Key_Home);  // "(individuell)": nothing looked up, the fields open
    EXPECT_EQ(dlg.m_datum.datumName, "(individuell)");
    EXPECT_EQ(dlg.m_datum.shiftX, -87.0);
    altKey('e');
    EXPECT_TRUE(focused(&dlg, 1080));
    key(Qt::Key_Home);
    EXPECT_EQ(dlg.m_datum.ellipsoidName, "(individuell)");
    altKey('h');
    EXPECT_TRUE(focused(&dlg, 1081));
    altKey('s');
    EXPECT_TRUE(focused(&dlg, 1042));
    QTest::keyClicks(QApplication::focusWidget(), "0.5");
    altKey('m');
    EXPECT_TRUE(focused(&dlg, 1062));
    EXPECT_EQ(dlg.m_datum.rotationEpsilon, 0.5);
    altKey('d');
    key(Qt::Key_End);  // a catalogue datum again
    EXPECT_EQ(dlg.m_datum, geodesy::lookupDatum("System 42/83 (Pulkov)"));
    key(Qt::Key_Tab);  // the ellipsoid list and the fields are disabled now
    EXPECT_TRUE(focused(&dlg, 1));
    // Over the list without the focus the wheel changes nothing.
    auto* datums = find<QComboBox>(&dlg, 1015);
    const QPoint centre = datums->rect().center();
    QWheelEvent wheel(centre, datums->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(datums, &wheel);
    EXPECT_EQ(text(&dlg, 1015), "System 42/83 (Pulkov)");
    find(&dlg, 2)->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(focused(&dlg, 2));
    key(Qt::Key_Return);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(dlg.m_datum, geodesy::lookupDatum("ED50"));
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
