#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "platform/busy_cursor.h"
#include "platform/run_frame.h"
#include "test_dialogs.h"
#include "tests/support/recording_messages.h"

using platform::Icon;
using platform::RunFrame;
using testing_dialogs::FieldsDialog;

namespace {

// A dialog whose start button runs a scripted long operation through a RunFrame.
class RunDialog : public FieldsDialog {
public:
    RunDialog() {
        connect(start, &QPushButton::clicked, this, [this] { onSaveClicked(); });
        connect(cancel, &QPushButton::clicked, this, [this] { ++cancelClicks; });
    }

    // Called inside the run after this many units of work.
    std::function<void()> partWay;
    bool openFails = false;
    int runs = 0;
    int cancelClicks = 0;
    bool enabledDuringRun = false;

private:
    void onSaveClicked() {
        ++runs;
        RunFrame frame(*this, progress);
        if (openFails) {
            frame.showFinalMessage(QStringLiteral("Die Datei kann nicht geöffnet werden."),
                                   QStringLiteral("Dateizugriff"), Icon::Error);
            return;
        }
        frame.started();
        enabledDuringRun = south->isEnabled() || start->isEnabled();
        bool acted = false;
        QElapsedTimer clock;
        clock.start();
        // Units of work until the part-way actions were delivered and a few
        // cursor ticks went by.
        for (long unit = 0; clock.elapsed() < 400 || !acted; ++unit) {
            frame.setProgress(static_cast<int>(clock.elapsed() / 3));  // beyond 100: clamped
            if (unit == 1000 && partWay)
                QTimer::singleShot(0, this, [&] { partWay(), acted = true; });
            if (unit == 1000 && !partWay) acted = true;
            frame.pump();
            if (clock.elapsed() > 5000) break;
        }
        frame.stopped();
        frame.showFinalMessage(QStringLiteral("Fertig"), QStringLiteral("Fertig"), Icon::None);
    }
};

class RunFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        boxes.clear();
    }

    platform::RecordingMessageService boxes;
    RunDialog dialog;
};

TEST_F(RunFrameTest, InputDuringTheRunNeitherRestartsNorClosesNorEdits) {
    const QString southBefore = dialog.south->text();
    dialog.partWay = [this] {
        QTest::mouseClick(dialog.start, Qt::LeftButton);
        QTest::mouseClick(dialog.cancel, Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCloseEvent close;
        QApplication::sendEvent(&dialog, &close);
        dialog.close();
        QTest::keyClicks(dialog.south, "77");
    };
    bool cursorDuringBox = true;
    bool progressBeforeReset = false;
    bool lockedDuringBox = false;
    boxes.onMessage = [&](const platform::RecordedMessage&) {
        cursorDuringBox = QApplication::overrideCursor() != nullptr;
        progressBeforeReset = dialog.progress->value() == 100;
        lockedDuringBox = dialog.isRunning() && !dialog.start->isEnabled();
    };
    QTest::mouseClick(dialog.start, Qt::LeftButton);

    EXPECT_EQ(dialog.runs, 1);
    EXPECT_EQ(dialog.cancelClicks, 0);
    EXPECT_FALSE(dialog.enabledDuringRun);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].caption, "Fertig");
    EXPECT_EQ(boxes.messages[0].icon, Icon::None);
    EXPECT_FALSE(cursorDuringBox);
    EXPECT_TRUE(progressBeforeReset);
    EXPECT_TRUE(lockedDuringBox);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isRunning());
    EXPECT_TRUE(dialog.south->isEnabled());
    EXPECT_TRUE(dialog.start->isEnabled());
    EXPECT_TRUE(dialog.cancel->isEnabled());
    EXPECT_EQ(dialog.south->text(), southBefore);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(dialog.progress->value(), 0);
    EXPECT_EQ(dialog.progress->minimum(), 0);
    EXPECT_EQ(dialog.progress->maximum(), 100);
    EXPECT_FALSE(dialog.progress->isTextVisible());

    // Input after the run acts again.
    QTest::mouseClick(dialog.cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.cancelClicks, 1);
}

TEST_F(RunFrameTest, FailedOpenTouchesNeitherProgressBarNorTimer) {
    dialog.progress->setRange(0, 10);
    dialog.progress->setValue(7);
    dialog.openFails = true;
    bool lockedDuringBox = false;
    boxes.onMessage = [&](const platform::RecordedMessage&) {
        lockedDuringBox = !dialog.start->isEnabled();
    };
    const int frameBefore = platform::lastBusyCursorId();
    QTest::mouseClick(dialog.start, Qt::LeftButton);
    QTest::qWait(200);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].caption, "Dateizugriff");
    EXPECT_EQ(boxes.messages[0].icon, Icon::Error);
    EXPECT_TRUE(lockedDuringBox);
    EXPECT_EQ(dialog.progress->maximum(), 10);
    EXPECT_EQ(dialog.progress->value(), 7);
    EXPECT_EQ(platform::lastBusyCursorId(), frameBefore);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(dialog.start->isEnabled());
}

TEST_F(RunFrameTest, ProgressIsClampedAndUnchangedPositionsAreSkipped) {
    RunFrame frame(dialog, dialog.progress);
    frame.setProgress(42);  // before started(): the bar is not touched
    EXPECT_NE(dialog.progress->value(), 42);
    frame.started();
    EXPECT_EQ(dialog.progress->value(), 0);
    int changes = 0;
    QObject::connect(dialog.progress, &QProgressBar::valueChanged, [&changes] { ++changes; });
    const std::pair<int, int> cases[] = {{-5, 0},    {37, 37}, {37, 37},     {100, 100},
                                         {250, 100}, {99, 99}, {INT_MIN, 0}, {INT_MAX, 100}};
    for (const auto& [position, shown] : cases) {
        frame.setProgress(position);
        EXPECT_EQ(dialog.progress->value(), shown) << position;
    }
    EXPECT_EQ(changes, 5);
}

TEST_F(RunFrameTest, BoxDuringTheRunShowsTheNormalCursorAndTheAnimationGoesOn) {
    RunFrame frame(dialog, dialog.progress);
    frame.started();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::overrideCursor() != nullptr; }, 1000));
    bool cursorDuringBox = true;
    boxes.answers.push_back(platform::Answer::No);
    boxes.onMessage = [&](const platform::RecordedMessage&) {
        cursorDuringBox = QApplication::overrideCursor() != nullptr;
    };
    EXPECT_EQ(frame.showMessage(QStringLiteral("Weiter?"), QStringLiteral("Einheiten"),
                                Icon::Question, platform::Buttons::YesNo),
              platform::Answer::No);
    EXPECT_FALSE(cursorDuringBox);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::overrideCursor() != nullptr; }, 1000));
    frame.stopped();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The busy-cursor timer: 80 ms, a child of the dialog that runs the
// operation, only between started() and stopped() (or the frame's end).
TEST_F(RunFrameTest, EightyMillisecondTimerLivesOnTheDialogWhileTheFilesAreOpen) {
    const auto activeTimers = [this] {
        std::vector<const QTimer*> timers;
        for (const QTimer* timer : dialog.findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
            if (timer->isActive()) timers.push_back(timer);
        }
        return timers;
    };
    const size_t before = activeTimers().size();
    for (const bool viaStopped : {true, false}) {
        RunFrame frame(dialog, dialog.progress);
        EXPECT_EQ(activeTimers().size(), before);  // not before the files are open
        frame.started();
        const std::vector<const QTimer*> timers = activeTimers();
        ASSERT_EQ(timers.size(), before + 1);
        const QTimer* timer = timers.back();
        EXPECT_EQ(timer->interval(), 80);
        EXPECT_FALSE(timer->isSingleShot());
        if (viaStopped) {
            frame.stopped();
            EXPECT_EQ(activeTimers().size(), before);
        }
    }
    EXPECT_EQ(activeTimers().size(), before);
}

TEST_F(RunFrameTest, EndingTheFrameWithoutStoppedRestoresEverything) {
    {
        RunFrame frame(dialog, dialog.progress);
        frame.started();
        ASSERT_TRUE(
            QTest::qWaitFor([] { return QApplication::overrideCursor() != nullptr; }, 1000));
    }  // a write error: the operation returns early
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const int frameAfter = platform::lastBusyCursorId();
    QTest::qWait(200);
    EXPECT_EQ(platform::lastBusyCursorId(), frameAfter);  // the timer is gone
    EXPECT_TRUE(dialog.start->isEnabled());
}

// Pumps until the posted event arrived (at most 2 s); whether it did.
bool pumpUntil(const bool& flag) {
    QElapsedTimer clock;
    clock.start();
    while (!flag && clock.elapsed() < 2000) platform::pumpMessages();
    return flag;
}

TEST(PumpMessages, LetsPendingEventsThroughNowAndThenNotAtEveryCall) {
    for (int round = 0; round < 3; ++round) {
        bool first = false;
        QTimer::singleShot(0, [&first] { first = true; });
        ASSERT_TRUE(pumpUntil(first));
        // Just after a pass over the queue the next calls do not look at it.
        bool second = false;
        QTimer::singleShot(0, [&second] { second = true; });
        for (int call = 0; call < 16; ++call) platform::pumpMessages();
        EXPECT_FALSE(second);
        EXPECT_TRUE(pumpUntil(second));
    }
}

TEST_F(RunFrameTest, InnerFrameLeavesTheDialogLockedForTheOuterOne) {
    RunFrame outer(dialog, dialog.progress);
    {
        RunFrame inner(dialog, dialog.progress);
        EXPECT_TRUE(dialog.isRunning());
    }
    EXPECT_TRUE(dialog.isRunning());
    EXPECT_FALSE(dialog.south->isEnabled());
}

}  // namespace
