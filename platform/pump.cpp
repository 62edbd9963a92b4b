#include <QCoreApplication>
#include <chrono>
#include <cstdint>

#include "platform/run_frame.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kPumpInterval{10};
// The clock is read every kMaxStride-th call while units of work are short.
// When kMaxStride units already take longer than the interval (slow units),
// the stride shrinks so that events still go through about every 10 ms.
constexpr uint32_t kMaxStride = 64;

uint32_t stride = kMaxStride;
uint32_t callsLeft = kMaxStride;
Clock::time_point lastRead{};
Clock::time_point lastPump{};

void adaptStride(Clock::duration sinceLastRead) {
    if (sinceLastRead > kPumpInterval && stride > 1) {
        stride /= 2;
    } else if (sinceLastRead < kPumpInterval / 4 && stride < kMaxStride) {
        stride *= 2;
    }
}

}  // namespace

void pumpMessages() {
    if (--callsLeft != 0) return;
    const Clock::time_point now = Clock::now();
    adaptStride(now - lastRead);
    lastRead = now;
    callsLeft = stride;
    if (now - lastPump < kPumpInterval) return;
    lastPump = now;
    if (QCoreApplication::instance() == nullptr) return;
    // Input included: a click is handled now, against the locked dialog, and
    // not replayed after the run.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace platform
