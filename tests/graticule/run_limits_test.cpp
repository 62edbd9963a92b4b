// What keeps a graticule run finite and honest: the estimate and the question
// before very large runs, pumping over a narrow extent, the stop at the first
// failed write, points beyond PostScript's range and the Illustrator title.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>
#include <ctime>
#include <sstream>

#include "graticule/generate.h"
#include "graticule/illustrator_writer.h"
#include "graticule/point_estimate.h"
#include "graticule/text_writer.h"
#include "test_support.h"
#include "tests/support/recording_feedback.h"

namespace {

using namespace graticule;
using graticule_test::TempDir;

const graticule_test::LinearProjector kIdentity(1.0, 0.0, 1.0, 0.0);

TEST(RunLimits, EstimateMatchesTheRunAndAsksAboveFiftyMillion) {
    struct Case {
        GraticuleExtent extent;
        bool asks;
    };
    const Case cases[] = {
        {GraticuleExtent{}, false},                   // 23 parallels of 361, 37 meridians of 181
        {{-90, 90, -180, 180, 7, 1, 1}, false},       // 30 parallels, 52 meridians
        {{-25, 0, -170, 170, 10, 0.5, 0.25}, false},  // the tropic in the lower margin
        {{0.5, 0.5, 0.5, 0.5, 1, 1, 1}, false},       // no grid line at all
        {{-90, 90, -180, 180, 10, 1e-6, 1e-6}, true},
    };
    for (const Case& c : cases) {
        const PointEstimate estimate = estimatePoints(c.extent, "Textdatei");
        EXPECT_EQ(!largeRunQuestion(estimate).empty(), c.asks) << estimate.points;
        if (c.asks) continue;
        TempDir dir;
        TextWriter writer;
        RecordingFeedback feedback;
        const GenerationResult result =
            generateGraticule(kIdentity, {c.extent, dir.file("n.txt")}, writer, feedback);
        EXPECT_EQ(estimate.points, static_cast<double>(result.box.points)) << c.extent.spacing;
    }
    // 23 · 3.6e8 + 37 · 1.8e8 points of about 52 bytes each.
    const PointEstimate huge = estimatePoints({-90, 90, -180, 180, 10, 1e-6, 1e-6}, "Textdatei");
    EXPECT_EQ(largeRunQuestion(huge),
              "Das Kartennetz enthält etwa 14940 Millionen Punkte (etwa 776.9 GB).\n\n"
              "Trotzdem fortfahren ?");
}

TEST(RunLimits, MetafileLinesBeyondTheCountFieldAreRefused) {
    const GraticuleExtent extent{0, 0, -180, 180, 10, 1e-7, 1};  // 3.6e9 points on the equator
    const PointEstimate estimate = estimatePoints(extent, "Quorin Meta-Datei");
    const ExtentProblem problem = lineLimitProblem(estimate, "Quorin Meta-Datei");
    EXPECT_NE(problem.message.find("2147483647"), std::string::npos);
    EXPECT_EQ(problem.field, ExtentField::ParallelStep);
    // The meridian 0 of 1.8e10 points blames the meridian step.
    const ExtentProblem meridian = lineLimitProblem(
        estimatePoints({-90, 90, 0, 0, 10, 1, 1e-8}, "Quorin Meta-Datei"), "Quorin Meta-Datei");
    EXPECT_EQ(meridian.field, ExtentField::MeridianStep);
    EXPECT_NE(meridian.message, "");
    EXPECT_EQ(lineLimitProblem(estimate, "Textdatei").message, "");
    EXPECT_EQ(lineLimitProblem(estimatePoints(GraticuleExtent{}, "Quorin Meta-Datei"),
                               "Quorin Meta-Datei")
                  .message,
              "");
}

TEST(RunLimits, EveryLoopStepPumpsOverANarrowExtent) {
    TempDir dir;
    TextWriter writer;
    RecordingFeedback feedback;
    const GraticuleExtent narrow{0.5, 0.5, 0.5, 0.5, 1e-3, 1, 1};
    generateGraticule(kIdentity, {narrow, dir.file("n.txt")}, writer, feedback);
    // 180 / 1e-3 parallel steps and 360 / 1e-3 meridian steps.
    EXPECT_GE(feedback.pumpCount, 180000 + 360000);
}

// Files of this process may grow to `bytes`; a write beyond fails with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

TEST(RunLimits, AFailedWriteStopsTheRunInsideALine) {
    TempDir dir;
    TextWriter writer;
    RecordingFeedback feedback;
    // One parallel of 3.6 million points (about 190 MB), on a disk that is
    // full after 1 MB.
    const GraticuleExtent oneLine{0, 0, -180, 180, 90, 1e-4, 1};
    GenerationResult result;
    {
        FileSizeLimit limit(1 << 20);
        result = generateGraticule(kIdentity, {oneLine, dir.file("n.txt")}, writer, feedback);
    }
    EXPECT_EQ(result.status, GenerationStatus::WriteFailed);
    EXPECT_EQ(feedback.stopCount, 1);
    // About 20,000 points fill 1 MB and the 64 KiB buffer; none after them.
    EXPECT_LT(feedback.pumpCount, 40000);
    EXPECT_LT(result.box.points, 40000);
}

TEST(RunLimits, IllustratorLeavesOutNumbersBeyondPostScriptsRange) {
    TempDir dir;
    std::tm date{};
    IllustratorWriter writer("netz.ai", 1.0, date);
    RecordingFeedback feedback;
    // 1e37 units a degree: 2.8e37 points, beyond 3.4e38 from 12 degrees on.
    const graticule_test::LinearProjector huge(1e37, 0.0, 1e37, 0.0);
    const std::string path = dir.file("netz.ai");
    generateGraticule(huge, {{-20, 20, -20, 20, 10, 1, 1}, path}, writer, feedback);
    std::istringstream lines(graticule_test::readFile(path));
    std::string line;
    int points = 0;
    while (std::getline(lines, line)) {
        if (!line.ends_with(" L") && !line.ends_with(" m")) continue;
        ++points;
        std::istringstream fields(line);
        double x = 0, y = 0;
        fields >> x >> y;
        EXPECT_LE(std::abs(x), 3.4e38) << line;
        EXPECT_LE(std::abs(y), 3.4e38) << line;
    }
    EXPECT_GT(points, 0);
}

TEST(RunLimits, ControlCharactersOfTheTitleBecomeQuestionMarks) {
    TempDir dir;
    std::tm date{};
    IllustratorWriter writer("/tmp/a\nb\rc\td.ai", 1.0, date);
    RecordingFeedback feedback;
    const std::string path = dir.file("t.ai");
    generateGraticule(kIdentity, {{1, 2, 1, 2, 10, 1, 1}, path}, writer, feedback);
    EXPECT_NE(graticule_test::readFile(path).find("\n%%Title: (/tmp/a?b?c?d.ai)\n"),
              std::string::npos);
}

}  // namespace
