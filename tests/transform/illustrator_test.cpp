#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "fileio/illustrator_format.h"
#include "tests/support/recording_feedback.h"
#include "tests/transform/vector_fixtures.h"
#include "transform/illustrator_transform.h"

namespace {

using transform::FileTransformStatus;
using transform::IllustratorLineKind;
using namespace vector_test;

// Millimetre records on the equidistant cylinder: at equal scales the
// identity, at 1 : 500,000 against 1 : 1,000,000 every coordinate doubles.
transform::TransformSnapshot identity() {
    return cartesian(cylinder("mm", 10.0, 1e6), "mm", cylinder("mm", 10.0, 1e6), "mm");
}
transform::TransformSnapshot doubling() {
    return cartesian(cylinder("mm", 10.0, 1e6), "mm", cylinder("mm", 10.0, 5e5), "mm");
}
// The same map in pixels at 10 per millimetre on the source side: 72 points
// are 254 pixels there and 25.4 millimetres on the target side, 72 points
// again. Without the conversions the numbers would change.
transform::TransformSnapshot pixelSource() {
    return cartesian(cylinder("pixel", 10.0, 1e6), "pixel", cylinder("mm", 10.0, 1e6), "mm");
}
// The same, from projection 2 to projection 1.
transform::TransformSnapshot pixelSourceBackwards() {
    return cartesian(cylinder("mm", 10.0, 1e6), "mm", cylinder("pixel", 10.0, 1e6), "pixel", false);
}

transform::FileTransformResult run(const transform::TransformSnapshot& snapshot,
                                   const std::string& source, const std::string& target,
                                   RecordingFeedback& feedback) {
    return transform::transformIllustratorFile({snapshot, source, target}, feedback);
}

std::string transformText(const transform::TransformSnapshot& snapshot, std::string_view source,
                          transform::FileTransformResult* result = nullptr) {
    TempDir dir;
    writeFile(dir.file("in.ai"), source);
    RecordingFeedback feedback;
    const auto r = run(snapshot, dir.file("in.ai"), dir.file("out.ai"), feedback);
    EXPECT_EQ(r.status, FileTransformStatus::Finished);
    if (result != nullptr) *result = r;
    return readFile(dir.file("out.ai"));
}

TEST(IllustratorTransform, ClassifiesByOperatorField) {
    struct Case {
        const char* line;
        IllustratorLineKind kind;
        char op;
    };
    const Case cases[] = {
        {"100 200 m", IllustratorLineKind::Point, 'm'},
        {"1 2 L", IllustratorLineKind::Point, 'L'},
        {"1\t2\tl", IllustratorLineKind::Point, 'l'},
        {"  1 2 m", IllustratorLineKind::Point, 'm'},
        {"1 2 3 4 5 6 c", IllustratorLineKind::Curve, 'c'},
        {"1 2 3 4 5 6 C", IllustratorLineKind::Curve, 'C'},
        {"1 2 3 4 v", IllustratorLineKind::ShortCurve, 'v'},
        {"1 2 3 4 V", IllustratorLineKind::ShortCurve, 'V'},
        {"1 2 3 4 y", IllustratorLineKind::ShortCurve, 'y'},
        {"1 2 3 4 Y", IllustratorLineKind::ShortCurve, 'Y'},
        {"1,2 3 m", IllustratorLineKind::Point, 'm'},  // the comma does not split here
        {"1,2 m", IllustratorLineKind::Other, 0},
        {"1 2 mm", IllustratorLineKind::Other, 0},
        {"1 2 M", IllustratorLineKind::Other, 0},  // miter limit
        {"0 0 0 1 k", IllustratorLineKind::Other, 0},
        {"1 2 3 4 5 6 c x", IllustratorLineKind::Curve, 'c'},
        {"1 2 3 4 5 6 7 c", IllustratorLineKind::Other, 0},
        {"%%BoundingBox: 0 0 5669 5669", IllustratorLineKind::Other, 0},
        {"", IllustratorLineKind::Other, 0},
    };
    for (const Case& c : cases) {
        const transform::IllustratorLine line = transform::classifyIllustratorLine(c.line);
        EXPECT_EQ(line.kind, c.kind) << c.line;
        EXPECT_EQ(line.op, c.op) << c.line;
    }
}

struct FilePair {
    const char* source;
    const char* expected;
    transform::TransformSnapshot (*snapshot)();
};

const FilePair kFilePairs[] = {
    {"ai_paths.ai", "ai_paths_identity.expected", identity},
    {"ai_paths.ai", "ai_paths_double.expected", doubling},
    {"ai_paths.ai", "ai_paths_identity.expected", pixelSource},
    {"ai_paths.ai", "ai_paths_identity.expected", pixelSourceBackwards},
};

TEST(IllustratorTransform, FilesByteForByte) {
    for (const FilePair& pair : kFilePairs) {
        SCOPED_TRACE(pair.expected);
        TempDir dir;
        RecordingFeedback feedback;
        const auto result =
            run(pair.snapshot(), dataFile(pair.source).string(), dir.file("out.ai"), feedback);
        EXPECT_EQ(result.status, FileTransformStatus::Finished);
        EXPECT_EQ(readFile(dir.file("out.ai")), readFile(dataFile(pair.expected)));
    }
}

TEST(IllustratorTransform, PointsToSourceUnits) {
    // 72 points are one inch, 25.4 mm: 254 pixels at 10 pixels per millimetre.
    EXPECT_NEAR(fileio::illustrator::pointsToUnits(72.0, 1.0 / 10.0), 254.0, 1e-12);
    EXPECT_NEAR(fileio::illustrator::pointsToUnits(72.0, 10.0), 2.54, 1e-15);
    EXPECT_NEAR(fileio::illustrator::unitsToPoints(254.0, 1.0 / 10.0), 72.0, 1e-12);
    EXPECT_EQ(transformText(pixelSource(), "72 -144 m\n"), "72.0000 -144.0000 m\n");
}

// Every line of a document of the graticule export that is not a path
// point comes out byte for byte; the points move.
TEST(IllustratorTransform, GraticuleExportKeepsEveryOtherLine) {
    const auto snapshot =
        cartesian(vector_test::record(geodesy::kCylinderEquidistant, "mm", 10.0, 1e7, "ED50"), "mm",
                  vector_test::record(geodesy::kAzimuthalConformal, "cm", 10.0, 2e7,
                                      "DHDN (Potsdam / Rauenberg)"),
                  "cm");
    const std::string source = readFile(dataFile("ai_graticule.ai"));
    const std::string out = transformText(snapshot, source);
    std::istringstream in(source);
    std::istringstream written(out);
    std::string a;
    std::string b;
    int points = 0;
    while (std::getline(in, a)) {
        ASSERT_TRUE(std::getline(written, b));
        const auto kind = transform::classifyIllustratorLine(a).kind;
        if (kind == IllustratorLineKind::Other) {
            EXPECT_EQ(b, a);
        } else {
            ++points;
            EXPECT_EQ(transform::classifyIllustratorLine(b).op, a.back());
            EXPECT_NE(b, a);
        }
    }
    EXPECT_FALSE(std::getline(written, b));
    EXPECT_EQ(points, 110);
    EXPECT_FALSE(holdsNonFiniteText(out));
}

TEST(IllustratorTransform, LinesOfAnyShapeAreCopied) {
    const std::string longLine(10000, 'q');
    const std::string nul = bytes("(a\0b) Tx");
    struct Case {
        const char* name;
        std::string source;
        std::string expected;
    };
    const Case cases[] = {
        {"CR-only document", "%!PS\r10 20 m\r30 40 L\rS\r",
         "%!PS\n10.0000 20.0000 m\n30.0000 40.0000 L\nS\n"},
        {"CR LF document", "%!PS\r\n10 20 m\r\n", "%!PS\n10.0000 20.0000 m\n"},
        {"a 10,000-character line", longLine + "\n10 20 m", longLine + "\n10.0000 20.0000 m\n"},
        {"NUL and cp1252 bytes", nul + "\n(K\xf6ln) Tx\n", nul + "\n(K\xf6ln) Tx\n"},
        {"byte-order mark", "\xEF\xBB\xBF%!PS\n", "\xEF\xBB\xBF%!PS\n"},
        {"empty lines", "\n\n10 20 m\n\n", "\n\n10.0000 20.0000 m\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(transformText(identity(), c.source), c.expected);
    }
}

// Beyond the pole the conformal cylinder has no image. The gap is left out
// and the path starts anew after it; a curve after the gap becomes a move-to
// its end point.
TEST(IllustratorTransform, PointsWithoutImageStartANewSubpath) {
    const auto snapshot = cartesian(cylinder("mm", 10.0, 1e6), "mm",
                                    record(geodesy::kCylinderConformal, "mm", 10.0, 1e6), "mm");
    // 31,521 points are 11.12 m on the map, 11,120 km on the sphere: a
    // latitude of 100°.
    struct Case {
        const char* name;
        const char* source;
        const char* expected;
        int unmapped;
    };
    const Case cases[] = {
        {"line-to after a gap", "10 20 m\n10 31521 L\n30 40 L\n50 60 L\n",
         "10.0000 20.0000 m\n30.0000 40.0000 m\n50.0000 60.0000 L\n", 1},
        {"move-to lost", "10 31521 m\n30 40 L\n", "30.0000 40.0000 m\n", 1},
        {"curve after a gap", "10 20 m\n10 31521 L\n1 2 3 4 5 6 c\n7 8 9 10 11 12 C\n",
         "10.0000 20.0000 m\n5.0000 6.0000 m\n7.0000 8.0000 9.0000 10.0000 11.0000 12.0000 C\n", 1},
        {"curve with one point lost", "10 20 m\n1 2 3 31521 5 6 c\n7 8 L\n",
         "10.0000 20.0000 m\n7.0000 8.0000 m\n", 1},
        {"short curve after a gap", "10 31521 m\n1 2 3 4 v\n", "3.0000 4.0000 m\n", 1},
        {"every point lost", "10 31521 m\n1 31521 3 31521 5 31521 c\nS\n", "S\n", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        transform::FileTransformResult result;
        const std::string out = transformText(snapshot, c.source, &result);
        // On this map y = 0 at the equator both ways, and the conformal
        // cylinder stretches latitudes: compare only the structure.
        std::istringstream expected(c.expected);
        std::istringstream written(out);
        std::string e;
        std::string w;
        while (std::getline(expected, e)) {
            ASSERT_TRUE(std::getline(written, w)) << out;
            EXPECT_EQ(w.back(), e.back()) << out;
            EXPECT_EQ(std::count(w.begin(), w.end(), ' '), std::count(e.begin(), e.end(), ' '));
        }
        EXPECT_FALSE(std::getline(written, w)) << out;
        EXPECT_EQ(result.unmappedPoints, c.unmapped);
        EXPECT_FALSE(holdsNonFiniteText(out)) << out;
    }
}

// A value beyond the largest PostScript real is treated like one without
// an image.
TEST(IllustratorTransform, ValuesBeyondThePostScriptRangeAreLeftOut) {
    const auto snapshot =
        cartesian(cylinder("mm", 10.0, 1e6), "mm", cylinder("mm", 10.0, 1e-33), "mm");
    transform::FileTransformResult result;
    EXPECT_EQ(transformText(snapshot, "10 20 m\n30 40 L\nS\n", &result), "S\n");
    EXPECT_EQ(result.unmappedPoints, 2);
}

TEST(IllustratorTransform, PathLinesWhoseNumbersDoNotReadAreCopied) {
    const char* const lines[] = {"foo bar m\n", "1 x L\n", "1 2 3 4 5 six c\n", "a b c d v\n",
                                 ".x 1 l\n"};
    for (const char* line : lines) EXPECT_EQ(transformText(identity(), line), line);
}

TEST(IllustratorTransform, FileFailures) {
    TempDir dir;
    writeFile(dir.file("in.ai"), "%!PS\n10 20 m\n");
    writeFile(dir.file("kept.ai"), "unchanged");
    std::filesystem::create_directory(dir.file("folder"));
    struct Case {
        std::string source;
        std::string target;
        FileTransformStatus status;
        int starts;
    };
    const Case cases[] = {
        {dir.file("missing.ai"), dir.file("out.ai"), FileTransformStatus::SourceOpenFailed, 0},
        {dir.file("folder"), dir.file("kept.ai"), FileTransformStatus::SourceOpenFailed, 0},
        {dir.file("in.ai"), dir.file("folder"), FileTransformStatus::TargetOpenFailed, 0},
        {dir.file("in.ai"), "/dev/full", FileTransformStatus::WriteFailed, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.target);
        RecordingFeedback feedback;
        const auto result = run(identity(), c.source, c.target, feedback);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(feedback.startCount, c.starts);
        EXPECT_EQ(feedback.stopCount, c.starts);
    }
    EXPECT_EQ(readFile(dir.file("kept.ai")), "unchanged");
}

}  // namespace
