// The three formats byte for byte against files derived by hand, on two
// small scenes written by stand-in projections whose results are exact.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <limits>
#include <memory>
#include <sstream>

#include "fileio/feedback.h"
#include "fileio/number_format.h"
#include "geodesy/engine.h"
#include "graticule/generate.h"
#include "graticule/illustrator_writer.h"
#include "graticule/metafile_writer.h"
#include "graticule/text_writer.h"
#include "test_support.h"
#include "tests/support/recording_feedback.h"

namespace {

using namespace graticule;
using graticule_test::expectedFile;
using graticule_test::readFile;
using graticule_test::TempDir;

std::tm fixedDate() {
    std::tm t{};
    t.tm_year = 2003 - 1900;
    t.tm_mon = 5;
    t.tm_mday = 12;
    t.tm_wday = 4;
    t.tm_hour = 14;
    t.tm_min = 3;
    t.tm_sec = 7;
    return t;
}

constexpr const char* kTitle = "C:\\Karten\\netz (1).ai";

// Scene A: S 20, N 25, W 0, E 1, spacing 5, parallel step 0.5, meridian step
// 2.5: the parallels 20, 23.4458333333 (the tropic after 20) and 25, and the
// meridian 0, three points each. X = 2.5·lon − 0.5, Y = −0.5·lat.
GraticuleExtent sceneA() {
    return {20.0, 25.0, 0.0, 1.0, 5.0, 0.5, 2.5};
}
const graticule_test::LinearProjector kSceneAProjector(2.5, -0.5, -0.5, 0.0);

// Scene B: S 0, N 10, W 0, E 1, spacing 10, parallel step 0.5, meridian step
// 10, with the gaps of GappyProjector: the parallel 0 loses its middle point,
// the parallel 10 all of its points, the meridian 0 its northern point.
GraticuleExtent sceneB() {
    return {0.0, 10.0, 0.0, 1.0, 10.0, 0.5, 10.0};
}
const graticule_test::GappyProjector kSceneBProjector;

std::string run(const PointProjector& projector, const GraticuleExtent& extent,
                GraticuleWriter& writer, const TempDir& dir, BoundingBox* box = nullptr) {
    RecordingFeedback feedback;
    const std::string path = dir.file("out");
    const GenerationResult result = generateGraticule(projector, {extent, path}, writer, feedback);
    EXPECT_EQ(result.status, GenerationStatus::Finished);
    if (box != nullptr) *box = result.box;
    return readFile(path);
}

TEST(Writers, SceneAByteForByte) {
    TempDir dir;
    TextWriter text;
    EXPECT_EQ(run(kSceneAProjector, sceneA(), text, dir), expectedFile("scene_a.txt"));
    MetafileWriter metafile{ObjectKeys{}};
    EXPECT_EQ(run(kSceneAProjector, sceneA(), metafile, dir), expectedFile("scene_a.met"));
    IllustratorWriter illustrator(kTitle, 1.0, fixedDate());
    EXPECT_EQ(run(kSceneAProjector, sceneA(), illustrator, dir),
              expectedFile("ai_header.txt") + expectedFile("scene_a_lines.ai") +
                  expectedFile("ai_trailer.txt"));
}

TEST(Writers, PointsWithoutFiniteImageAreLeftOutOfEveryFormat) {
    TempDir dir;
    BoundingBox box;
    TextWriter text;
    EXPECT_EQ(run(kSceneBProjector, sceneB(), text, dir, &box), expectedFile("scene_b.txt"));
    EXPECT_EQ(box.points, 3);
    EXPECT_EQ(box.xMin, 0.0);
    EXPECT_EQ(box.xMax, 2.0);
    EXPECT_EQ(box.yMin, 1.0);
    EXPECT_EQ(box.yMax, 1.0);

    MetafileWriter metafile{ObjectKeys{}};
    BoundingBox metafileBox;
    EXPECT_EQ(run(kSceneBProjector, sceneB(), metafile, dir, &metafileBox),
              expectedFile("scene_b.met"));
    EXPECT_EQ(metafileBox.points, 3);

    IllustratorWriter illustrator(kTitle, 10.0, fixedDate());  // "cm"
    BoundingBox illustratorBox;
    const std::string document = run(kSceneBProjector, sceneB(), illustrator, dir, &illustratorBox);
    EXPECT_EQ(document, expectedFile("ai_header.txt") + expectedFile("scene_b_lines.ai") +
                            expectedFile("ai_trailer.txt"));
    EXPECT_EQ(graticule_test::checkIllustratorStructure(document), 2);
    EXPECT_EQ(illustratorBox.points, 3);
}

TEST(Writers, ARunWithoutLinesWritesOnlyPrologueAndEpilogue) {
    TempDir dir;
    const GraticuleExtent empty{1.0, 2.0, 1.0, 2.0, 10.0, 1.0, 1.0};
    TextWriter text;
    EXPECT_EQ(run(kSceneAProjector, empty, text, dir), "");
    MetafileWriter metafile{ObjectKeys{}};
    EXPECT_EQ(run(kSceneAProjector, empty, metafile, dir), expectedFile("empty.met"));
    IllustratorWriter illustrator(kTitle, 1.0, fixedDate());
    const std::string document = run(kSceneAProjector, empty, illustrator, dir);
    EXPECT_EQ(document, expectedFile("ai_header.txt") + expectedFile("ai_trailer.txt"));
    EXPECT_EQ(graticule_test::checkIllustratorStructure(document), 0);
}

// x = lon, y = lat, except at (1, 1): X = 1e308, finite in output units but
// beyond the largest double once converted to points in kilometres.
class OverflowingProjector : public PointProjector {
public:
    void forward(double lat, double lon, double& x, double& y) const override {
        x = lat == 1.0 && lon == 1.0 ? 1e308 : lon;
        y = lat;
    }
};

TEST(Writers, PointsThatOverflowInPointsAreLeftOutOfTheIllustratorDocument) {
    // The parallel 1 from 0 to 2 and the meridians 0, 1 and 2 of one point each.
    const GraticuleExtent extent{1.0, 1.0, 0.0, 2.0, 1.0, 1.0, 1.0};
    const OverflowingProjector projector;
    TempDir dir;
    BoundingBox box;
    IllustratorWriter illustrator(kTitle, 1000000.0, fixedDate());  // "km"
    const std::string document = run(projector, extent, illustrator, dir, &box);
    auto layer = [](const char* name, const char* colour, const std::string& points) {
        return std::string("%AI5_BeginLayer\n1 1 0 1 0 0 0 79 128 255 Lb\n(") + name +
               ") Ln\n300 Ar\n1 XR\n" + colour + "\n[] 0 d\n" + points + "S\nLB\n%AI5_EndLayer--\n";
    };
    // 1 km is 1000000 · 72 / 25.4 = 2834645.669... points; the point after
    // the one left out starts a new piece with "m"; the meridian 1 has no point left.
    const std::string lines =
        layer("1\\260 Linien", "[0.7 0 0.7 0] K",
              "0.0000 2834645.6693 m\n5669291.3386 2834645.6693 m\n") +
        layer("10\\260 Linien", "[1 1 0 0] K", "0.0000 2834645.6693 m\n") +
        layer("2\\260 Linien", "[1 0 1 0.3] K", "5669291.3386 2834645.6693 m\n");
    EXPECT_EQ(document, expectedFile("ai_header.txt") + lines + expectedFile("ai_trailer.txt"));
    EXPECT_EQ(box.points, 4);
    EXPECT_EQ(box.xMax, 2.0);

    // The other formats can write the point: it is in their files and boxes.
    TextWriter text;
    BoundingBox textBox;
    char huge[400];
    std::snprintf(huge, sizeof huge, "\t%.8f\t", 1e308);
    EXPECT_NE(run(projector, extent, text, dir, &textBox).find(huge), std::string::npos);
    EXPECT_EQ(textBox.points, 6);
    EXPECT_EQ(textBox.xMax, 1e308);
    MetafileWriter metafile{ObjectKeys{}};
    BoundingBox metafileBox;
    EXPECT_NE(run(projector, extent, metafile, dir, &metafileBox).find("21 0 9003\n11 1 0\n1"),
              std::string::npos);
    EXPECT_EQ(metafileBox.points, 6);
}

// Checks the size of the files in the target's folder (the target is written
// under a temporary name there until it is complete) now and then while a
// run pumps.
class FileWatchingFeedback : public RecordingFeedback {
public:
    explicit FileWatchingFeedback(std::filesystem::path folder) : folder_(std::move(folder)) {}
    void pump() override {
        RecordingFeedback::pump();
        if (pumpCount % 4096 != 0) return;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
            const auto size = entry.file_size(error);
            if (!error && size > largestSize) largestSize = size;
        }
    }
    std::uintmax_t largestSize = 0;

private:
    std::filesystem::path folder_;
};

// x = 1000 · lon, y = lat, without a finite image for 0.25 <= lon < 0.26.
class LongLineProjector : public PointProjector {
public:
    static bool gap(double lon) { return lon >= 0.25 && lon < 0.26; }
    void forward(double lat, double lon, double& x, double& y) const override {
        x = gap(lon) ? std::numeric_limits<double>::quiet_NaN() : 1000.0 * lon;
        y = lat;
    }
};

TEST(Writers, MetafileWritesALongLineWithoutHoldingItInMemory) {
    // The parallel 0 from 0 to 1 by 0.00001 (about 100000 points, some 2 MB
    // of point lines) and the meridian 0 of a single point.
    const GraticuleExtent extent{0.0, 0.0, 0.0, 1.0, 10.0, 0.00001, 1.0};
    int64_t expected = 0;
    for (double lon = 0.0; lon <= 1.0; lon += 0.00001) {
        if (!LongLineProjector::gap(lon)) ++expected;
    }
    ASSERT_GT(expected, 90000);

    TempDir dir;
    const std::string path = dir.file("lang.met");
    MetafileWriter metafile{ObjectKeys{}};
    FileWatchingFeedback feedback(dir.path());
    const GenerationResult result =
        generateGraticule(LongLineProjector(), {extent, path}, metafile, feedback);
    ASSERT_EQ(result.status, GenerationStatus::Finished);
    EXPECT_EQ(result.box.points, expected + 1);
    // The points reached the file while the line was still being walked.
    EXPECT_GT(feedback.largestSize, 1000000u);

    std::istringstream in(readFile(path));
    std::string line;
    for (const char* prologueLine :
         {"1 0 0", "5 2 0", "VIZ-METAFILE QUORIN (C)", "(Created by Gitterwerk)", "21 0 9000"}) {
        ASSERT_TRUE(std::getline(in, line));
        EXPECT_EQ(line, prologueLine);
    }
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "11 " + std::to_string(expected) + " 0");
    for (int64_t i = 0; i < expected; ++i) {
        ASSERT_TRUE(std::getline(in, line)) << i;
        ASSERT_TRUE(line.size() == 21 && line.ends_with(" 6")) << i << ": " << line;
    }
    std::string rest((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(rest, "21 0 9000\n11 1 0\n        0         0 6\n0 0 0\n");
}

TEST(Writers, MetafileUsesTheKeysSetInTheSettings) {
    TempDir dir;
    ObjectKeys keys;
    keys.key10 = 1;
    keys.key5 = 55;
    keys.keyCircles = 9999;
    MetafileWriter metafile(keys);
    const std::string file = run(kSceneAProjector, sceneA(), metafile, dir);
    EXPECT_NE(file.find("21 0 1\n11 3 0\n"), std::string::npos);
    EXPECT_NE(file.find("21 0 9999\n"), std::string::npos);
    EXPECT_NE(file.find("21 0 55\n"), std::string::npos);
    EXPECT_EQ(file.find("21 0 9000"), std::string::npos);
}

TEST(Writers, MetafileCountEqualsThePointLinesOfTheLine) {
    // West −25 to east −5 by 0.1 ends at −5.1 by repeated addition: 200 points.
    TempDir dir;
    MetafileWriter metafile{ObjectKeys{}};
    const std::string file =
        run(kSceneAProjector, {0.0, 0.0, -25.0, -5.0, 10.0, 0.1, 1.0}, metafile, dir);
    std::string prologue = expectedFile("empty.met");
    prologue.resize(prologue.size() - std::string("0 0 0\n").size());
    EXPECT_TRUE(file.starts_with(prologue + "21 0 9000\n11 200 0\n")) << file.substr(0, 200);
    EXPECT_NE(file.find("\n21 0 9000\n11 1 0\n"), std::string::npos);  // meridian -20
}

// Puts a numeric locale with a decimal comma in place for one test (built
// with localedef into the test's directory) and the classic one back after.
class DecimalCommaLocale {
public:
    explicit DecimalCommaLocale(const TempDir& dir) {
        const std::string source = dir.file("komma");
        graticule_test::writeFile(source,
                                  "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\n"
                                  "grouping 3;3\nEND LC_NUMERIC\n");
        const std::string command = "localedef -c -i '" + source + "' -f UTF-8 '" +
                                    dir.file("komma.UTF-8") + "' >/dev/null 2>&1";
        [[maybe_unused]] const int status = std::system(command.c_str());
        ::setenv("LOCPATH", dir.path().c_str(), 1);
        active_ = std::setlocale(LC_NUMERIC, "komma.UTF-8") != nullptr;
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        active_ = active_ && std::string(text) == "1,5";
    }
    ~DecimalCommaLocale() {
        std::setlocale(LC_NUMERIC, "C");
        ::unsetenv("LOCPATH");
    }
    bool active() const { return active_; }

private:
    bool active_ = false;
};

TEST(Writers, FilesAndSummaryUseADecimalPointWhateverTheLocale) {
    TempDir dir;
    const DecimalCommaLocale locale(dir);
    if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma could be made";
    TextWriter text;
    EXPECT_EQ(run(kSceneAProjector, sceneA(), text, dir), expectedFile("scene_a.txt"));
    MetafileWriter metafile{ObjectKeys{}};
    EXPECT_EQ(run(kSceneAProjector, sceneA(), metafile, dir), expectedFile("scene_a.met"));
    IllustratorWriter illustrator(kTitle, 1.0, fixedDate());
    EXPECT_EQ(run(kSceneAProjector, sceneA(), illustrator, dir),
              expectedFile("ai_header.txt") + expectedFile("scene_a_lines.ai") +
                  expectedFile("ai_trailer.txt"));
    BoundingBox box;
    box.add(-1234.5678, 0.5);
    EXPECT_EQ(summaryText("/k/netz.ai", box, "cm"),
              "Datei : \"/k/netz.ai\" erzeugt !\n\n"
              "X-Min :    -1234.568 cm\tX-Max :    -1234.568 cm\n"
              "Y-Min :        0.500 cm\tY-Max :        0.500 cm");
}

struct KeyCase {
    double v;
    int32_t key;
};

TEST(ObjectKeys, DefaultKeysByLineClass) {
    const ObjectKeys keys;
    const KeyCase cases[] = {
        {-90.0, 9000},
        {25.0, 9001},
        {-4.0, 9002},
        {3.0, 9003},
        {47.5, 9004},
        {-66.55, 9005},
        {-23.4458333333, 9005},
        {3.3, 9006},
        {9.99999999999998, 9000},
    };
    for (const KeyCase& c : cases) EXPECT_EQ(keys.objectKeyFor(c.v), c.key) << c.v;
}

TEST(ObjectKeys, KeyCheckAcceptsOneTo9999) {
    for (int32_t key : {1, 9000, 9999}) EXPECT_EQ(checkObjectKey(key), "") << key;
    for (int32_t key : {0, -1, 10000, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(checkObjectKey(key), "Wert für Objekt-Nummer zwischen 1 und 9999") << key;
    }
}

TEST(Illustrator, ToPointsForEveryUnit) {
    struct Case {
        const char* unit;
        double resolution;
        double value;
    };
    // Each value is 25.4 millimetres on the map: 72 points.
    const Case cases[] = {
        {"mm", 32.0, 25.4},    {"cm", 32.0, 2.54},     {"m ", 32.0, 0.0254},
        {"km", 32.0, 2.54e-5}, {"pixel", 10.0, 254.0}, {"pixel", 32.0, 812.8},
    };
    for (const Case& c : cases) {
        const double m = geodesy::unitMillimetres(c.unit, c.resolution);
        EXPECT_EQ(fileio::fixedText(toPoints(c.value, m), 4), "72.0000") << c.unit;
        EXPECT_EQ(fileio::fixedText(toPoints(-c.value, m), 4), "-72.0000") << c.unit;
    }
    // v · m · 72 / 25.4 in that order.
    EXPECT_EQ(toPoints(3.0, 0.1), 3.0 * 0.1 * 72.0 / 25.4);
}

TEST(Illustrator, CreationDateUsesEnglishNamesWhateverTheLocale) {
    EXPECT_EQ(formatCreationDate(fixedDate()), "Thu Jun 12 14:03:07 2003");
    std::tm newYear{};
    newYear.tm_year = 2024 - 1900;
    newYear.tm_mon = 0;
    newYear.tm_mday = 1;
    newYear.tm_wday = 1;
    EXPECT_EQ(formatCreationDate(newYear), "Mon Jan 01 00:00:00 2024");
    std::tm lastDay{};
    lastDay.tm_year = 1999 - 1900;
    lastDay.tm_mon = 11;
    lastDay.tm_mday = 31;
    lastDay.tm_wday = 5;
    lastDay.tm_hour = 23;
    lastDay.tm_min = 59;
    lastDay.tm_sec = 59;
    EXPECT_EQ(formatCreationDate(lastDay), "Fri Dec 31 23:59:59 1999");
}

TEST(Illustrator, EachLineClassHasItsColourAndOnlyPolarCirclesAreDashed) {
    const auto& styles = illustratorStyles();
    EXPECT_EQ(styles[int(LineClass::Degree10)].colourLine, "[1 1 0 0] K");
    EXPECT_EQ(styles[int(LineClass::Degree5)].colourLine, "[0 1 1 0] K");
    EXPECT_EQ(styles[int(LineClass::Degree2)].colourLine, "[1 0 1 0.3] K");
    EXPECT_EQ(styles[int(LineClass::Degree1)].colourLine, "[0.7 0 0.7 0] K");
    EXPECT_EQ(styles[int(LineClass::Minute30)].colourLine, "[0 0 0.8 0] K");
    EXPECT_EQ(styles[int(LineClass::PolarTropic)].colourLine, "[0 1 0 0] K");
    EXPECT_EQ(styles[int(LineClass::Other)].colourLine, "[0 0 0 0.3] K");
    for (const auto& style : styles) {
        EXPECT_EQ(style.dashLine,
                  style.lineClass == LineClass::PolarTropic ? "[1 1 ] 0 d" : "[] 0 d");
        EXPECT_EQ(static_cast<int>(style.lineClass), &style - styles.data());
    }
}

}  // namespace
