#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "test_dialogs.h"
#include "tests/support/recording_messages.h"

using testing_dialogs::FieldsDialog;
using testing_dialogs::kNorthRange;
using testing_dialogs::kSouthRange;

namespace {

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.watchLatitudes();
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.south->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), dialog.south);
        boxes.clear();
    }

    void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    platform::RecordingMessageService boxes;
    FieldsDialog dialog;
};

TEST_F(FocusTest, ValidValuePassesAndTheFocusMoves) {
    type(dialog.south, "-45");
    QTest::keyClick(dialog.south, Qt::Key_Tab);
    EXPECT_EQ(dialog.southChecks, 1);
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(dialog.m_dSouth, -45.0);
    EXPECT_EQ(QApplication::focusWidget(), dialog.north);
}

TEST_F(FocusTest, FailedCheckShowsOneMessageAndKeepsTheFocus) {
    dialog.north->setText("999");  // the next field is bad too: no ping-pong
    type(dialog.south, "100");
    QTest::keyClick(dialog.south, Qt::Key_Tab);
    ASSERT_EQ(boxes.texts(), QStringList{kSouthRange});
    EXPECT_EQ(boxes.messages[0].caption, "Falsche Eingabe");
    EXPECT_EQ(boxes.messages[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(dialog.southChecks, 1);
    EXPECT_EQ(dialog.northChecks, 0);
    EXPECT_EQ(QApplication::focusWidget(), dialog.south);
    EXPECT_EQ(dialog.south->text(), "100");  // the typed value stays
    EXPECT_EQ(dialog.south->selectedText(), "100");
}

// On a real display a message box takes the activation, and the dialog gets
// it back only after the check has returned: the field must keep its text
// selected for retyping all the same.
TEST_F(FocusTest, FailedCheckKeepsTheTextSelectedWhenTheBoxTookTheActivation) {
    QWidget box;
    boxes.onMessage = [&box](const platform::RecordedMessage&) {
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    };
    type(dialog.south, "100");
    QTest::keyClick(dialog.south, Qt::Key_Tab);
    ASSERT_EQ(boxes.texts(), QStringList{kSouthRange});
    box.hide();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.south);
    EXPECT_EQ(dialog.south->selectedText(), "100");
    EXPECT_EQ(dialog.southChecks, 1);
}

TEST_F(FocusTest, UnparsableFieldGetsTheFocusInsteadOfTheWatchedOne) {
    dialog.strip->setText("x");
    type(dialog.south, "5");
    QTest::keyClick(dialog.south, Qt::Key_Tab);
    EXPECT_EQ(boxes.texts(), QStringList{"Bitte geben Sie eine ganze Zahl ein."});
    EXPECT_EQ(QApplication::focusWidget(), dialog.strip);
}

TEST_F(FocusTest, ClickThatMovedTheFocusOutOfABadFieldIsSwallowed) {
    QSignalSpy clicks(dialog.start, &QPushButton::clicked);
    type(dialog.south, "100");
    QTest::mouseClick(dialog.start, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(boxes.texts(), QStringList{kSouthRange});
    EXPECT_EQ(QApplication::focusWidget(), dialog.south);
    EXPECT_FALSE(dialog.start->isDown());

    // After a correction the same click acts, and later clicks are not eaten.
    type(dialog.south, "50");
    QTest::mouseClick(dialog.start, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(dialog.start, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(boxes.messages.size(), 1u);
}

TEST_F(FocusTest, ClickIntoAnotherFieldIsSwallowedToo) {
    type(dialog.south, "-91");
    QTest::mouseClick(dialog.name, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(boxes.texts(), QStringList{kSouthRange});
    EXPECT_EQ(QApplication::focusWidget(), dialog.south);
    QTest::mouseClick(dialog.name, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(boxes.messages.size(), 2u);  // still bad: checked again, once
}

TEST_F(FocusTest, ButtonShortcutChecksTheFieldFirstAndActsOnlyWhenItPasses) {
    QSignalSpy clicks(dialog.start, &QPushButton::clicked);
    type(dialog.south, "100");
    QTest::keyClick(dialog.south, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(150);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(boxes.texts(), QStringList{kSouthRange});
    EXPECT_EQ(QApplication::focusWidget(), dialog.south);

    type(dialog.south, "-10");
    QTest::keyClick(dialog.south, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);      // at once, as a mouse click
    EXPECT_EQ(dialog.southChecks, 2);  // once per shortcut, not again on the focus move
    EXPECT_EQ(dialog.m_dSouth, -10.0);
    EXPECT_EQ(boxes.messages.size(), 1u);
}

// A key that closes the dialog right after a button's shortcut: the button
// has acted already, while the dialog was open, and nothing acts after it.
TEST_F(FocusTest, ShortcutActsBeforeAKeyThatClosesTheDialog) {
    const Qt::Key closingKeys[] = {Qt::Key_Escape, Qt::Key_Return};
    for (Qt::Key closing : closingKeys) {
        SCOPED_TRACE(closing);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.ok->setDefault(true);
        std::vector<bool> shownAtClick;
        const auto connection = QObject::connect(dialog.start, &QPushButton::clicked, [&] {
            shownAtClick.push_back(dialog.isVisible());
        });
        dialog.south->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dialog.south, Qt::Key_S, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), closing);
        EXPECT_FALSE(dialog.isVisible());
        QTest::qWait(200);
        EXPECT_EQ(shownAtClick, std::vector<bool>{true});
        QObject::disconnect(connection);
    }
}

TEST_F(FocusTest, FocusToCancelRunsNoCheck) {
    type(dialog.south, "100");
    QTest::mouseClick(dialog.cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.southChecks, 0);
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_FALSE(dialog.isVisible());  // "Abbrechen" acted
}

TEST_F(FocusTest, EscapeAndTheCloseBoxRunNoCheck) {
    type(dialog.south, "100");
    QTest::keyClick(dialog.south, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.south->setFocus(Qt::TabFocusReason);
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.southChecks, 0);
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(FocusTest, FocusToAnotherWindowRunsNoCheck) {
    type(dialog.south, "100");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(dialog.southChecks, 0);
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.south);
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(FocusTest, RunFocusedHandlerChecksTheFieldThatHasTheFocus) {
    type(dialog.north, "95");
    dialog.north->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(dialog.runFocusedHandler());
    EXPECT_EQ(boxes.texts(), QStringList{kNorthRange});
    EXPECT_EQ(QApplication::focusWidget(), dialog.north);

    type(dialog.north, "45");
    EXPECT_TRUE(dialog.runFocusedHandler());
    EXPECT_EQ(dialog.m_dNorth, 45.0);

    dialog.name->setFocus(Qt::OtherFocusReason);  // not watched
    const int checks = dialog.northChecks;
    EXPECT_TRUE(dialog.runFocusedHandler());
    EXPECT_EQ(dialog.northChecks, checks);
}

TEST_F(FocusTest, ChecksAreSuspendedWhileRunning) {
    type(dialog.south, "100");
    dialog.setRunning(true);
    EXPECT_TRUE(dialog.runFocusedHandler());
    dialog.setRunning(false);
    EXPECT_EQ(dialog.southChecks, 0);
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(QApplication::focusWidget(), dialog.south);  // given back after the run
}

TEST(InitDialog, RunsOncePerOpeningAfterTheMembersAreShown) {
    FieldsDialog dialog;
    dialog.m_dSouth = -33.5;
    dialog.show();
    EXPECT_EQ(dialog.initCount, 1);
    EXPECT_EQ(dialog.southAtInit, "-33.5");
    dialog.show();
    dialog.raise();
    EXPECT_EQ(dialog.initCount, 1);
    dialog.hide();
    dialog.m_dSouth = 12.0;
    dialog.show();
    EXPECT_EQ(dialog.initCount, 2);
    EXPECT_EQ(dialog.southAtInit, "12");
    dialog.reject();
    dialog.open();
    EXPECT_EQ(dialog.initCount, 3);
}

class RunningDialogTest : public FocusTest {};

TEST_F(RunningDialogTest, RunningDisablesInputsAndRestoresExactlyThose) {
    dialog.north->setEnabled(false);
    dialog.setRunning(true);
    for (QWidget* control : std::initializer_list<QWidget*>{
             dialog.south, dialog.north, dialog.strip, dialog.name, dialog.type, dialog.natural,
             dialog.result, dialog.start, dialog.ok, dialog.cancel}) {
        EXPECT_FALSE(control->isEnabled()) << control->property("controlId").toInt();
    }
    EXPECT_TRUE(dialog.progress->isEnabled());
    dialog.setRunning(false);
    EXPECT_FALSE(dialog.north->isEnabled());
    for (QWidget* control : std::initializer_list<QWidget*>{
             dialog.south, dialog.strip, dialog.name, dialog.type, dialog.natural, dialog.result,
             dialog.start, dialog.ok, dialog.cancel}) {
        EXPECT_TRUE(control->isEnabled()) << control->property("controlId").toInt();
    }
}

TEST_F(RunningDialogTest, EscapeEnterAndCloseAreIgnoredWhileRunning) {
    QSignalSpy oks(dialog.ok, &QPushButton::clicked);
    dialog.ok->setDefault(true);
    dialog.setRunning(true);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTest::keyClick(&dialog, Qt::Key_Return);
    dialog.close();
    dialog.reject();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(oks.count(), 0);
    dialog.setRunning(false);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
