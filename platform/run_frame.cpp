#include "platform/run_frame.h"

#include <QProgressBar>
#include <QTimer>
#include <algorithm>

#include "platform/dialog.h"

namespace platform {
namespace {

constexpr int kTimerInterval = 80;  // milliseconds between busy-cursor frames
constexpr int kProgressMin = 0;
constexpr int kProgressMax = 100;

}  // namespace

RunFrame::RunFrame(Dialog& dialog, QProgressBar* progressBar)
    : dialog_(dialog), progressBar_(progressBar), locked_(!dialog.isRunning()) {
    dialog_.setRunning(true);
}

RunFrame::~RunFrame() {
    stopTimer();
    restoreCursor();
    if (locked_) dialog_.setRunning(false);
}

void RunFrame::started() {
    started_ = true;
    if (progressBar_ != nullptr) {
        progressBar_->setRange(kProgressMin, kProgressMax);
        progressBar_->setTextVisible(false);
        progressBar_->setValue(kProgressMin);
    }
    position_ = kProgressMin;
    if (timer_ == nullptr) {
        timer_ = new QTimer(&dialog_);
        timer_->setInterval(kTimerInterval);
        timer_->setTimerType(Qt::PreciseTimer);  // a coarse timer may run 5 % late
        QObject::connect(timer_, &QTimer::timeout, [this] {
            cursorSet_ = true;
            advanceBusyCursor();
        });
    }
    timer_->start();
}

void RunFrame::setProgress(int position) {
    if (!started_ || progressBar_ == nullptr) return;
    position = std::clamp(position, kProgressMin, kProgressMax);
    if (position == position_) return;  // the common case: no widget call at all
    position_ = position;
    progressBar_->setValue(position);
}

void RunFrame::pump() {
    pumpMessages();
}

void RunFrame::stopped() {
    stopTimer();
    restoreCursor();
}

Answer RunFrame::showMessage(const QString& text, const QString& caption, Icon icon,
                             Buttons buttons) {
    // No tick may put the busy cursor over the box.
    const bool ticking = timer_ != nullptr && timer_->isActive();
    if (ticking) timer_->stop();
    restoreCursor();
    const Answer answer = platform::showMessage(&dialog_, text, caption, icon, buttons);
    if (ticking) timer_->start();
    return answer;
}

void RunFrame::showFinalMessage(const QString& text, const QString& caption, Icon icon) {
    stopped();
    platform::showMessage(&dialog_, text, caption, icon, Buttons::Ok);
    if (started_ && progressBar_ != nullptr) {
        position_ = kProgressMin;
        progressBar_->setValue(kProgressMin);
    }
}

void RunFrame::stopTimer() {
    if (timer_ == nullptr) return;
    timer_->stop();
    delete timer_;
    timer_ = nullptr;
}

void RunFrame::restoreCursor() {
    if (!cursorSet_) return;
    cursorSet_ = false;
    restoreBusyCursor();
}

}  // namespace platform
