#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "fileio/illustrator_format.h"
#include "tests/support/recording_feedback.h"
#include "tests/transform/vector_fixtures.h"
#include "transform/illustrator_transform.h"
#include "transform/metafile_transform.h"

namespace {

using transform::FileTransformStatus;
using transform::IllustratorLineKind;
using namespace vector_test;

// Millimetre records on the equidistant cylinder at 1 : 1,000,000: the
// identity, or at 1 : 500,000 on side 2 every coordinate doubles.
transform::TransformSnapshot millimetres(double scale2 = 1e6) {
    return cartesian(cylinder("mm", 10.0, 1e6), "mm", cylinder("mm", 10.0, scale2), "mm");
}
// The same map in pixels at 10 per millimetre on the source side: 72 points
// are 254 pixels there, 25.4 mm on the target side and 72 points again;
// without either conversion the numbers would change.
transform::TransformSnapshot pixelSource(bool oneToTwo) {
    const auto pixel = cylinder("pixel", 10.0, 1e6);
    const auto mm = cylinder("mm", 10.0, 1e6);
    return oneToTwo ? cartesian(pixel, "pixel", mm, "mm")
                    : cartesian(mm, "mm", pixel, "pixel", false);
}

std::string transformText(const transform::TransformSnapshot& snapshot, const std::string& source,
                          transform::FileTransformResult* result = nullptr) {
    TempDir dir;
    writeFile(dir.file("in.ai"), source);
    RecordingFeedback feedback;
    const auto r = transform::transformIllustratorFile(
        {snapshot, dir.file("in.ai"), dir.file("out.ai")}, feedback);
    EXPECT_EQ(r.status, FileTransformStatus::Finished);
    if (result != nullptr) *result = r;
    return readFile(dir.file("out.ai"));
}

TEST(IllustratorTransform, ClassifiesByOperatorField) {
    const struct {
        const char* line;
        IllustratorLineKind kind;
        char op;
    } cases[] = {
        {"100 200 m", IllustratorLineKind::Point, 'm'},
        {"1\t2\tl", IllustratorLineKind::Point, 'l'},
        {"  1 2 L", IllustratorLineKind::Point, 'L'},
        {"1,2 3 m", IllustratorLineKind::Point, 'm'},  // commas do not split operators
        {"1,2 m", IllustratorLineKind::Other, 0},
        {"1 2 mm", IllustratorLineKind::Other, 0},
        {"1 2 M", IllustratorLineKind::Other, 0},  // the miter limit
        {"1 2 3 4 5 6 C x", IllustratorLineKind::Curve, 'C'},
        {"1 2 3 4 5 6 7 c", IllustratorLineKind::Other, 0},
        {"1 2 3 4 Y", IllustratorLineKind::ShortCurve, 'Y'},
        {"0 0 0 1 k", IllustratorLineKind::Other, 0},
        {"", IllustratorLineKind::Other, 0},
    };
    for (const auto& c : cases) {
        const transform::IllustratorLine line = transform::classifyIllustratorLine(c.line);
        EXPECT_TRUE(line.kind == c.kind && line.op == c.op) << c.line;
    }
}

// Expected files derived by hand: every path point with four decimals, the
// same values or doubled; lines whose numbers do not read are copied.
TEST(IllustratorTransform, FilesByteForByte) {
    const struct {
        const char* expected;
        transform::TransformSnapshot snapshot;
    } pairs[] = {
        {"ai_paths_identity.expected", millimetres()},
        {"ai_paths_double.expected", millimetres(5e5)},
        {"ai_paths_identity.expected", pixelSource(true)},
        {"ai_paths_identity.expected", pixelSource(false)},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.expected);
        EXPECT_EQ(transformText(pair.snapshot, readFile(dataFile("ai_paths.ai"))),
                  readFile(dataFile(pair.expected)));
    }
    EXPECT_NEAR(fileio::illustrator::pointsToUnits(72.0, 1.0 / 10.0), 254.0, 1e-12);
}

TEST(IllustratorTransform, LinesOfAnyShapeAreCopied) {
    const std::string longLine(10000, 'q');
    const struct {
        const char* name;
        std::string source;
        std::string expected;
    } cases[] = {
        {"CR only", "%!PS\r10 20 m\r30 40 L\rS\r",
         "%!PS\n10.0000 20.0000 m\n30.0000 40.0000 L\nS\n"},
        {"CR LF", "%!PS\r\n10 20 m\r\n", "%!PS\n10.0000 20.0000 m\n"},
        {"long line", longLine + "\n10 20 m", longLine + "\n10.0000 20.0000 m\n"},
        {"NUL and cp1252", bytes("(a\0b) Tx\n(K\xf6ln) Tx\n"), bytes("(a\0b) Tx\n(K\xf6ln) Tx\n")},
        {"byte-order mark", "\xEF\xBB\xBF%!PS\n", "\xEF\xBB\xBF%!PS\n"},
        {"empty lines", "\n\n10 20 m\n\n", "\n\n10.0000 20.0000 m\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(transformText(millimetres(), c.source), c.expected);
    }
}

// Beyond the pole the conformal cylinder has no image, and a value beyond
// the largest PostScript real is treated alike: the point is left out, a
// curve with such a point is left out whole, and the next path line written
// starts a new subpath (a curve as a move-to its end point).
TEST(IllustratorTransform, PointsWithoutImageStartANewSubpath) {
    const auto mercator = cartesian(cylinder("mm", 10.0, 1e6), "mm",
                                    record(geodesy::kCylinderConformal, "mm", 10.0, 1e6), "mm");
    // 31,521 points are 11.12 m on the map, 11,120 km on the sphere: 100°.
    const struct {
        const char* source;
        const char* shape;
        int unmapped;
    } cases[] = {
        {"10 20 m\n10 31521 L\n30 40 L\n50 60 L\n", "# # m\n# # m\n# # L\n", 1},
        {"10 31521 m\n30 40 L\n", "# # m\n", 1},
        {"10 20 m\n10 31521 L\n1 2 3 4 5 6 c\n7 8 9 10 11 12 C\n", "# # m\n# # m\n# # # # # # C\n",
         1},
        {"10 20 m\n1 2 3 31521 5 6 c\n7 8 L\n", "# # m\n# # m\n", 1},
        {"10 31521 m\n1 2 3 4 v\n", "# # m\n", 1},
        {"10 31521 m\n1 31521 3 31521 5 31521 c\nS\n", "S\n", 4},
    };
    for (const auto& c : cases) {
        transform::FileTransformResult result;
        EXPECT_EQ(shape(transformText(mercator, c.source, &result)), c.shape) << c.source;
        EXPECT_EQ(result.unmappedPoints, c.unmapped) << c.source;
    }
    transform::FileTransformResult result;
    EXPECT_EQ(transformText(millimetres(1e-33), "10 20 m\n30 40 L\nS\n", &result), "S\n");
    EXPECT_EQ(result.unmappedPoints, 2);
}

// Every line of a document of the graticule export that is not a path
// point comes out byte for byte.
TEST(IllustratorTransform, GraticuleExportKeepsEveryOtherLine) {
    const auto snapshot = cartesian(
        record(geodesy::kCylinderEquidistant, "mm", 10.0, 1e7, "ED50"), "mm",
        record(geodesy::kAzimuthalConformal, "cm", 10.0, 2e7, "DHDN (Potsdam / Rauenberg)"), "cm");
    std::istringstream in(readFile(dataFile("ai_graticule.ai")));
    std::istringstream out(transformText(snapshot, in.str()));
    std::string a;
    std::string b;
    int points = 0;
    while (std::getline(in, a) && std::getline(out, b)) {
        const char op = transform::classifyIllustratorLine(a).op;
        EXPECT_EQ(op == 0 ? b : shape(a), op == 0 ? a : shape(b));
        points += op != 0 && b != a;
    }
    EXPECT_FALSE(std::getline(in, a) || std::getline(out, b));
    EXPECT_EQ(points, 110);
}

// Both vector formats: failures to open, to read and to write.
TEST(VectorTransform, FileFailures) {
    TempDir dir;
    writeFile(dir.file("in"), "1 0 0\n11 1 0\n 10 20 6\n");
    writeFile(dir.file("kept"), "unchanged");
    std::filesystem::create_directory(dir.file("folder"));
    const struct {
        std::string source;
        std::string target;
        FileTransformStatus status;
        int starts;
    } cases[] = {
        {dir.file("missing"), dir.file("out"), FileTransformStatus::SourceOpenFailed, 0},
        {dir.file("folder"), dir.file("kept"), FileTransformStatus::SourceOpenFailed, 0},
        {dir.file("in"), dir.file("folder"), FileTransformStatus::TargetOpenFailed, 0},
        {dir.file("in"), "/dev/full", FileTransformStatus::WriteFailed, 1},
        // A regular file whose first read fails (address 0 is not mapped).
        {"/proc/self/mem", dir.file("out"), FileTransformStatus::ReadFailed, 1},
    };
    for (const auto& run : {transform::transformMetafile, transform::transformIllustratorFile}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.source + " -> " + c.target);
            RecordingFeedback feedback;
            EXPECT_EQ(run({millimetres(), c.source, c.target}, feedback, {}).status, c.status);
            EXPECT_EQ(feedback.startCount, c.starts);
            EXPECT_EQ(feedback.stopCount, c.starts);
        }
    }
    EXPECT_EQ(readFile(dir.file("kept")), "unchanged");
}

}  // namespace
