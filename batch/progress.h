#pragma once
// The progress of a long run as a bar on standard error, drawn only when
// standard error is a terminal and only when the position changes, so that
// it costs nothing per point.

#include <cstdio>

#include "fileio/feedback.h"

namespace batch {

class TerminalProgress : public fileio::Feedback {
public:
    // Draws on `stream` when `enabled`; silent otherwise.
    TerminalProgress(std::FILE* stream, bool enabled) : stream_(stream), enabled_(enabled) {}

    void started() override;
    void setProgress(int position) override;
    void pump() override {}
    void stopped() override;

private:
    void draw();

    std::FILE* stream_;
    bool enabled_;
    bool shown_ = false;
    int position_ = -1;
};

}  // namespace batch
