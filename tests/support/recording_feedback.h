#pragma once
// A Feedback for tests: remembers what an operation reported.

#include <vector>

#include "fileio/feedback.h"

class RecordingFeedback : public fileio::Feedback {
public:
    void started() override { ++startCount; }
    void setProgress(int position) override { positions.push_back(position); }
    void pump() override { ++pumpCount; }
    void stopped() override { ++stopCount; }

    int startCount = 0;
    int stopCount = 0;
    long long pumpCount = 0;
    std::vector<int> positions;
};
