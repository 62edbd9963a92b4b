#pragma once
// Feedbacks for the benchmarks: one that ignores everything, one that counts
// the pumps and keeps the last progress position.

#include "fileio/feedback.h"

namespace bench {

class SilentFeedback : public fileio::Feedback {
public:
    void started() override {}
    void setProgress(int) override {}
    void pump() override {}
    void stopped() override {}
};

class CountingFeedback : public fileio::Feedback {
public:
    void started() override {}
    void setProgress(int position) override { last = position; }
    void pump() override { ++pumps; }
    void stopped() override {}
    int last = 0;
    long long pumps = 0;
};

}  // namespace bench
