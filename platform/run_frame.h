#pragma once
// The frame of one long operation in a dialog: from the click to the end of
// its last box the dialog's inputs are disabled and Escape, the close box and
// "Abbrechen" are ignored; while the operation's files are open an 80 ms timer
// turns the busy cursor and the progress bar follows the operation. On every
// way out the timer stops, the override cursor is restored (before any box)
// and the controls come back.

#include <QString>

#include "fileio/feedback.h"
#include "platform/busy_cursor.h"
#include "platform/messages.h"

class QProgressBar;
class QTimer;

namespace platform {

class Dialog;

// Shows the next of the eight busy-cursor frames (process-wide counter, never
// reset) and returns the cursor id it set (149..156).
int advanceBusyCursor();

// Lets pending events through, at most about every 10 ms, reading the clock
// only every 64th call; never waits.
void pumpMessages();

class RunFrame : public fileio::Feedback {
public:
    // Locks the dialog (disabled inputs, ignored close and Escape, suspended checks).
    RunFrame(Dialog& dialog, QProgressBar* progressBar);
    // Unlocks it; stops the timer and restores the cursor if still running.
    ~RunFrame() override;
    RunFrame(const RunFrame&) = delete;
    RunFrame& operator=(const RunFrame&) = delete;

    void started() override;
    void setProgress(int position) override;
    void pump() override;
    void stopped() override;

    // A box during or at the end of the run; the cursor is restored first.
    Answer showMessage(const QString& text, const QString& caption, Icon icon,
                       Buttons buttons = Buttons::Ok);
    // The final box ("Fertig", or an error): afterwards the progress bar shows 0.
    void showFinalMessage(const QString& text, const QString& caption, Icon icon);

    // Whether started() was called (the progress bar and timer are in use).
    bool wasStarted() const { return started_; }

private:
    void stopTimer();
    void restoreCursor();

    Dialog& dialog_;
    QProgressBar* progressBar_;
    QTimer* timer_ = nullptr;
    bool cursorSet_ = false;
    bool locked_ = false;  // false inside a frame that already ran: the outer one unlocks
    bool started_ = false;
    int position_ = 0;
};

}  // namespace platform
