#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fileio/number_reader.h"
#include "tests/support/recording_feedback.h"
#include "tests/transform/vector_fixtures.h"
#include "transform/metafile_transform.h"

namespace {

using transform::FileTransformStatus;
using namespace vector_test;

// Pixel records on the equidistant cylinder at 1 : 1,000,000 and 10 pixels
// per millimetre map a file onto itself; at 20 pixels per millimetre on the
// other side every coordinate doubles (or halves, the other way round).
transform::TransformSnapshot pixels(double resolution2, bool oneToTwo = true) {
    return cartesian(cylinder("pixel", 10.0, 1e6), "pixel", cylinder("pixel", resolution2, 1e6),
                     "pixel", oneToTwo);
}

transform::FileTransformResult run(const transform::TransformSnapshot& snapshot,
                                   const std::string& source, const std::string& target) {
    RecordingFeedback feedback;
    return transform::transformMetafile({snapshot, source, target}, feedback);
}

std::string transformText(const transform::TransformSnapshot& snapshot, const std::string& source,
                          transform::FileTransformResult* result = nullptr) {
    TempDir dir;
    writeFile(dir.file("in.met"), source);
    const auto r = run(snapshot, dir.file("in.met"), dir.file("out.met"));
    EXPECT_EQ(r.status, FileTransformStatus::Finished);
    if (result != nullptr) *result = r;
    return readFile(dir.file("out.met"));
}

// Expected files derived by hand; the added points lie 50 and 500 source
// pixels to the right of the input point.
TEST(MetafileTransform, FilesByteForByte) {
    const struct {
        const char* source;
        const char* expected;
        transform::TransformSnapshot snapshot;
    } pairs[] = {
        {"met_identity.met", "met_identity.expected", pixels(10.0)},
        {"met_scale.met", "met_scale_double.expected", pixels(20.0)},
        {"met_scale.met", "met_scale_half.expected", pixels(20.0, false)},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.expected);
        EXPECT_EQ(transformText(pair.snapshot, readFile(dataFile(pair.source))),
                  readFile(dataFile(pair.expected)));
    }
}

// Identity records; every case ends in records that must come through intact.
TEST(MetafileTransform, MalformedInput) {
    const struct {
        const char* name;
        std::string source;
        std::string expected;
    } cases[] = {
        {"truncated record", "11 5 0\n 10 20 6\n 30 40 6\n", "11 2 0\n10.0 20.0 6\n30.0 40.0 6\n"},
        {"huge count at the end", "1 0 0\n11 2000000000 0\n", "1 0 0\n11 0 0\n"},
        {"truncated point mark", "12 1 7\n", "12 0 7\n"},
        {"truncated text point", "13 2 4\n 30 -40 8\n", "13 1 4\n30.0 -40.0 8\n"},
        {"truncated text", "5 3 0\nA\n", "5 2 0\nA\n(Converted by Gitterwerk)\n"},
        {"text point without body", "13 0 5\n21 0 9000\n11 1 0\n 10 20 6\n",
         "13 0 5\n21 0 9000\n11 1 0\n10.0 20.0 6\n"},
        {"text point of one line", "13 1 4\nOrt\n0 0 0\n", "13 1 4\nOrt\n0 0 0\n"},
        {"negative count", "5 -1 0\n21 0 9000\n", "5 -1 0\n21 0 9000\n"},
        {"text between records", "Legende\n21 0 9000\n", "Legende\n21 0 9000\n"},
        {"count beyond 32 bits", "11 2147483648 0\n21 0 1\n", "11 2147483648 0\n21 0 1\n"},
        {"type beyond 32 bits", "-2147483649 0 0\n0 0 0\n", "-2147483649 0 0\n0 0 0\n"},
        {"signs and zeros", "+11 01 0\n 1 2 6\n-2147483648 0 x\n",
         "11 1 0\n1.0 2.0 6\n-2147483648 0 x\n"},
        {"counts not integers", "11 1.0 0\n11 0x1 0\n11 1e0 0\n11 1a 0\n",
         "11 1.0 0\n11 0x1 0\n11 1e0 0\n11 1a 0\n"},
        {"two fields", "21 0\n0 0 0\n", "21 0 \n0 0 0\n"},
        {"one field", "21\n0 0 0\n", "21\n0 0 0\n"},
        {"text in a line record", "11 3 0\n 10 20 6\nfoo bar 6\n 30 40 6\n",
         "11 3 0\n10.0 20.0 6\nfoo bar 6\n30.0 40.0 6\n"},
        {"point mark of text", "12 1 7\nfoo\n", "12 1 7\nfoo\n"},
        {"empty text record", "5 0 0\n", "5 1 0\n(Converted by Gitterwerk)\n"},
        {"point of two fields", "11 1 0\n 10 20\n", "11 1 0\n10.0 20.0 \n"},
        {"empty body line", "11 2 0\n\n 10 20 6\n", "11 2 0\n\n10.0 20.0 6\n"},
        {"lone CR and CR LF", "1 0 0\r11 1 0\r\n 10 20 6\r", "1 0 0\n11 1 0\n10.0 20.0 6\n"},
        {"cp1252 and NUL", bytes("5 1 0\nK\xf6ln\0x\n21 0 \xe4\n"),
         bytes("5 2 0\nK\xf6ln\0x\n(Converted by Gitterwerk)\n21 0 \xe4\n")},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "1 0 0\n",
         "\xEF\xBB\xBF"
         "1 0 0\n"},
        {"long lines",
         "5 1 0\n" + std::string(10000, 'x') + "\n11 1 0\n1 2 " + std::string(5000, '7'),
         "5 2 0\n" + std::string(10000, 'x') + "\n(Converted by Gitterwerk)\n11 1 0\n1.0 2.0 " +
             std::string(5000, '7') + "\n"},
        {"empty file", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(transformText(pixels(10.0), c.source), c.expected);
    }
}

// A record far beyond the memory kept for one body still gets its count.
TEST(MetafileTransform, LargeRecordKeepsItsCount) {
    constexpr int kPoints = 300000;
    std::string source = "11 " + std::to_string(kPoints + 1) + " 0\n";
    std::string expected = source;
    for (int i = 0; i < kPoints; ++i) {
        source += "    12345    -6789 6\n";
        expected += "24690.0 -13578.0 6\n";
    }
    EXPECT_TRUE(transformText(pixels(20.0), source + "Ende\n") == expected + "Ende\n");
}

// Beyond the pole the conformal cylinder has no image: such points, added
// ones included, are left out and not counted.
TEST(MetafileTransform, PointsWithoutImageAreLeftOut) {
    const auto mercator =
        cartesian(cylinder("pixel", 10.0, 1e6), "pixel",
                  record(geodesy::kCylinderConformal, "pixel", 10.0, 1e6), "pixel");
    // 111,195 pixels are 11.12 m on the map, 11,120 km on the sphere: 100°.
    transform::FileTransformResult result;
    const std::string out = transformText(
        mercator,
        "11 3 0\n 10 20 6\n 10 111195 6\n 30 40 6\n12 1 7\n 5 111195 3\n13 2 4\n 5 111195 8\nOrt\n",
        &result);
    EXPECT_EQ(shape(out), "11 2 0\n# # 6\n# # 6\n12 0 7\n13 1 4\nOrt\n");
    EXPECT_EQ(result.unmappedPoints, 5);
}

// A file of the graticule export into a conformal cone on another datum:
// every line but the point lines is unchanged (the text record gains its
// line), every count matches its body.
TEST(MetafileTransform, GraticuleExportKeepsItsStructure) {
    const auto snapshot = cartesian(
        record(geodesy::kCylinderEquidistant, "pixel", 10.0, 1e7, "ED50"), "pixel",
        record(geodesy::kConicConformal, "pixel", 5.0, 2e7, "DHDN (Potsdam / Rauenberg)"), "pixel");
    std::istringstream in(readFile(dataFile("met_graticule.met")));
    std::istringstream out(transformText(snapshot, in.str()));
    std::string a;
    std::string b;
    int pointsLeft = 0;
    int points = 0;
    while (std::getline(in, a) && std::getline(out, b)) {
        if (pointsLeft > 0) {
            --pointsLeft;
            points += shape(b) == "# # 6";
        } else {
            EXPECT_EQ(b, a == "5 2 0" ? "5 3 0" : a);
            if (a.rfind("11 ", 0) == 0) pointsLeft = fileio::readInteger(a.substr(3));
            if (a == "(Created by Gitterwerk)" && std::getline(out, b)) {
                EXPECT_EQ(b, "(Converted by Gitterwerk)");
            }
        }
    }
    EXPECT_FALSE(std::getline(in, a) || std::getline(out, b));
    EXPECT_EQ(points, 110);
}

TEST(MetafileTransform, UnitQuestionsForEachSideInOrder) {
    const std::string q1 =
        "Die Einheiten in Projektion 1 sind nicht auf Pixel eingestellt !\n\nTrotzdem fortfahren ?";
    const std::string q2 =
        "Die Einheiten in Projektion 2 sind nicht auf Pixel eingestellt !\n\nTrotzdem fortfahren ?";
    const struct {
        const char* units1;
        const char* units2;
        std::vector<std::string> questions;
    } cases[] = {
        {"pixel", "pixel", {}}, {"mm", "pixel", {q1}},         {"pixel", "m ", {q2}},
        {"km", "cm", {q1, q2}}, {"Pixel", "pixel ", {q1, q2}},
    };
    for (const auto& c : cases) {
        for (bool oneToTwo : {true, false}) {
            const auto snapshot = cartesian(cylinder(c.units1, 10.0, 1e6), c.units1,
                                            cylinder(c.units2, 10.0, 1e6), c.units2, oneToTwo);
            EXPECT_EQ(transform::metafileUnitQuestions(snapshot), c.questions) << c.units1;
        }
    }
}

}  // namespace
