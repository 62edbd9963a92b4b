// The generation run: which lines come in which order with how many points,
// the progress positions, the feedback sequence, and the refusals and file
// errors. Checked on the text output.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <limits>

#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "graticule/generate.h"
#include "graticule/illustrator_writer.h"
#include "graticule/metafile_writer.h"
#include "graticule/text_writer.h"
#include "test_support.h"
#include "tests/support/bonne_record.h"
#include "tests/support/recording_feedback.h"

namespace {

using namespace graticule;
using graticule_test::readFile;
using graticule_test::TempDir;
using graticule_test::TextBlock;

const graticule_test::LinearProjector kIdentity(1.0, 0.0, 1.0, 0.0);

struct TextRun {
    GenerationResult result;
    std::vector<TextBlock> blocks;
    RecordingFeedback feedback;
    std::string text;
};

TextRun runText(const GraticuleExtent& extent, const PointProjector& projector = kIdentity) {
    TempDir dir;
    TextRun run;
    TextWriter writer;
    const std::string path = dir.file("netz.txt");
    run.result = generateGraticule(projector, {extent, path}, writer, run.feedback);
    run.text = readFile(path);
    run.blocks = graticule_test::textBlocks(run.text);
    return run;
}

// The first fields of the parallels' blocks (leading blocks with constant
// latitude and varying longitude) and the second fields of the meridians'.
struct Lines {
    std::vector<std::string> parallels;
    std::vector<std::string> meridians;
};

Lines linesOf(const std::vector<TextBlock>& blocks, size_t parallelCount) {
    Lines lines;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (i < parallelCount) {
            EXPECT_TRUE(blocks[i].latitudeConstant()) << "block " << i;
            lines.parallels.push_back(blocks[i].field(0, 0));
        } else {
            EXPECT_TRUE(blocks[i].longitudeConstant()) << "block " << i;
            lines.meridians.push_back(blocks[i].field(0, 1));
        }
    }
    return lines;
}

std::vector<std::string> degrees(std::initializer_list<double> values) {
    std::vector<std::string> texts;
    for (double v : values) {
        char text[64];
        std::snprintf(text, sizeof text, "%.8f", v);
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> steppedDegrees(double first, double last, double step) {
    std::vector<std::string> texts;
    for (double v = first; v <= last; v += step) texts.push_back(degrees({v})[0]);
    return texts;
}

constexpr double kTropic = 23.4458333333;
constexpr double kPolar = 66.55;

TEST(Generate, DefaultGraticule) {
    const TextRun run = runText(GraticuleExtent{});
    ASSERT_EQ(run.result.status, GenerationStatus::Finished);
    ASSERT_EQ(run.blocks.size(), 19u + 4u + 37u);
    const Lines lines = linesOf(run.blocks, 23);
    EXPECT_EQ(lines.parallels,
              degrees({-90, -80, -70,     -kPolar, -60, -50, -40, -30,    -kTropic, -20, -10, 0,
                       10,  20,  kTropic, 30,      40,  50,  60,  kPolar, 70,       80,  90}));
    EXPECT_EQ(lines.meridians, steppedDegrees(-180, 180, 10));
    for (size_t i = 0; i < run.blocks.size(); ++i) {
        EXPECT_EQ(run.blocks[i].rows.size(), i < 23 ? 361u : 181u) << "block " << i;
    }
    EXPECT_EQ(run.blocks[0].field(0, 1), "-180.00000000");
    EXPECT_EQ(run.blocks[0].field(360, 1), "180.00000000");
    EXPECT_EQ(run.blocks[8].field(0, 0), "-23.44583333");
    EXPECT_TRUE(run.text.starts_with("\n-90.00000000\t-180.00000000\t"));
    // One pump per point and one per step of the two grid loops.
    EXPECT_EQ(run.feedback.pumpCount, 23 * 361 + 37 * 181 + 19 + 37);
    EXPECT_EQ(run.result.box.points, 23 * 361 + 37 * 181);
    EXPECT_EQ(run.result.box.xMin, -180.0);
    EXPECT_EQ(run.result.box.yMax, 90.0);
}

TEST(Generate, SpacingOfNinety) {
    const TextRun run = runText({-90, 90, -180, 180, 90, 1, 1});
    const Lines lines = linesOf(run.blocks, 7);
    EXPECT_EQ(lines.parallels, degrees({-90, -kTropic, -kPolar, 0, kTropic, kPolar, 90}));
    EXPECT_EQ(lines.meridians, degrees({-180, -90, 0, 90, 180}));
}

TEST(Generate, SpacingOfSeven) {
    const TextRun run = runText({-90, 90, -180, 180, 7, 1, 1});
    const Lines lines = linesOf(run.blocks, 26 + 4);
    std::vector<std::string> expected;
    for (double phi = -90; phi <= 90; phi += 7) {
        expected.push_back(degrees({phi})[0]);
        if (phi == -69) expected.push_back(degrees({-kPolar})[0]);
        if (phi == -27) expected.push_back(degrees({-kTropic})[0]);
        if (phi == 22) expected.push_back(degrees({kTropic})[0]);
        if (phi == 64) expected.push_back(degrees({kPolar})[0]);
    }
    EXPECT_EQ(lines.parallels, expected);
    EXPECT_EQ(lines.parallels.back(), "85.00000000");
    EXPECT_EQ(lines.meridians, steppedDegrees(-180, 177, 7));
    EXPECT_EQ(lines.meridians.size(), 52u);
}

TEST(Generate, SpecialParallelsInTheLowerMarginComeFirst) {
    struct Case {
        GraticuleExtent extent;
        std::vector<std::string> parallels;
    };
    const Case cases[] = {
        // The tropic lies below the lowest grid parallel inside the extent.
        {{-25, 0, -180, 180, 10, 1, 1}, degrees({-kTropic, -20, -10, 0})},
        {{-24, 0, -180, 180, 5, 1, 1}, degrees({-kTropic, -20, -15, -10, -5, 0})},
        {{-67, -60, -180, 180, 7, 1, 1}, degrees({-kPolar, -62})},
        // One circle below the first grid parallel, the other after it.
        {{-67, -20, -180, 180, 50, 1, 1}, degrees({-kPolar, -40, -kTropic})},
        // Both southern circles below the first grid parallel, in the fixed order.
        {{-67, 0, -180, 180, 90, 1, 1}, degrees({-kTropic, -kPolar, 0})},
        // A circle above a grid parallel inside comes after it.
        {{-70, -60, -180, 180, 7, 1, 1}, degrees({-69, -kPolar, -62})},
        // No grid parallel inside at all.
        {{-24, -21, -180, 180, 10, 1, 1}, degrees({-kTropic})},
        // A circle above the last grid parallel is drawn after it, as before.
        {{60, 67, -180, 180, 10, 1, 1}, degrees({60, kPolar})},
        // A circle on a grid parallel (-90 + 23.45 is -66.55 exactly) comes
        // after the parallel a spacing below and again after its own.
        {{-90, 90, -180, 180, 23.45, 1, 1},
         degrees({-90, -kPolar, -kPolar, -kPolar, -43.1, -kTropic, -19.65, 3.8, kTropic, 27.25,
                  50.7, kPolar, 74.15})},
    };
    for (const Case& c : cases) {
        const TextRun run = runText(c.extent);
        const Lines lines = linesOf(run.blocks, c.parallels.size());
        EXPECT_EQ(lines.parallels, c.parallels) << c.extent.south << " " << c.extent.north;
    }
}

TEST(Generate, ExtentWithoutAnyGridLine) {
    const TextRun run = runText({1, 2, 1, 2, 10, 1, 1});
    EXPECT_EQ(run.result.status, GenerationStatus::Finished);
    EXPECT_EQ(run.text, "");
    EXPECT_EQ(run.result.box.points, 0);
    EXPECT_EQ(run.feedback.startCount, 1);
    EXPECT_EQ(run.feedback.stopCount, 1);
    // No point: only the 19 + 37 steps of the grid loops pump.
    EXPECT_EQ(run.feedback.pumpCount, 19 + 37);
    EXPECT_EQ(summaryText("/tmp/a.txt", run.result.box, "mm"),
              "Datei : \"/tmp/a.txt\" erzeugt !\n\nDie Datei enthält keine Punkte.");
}

TEST(Generate, StepThatDoesNotDivideTheLine) {
    // W 0, E 1, step 0.3: 0, 0.3, 0.6 and a value just below 0.9; E is no point.
    const TextRun run = runText({0, 0, 0, 1, 10, 0.3, 1});
    ASSERT_EQ(run.blocks.size(), 2u);  // the parallel 0 and the meridian 0
    const TextBlock& parallel = run.blocks[0];
    ASSERT_EQ(parallel.rows.size(), 4u);
    EXPECT_EQ(parallel.field(1, 1), "0.30000000");
    EXPECT_EQ(parallel.field(2, 1), "0.60000000");
    EXPECT_EQ(parallel.field(3, 1), "0.90000000");
    EXPECT_EQ(run.blocks[1].rows.size(), 1u);

    const TextRun short_ = runText({0, 0, -25, -5, 10, 0.1, 1});
    EXPECT_EQ(short_.blocks[0].rows.size(), 200u);
    EXPECT_EQ(short_.blocks[0].rows.back()[1], "-5.10000000");
}

TEST(Generate, ProgressPositions) {
    {
        const TextRun run = runText(GraticuleExtent{});
        std::vector<int> expected;
        for (int k = 0; k <= 18; ++k) expected.push_back(k * 50 / 18);
        for (int k = 0; k <= 36; ++k) expected.push_back(k * 50 / 36 + 50);
        EXPECT_EQ(run.feedback.positions, expected);
    }
    {
        // South equal to north, west equal to east: 0 and 50, never 0 / 0.
        const TextRun run = runText({10, 10, 5, 5, 5, 1, 1});
        EXPECT_EQ(run.feedback.positions, (std::vector<int>{0, 50}));
        EXPECT_EQ(run.blocks.size(), 2u);
    }
    EXPECT_EQ(progressPosition(-1.0, -10.0, 10.0, 0), 22);
    EXPECT_EQ(progressPosition(7.0, 7.0, 7.0, 50), 50);
}

TEST(Generate, RefusesStepsThatWouldNeverEndWithoutTouchingTheFile) {
    struct Case {
        GraticuleExtent extent;
        ExtentField field;
        const char* message;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {{-90, 90, -180, 180, 0, 1, 1}, ExtentField::Spacing, "Wert über 0"},
        {{-90, 90, -180, 180, -1, 1, 1}, ExtentField::Spacing, "Wert über 0"},
        {{-90, 90, -180, 180, nan, 1, 1}, ExtentField::Spacing, "Wert über 0"},
        {{-90, 90, -180, 180, 1e-15, 1, 1}, ExtentField::Spacing, "Wert über 0"},
        // Lost to rounding only at the meridian loop's end, 180.
        {{-90, 90, -180, 180, 1e-14, 1, 1}, ExtentField::Spacing, "Wert über 0"},
        {{-90, 90, 100, 101, 10, 1e-15, 1}, ExtentField::ParallelStep, "Wert über 0"},
        {{-90, 90, -180, 180, 10, 1, 0}, ExtentField::MeridianStep, "Wert über 0"},
        {{95, 90, -180, 180, 10, 1, 1},
         ExtentField::South,
         "Wert für Geographische Breite zwischen -90.0° und 90.0°"},
        {{-90, nan, -180, 180, 10, 1, 1},
         ExtentField::North,
         "Wert für Geographische Breite zwischen -90.0° und 90.0°"},
        {{-90, 90, -INFINITY, 180, 10, 1, 1},
         ExtentField::West,
         "Wert für Geographische Länge zwischen -180.0° und 180.0°"},
        {{-90, 90, -180, 181, 0, 1, 1},
         ExtentField::East,
         "Wert für Geographische Länge zwischen -180.0° und 180.0°"},
        // The bounds in the wrong order, also when the run is started directly.
        {{10, 5, -180, 180, 10, 1, 1}, ExtentField::South, kSouthAboveNorth},
        {{-90, 90, 20, 10, 10, 1, 1}, ExtentField::West, kWestBeyondEast},
    };
    for (const Case& c : cases) {
        TempDir dir;
        TextWriter writer;
        RecordingFeedback feedback;
        const std::string path = dir.file("unberuehrt.txt");
        graticule_test::writeFile(path, "bleibt");
        const GenerationResult result =
            generateGraticule(kIdentity, {c.extent, path}, writer, feedback);
        EXPECT_EQ(result.status, GenerationStatus::InvalidInput);
        EXPECT_EQ(result.problem.field, c.field);
        EXPECT_EQ(result.problem.message, c.message);
        EXPECT_EQ(readFile(path), "bleibt");
        EXPECT_EQ(feedback.startCount, 0);
    }
}

TEST(Generate, AStepIsNotBlamedForABoundOutOfRange) {
    // A bound out of range fails its own check; the step check alone (as when
    // the step's field loses the focus) takes the range's limit instead.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const GraticuleExtent wrongBounds[] = {
        {-90, 90, -1e300, 180, 10, 1, 1},
        {-90, 90, -180, nan, 10, 1, 1},
        {-1e300, 1e300, -180, 180, 10, 1, 1},
    };
    for (const GraticuleExtent& e : wrongBounds) {
        EXPECT_EQ(checkExtentField(e, ExtentField::ParallelStep), "") << e.west << " " << e.east;
        EXPECT_EQ(checkExtentField(e, ExtentField::MeridianStep), "") << e.south;
        EXPECT_NE(firstExtentProblem(e).message, "Wert über 0");
    }
    // Steps lost at the range's limit are still refused.
    const GraticuleExtent lost{-1e300, 90, -1e300, 180, 10, 1e-14, 1e-15};
    EXPECT_EQ(checkExtentField(lost, ExtentField::ParallelStep), "Wert über 0");
    EXPECT_EQ(checkExtentField(lost, ExtentField::MeridianStep), "Wert über 0");
}

TEST(Generate, TargetThatCannotBeOpened) {
    TempDir dir;
    for (const std::string& path : {dir.path().string(), dir.file("fehlt/netz.txt")}) {
        TextWriter writer;
        RecordingFeedback feedback;
        const GenerationResult result =
            generateGraticule(kIdentity, {GraticuleExtent{}, path}, writer, feedback);
        EXPECT_EQ(result.status, GenerationStatus::OpenFailed) << path;
        EXPECT_EQ(feedback.startCount, 0);
        EXPECT_TRUE(feedback.positions.empty());
        EXPECT_EQ(feedback.stopCount, 0);
    }
}

TEST(Generate, WriteErrorsAreDetectedInEveryFormat) {
    std::tm date{};
    TextWriter text;
    MetafileWriter metafile{ObjectKeys{}};
    IllustratorWriter illustrator("/dev/full", 1.0, date);
    for (GraticuleWriter* writer :
         std::initializer_list<GraticuleWriter*>{&text, &metafile, &illustrator}) {
        RecordingFeedback feedback;
        const GenerationResult result =
            generateGraticule(kIdentity, {GraticuleExtent{}, "/dev/full"}, *writer, feedback);
        EXPECT_EQ(result.status, GenerationStatus::WriteFailed);
        EXPECT_EQ(feedback.startCount, 1);
        EXPECT_EQ(feedback.stopCount, 1);
        // The run stops at the first failed write instead of going on.
        EXPECT_LT(feedback.pumpCount, 23 * 361 + 37 * 181);
    }
    // Even the smallest file fails when it is closed.
    RecordingFeedback feedback;
    EXPECT_EQ(
        generateGraticule(kIdentity, {{1, 2, 1, 2, 10, 1, 1}, "/dev/full"}, metafile, feedback)
            .status,
        GenerationStatus::WriteFailed);
}

TEST(Generate, SummaryText) {
    BoundingBox box;
    box.add(-1234.5678, 0.0004);
    box.add(98765.4321, -0.0006);
    EXPECT_EQ(summaryText("/home/k/netz.met", box, "m "),
              "Datei : \"/home/k/netz.met\" erzeugt !\n\n"
              "X-Min :    -1234.568 m \tX-Max :    98765.432 m \n"
              "Y-Min :       -0.001 m \tY-Max :        0.000 m ");
}

TEST(Generate, EngineProjectionEqualsProjectForward) {
    const geodesy::ProjectionParams p = test_records::bonne(1.0);

    TempDir dir;
    TextWriter writer;
    RecordingFeedback feedback;
    const std::string path = dir.file("bonne.txt");
    const GenerationResult result =
        generateGraticule(p, {{30, 60, -40, 50, 30, 10, 15}, path}, writer, feedback);
    ASSERT_EQ(result.status, GenerationStatus::Finished);
    const std::vector<TextBlock> blocks = graticule_test::textBlocks(readFile(path));
    ASSERT_FALSE(blocks.empty());
    int checked = 0;
    for (const TextBlock& block : blocks) {
        for (const auto& row : block.rows) {
            double x;
            double y;
            geodesy::projectForward(p, std::stod(row[0]), std::stod(row[1]), x, y);
            EXPECT_EQ(row[2], degrees({x})[0]);
            EXPECT_EQ(row[3], degrees({y})[0]);
            ++checked;
        }
    }
    EXPECT_EQ(checked, result.box.points);
}

TEST(Generate, ConformalCylinderPolesLeaveReadableFiles) {
    geodesy::ProjectionParams p;
    p.projectionName = std::string(geodesy::kCylinderConformal);
    p.scaleDenominator = 1000000.0;
    p.sphereRadius = 6371000.0;
    p.mainPointLat = 90.0;
    p.delta1 = 90.0;
    p.unitMillimetres = 1.0;
    geodesy::updateOffsets(p);

    TempDir dir;
    IllustratorWriter writer(dir.file("merc.ai"), 1.0, std::tm{});
    RecordingFeedback feedback;
    const GenerationResult result =
        generateGraticule(p, {GraticuleExtent{}, dir.file("merc.ai")}, writer, feedback);
    ASSERT_EQ(result.status, GenerationStatus::Finished);
    EXPECT_TRUE(std::isfinite(result.box.yMin) && std::isfinite(result.box.yMax));
    // The South Pole has no finite image: its parallel and the first point of
    // every meridian are left out.
    EXPECT_EQ(result.box.points, feedback.pumpCount - 361 - 37 - (19 + 37));
    const std::string document = readFile(dir.file("merc.ai"));
    EXPECT_EQ(document.find("inf"), std::string::npos);
    EXPECT_EQ(document.find("nan"), std::string::npos);
    graticule_test::checkIllustratorStructure(document);
}

}  // namespace
