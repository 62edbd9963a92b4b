#include "batch/progress.h"

#include <algorithm>

namespace batch {
namespace {

constexpr int kBarWidth = 40;

}  // namespace

void TerminalProgress::started() {
    position_ = -1;
    setProgress(0);
}

void TerminalProgress::setProgress(int position) {
    position = std::clamp(position, 0, 100);
    if (!enabled_ || position == position_) return;
    position_ = position;
    draw();
}

void TerminalProgress::draw() {
    char bar[kBarWidth + 1];
    const int filled = position_ * kBarWidth / 100;
    for (int i = 0; i < kBarWidth; ++i) bar[i] = i < filled ? '#' : '.';
    bar[kBarWidth] = '\0';
    std::fprintf(stream_, "\r[%s] %3d %%", bar, position_);
    std::fflush(stream_);
    shown_ = true;
}

void TerminalProgress::stopped() {
    if (!shown_) return;
    // The bar's line is cleared, so that the final message starts clean.
    std::fprintf(stream_, "\r%*s\r", kBarWidth + 8, "");
    std::fflush(stream_);
    shown_ = false;
}

}  // namespace batch
