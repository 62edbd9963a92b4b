#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "fileio/line_reader.h"
#include "fileio/number_reader.h"
#include "tests/support/recording_feedback.h"
#include "tests/transform/vector_fixtures.h"
#include "transform/metafile_transform.h"

namespace {

using transform::FileTransformStatus;
using namespace vector_test;

// Pixel records on the equidistant cylinder at 1 : 1,000,000 and 10 pixels
// per millimetre: the identity maps a file onto itself; at 20 pixels per
// millimetre every coordinate doubles.
transform::TransformSnapshot identity() {
    return cartesian(cylinder("pixel", 10.0, 1e6), "pixel", cylinder("pixel", 10.0, 1e6), "pixel");
}
transform::TransformSnapshot doubling() {
    return cartesian(cylinder("pixel", 10.0, 1e6), "pixel", cylinder("pixel", 20.0, 1e6), "pixel");
}
transform::TransformSnapshot halving() {
    return cartesian(cylinder("pixel", 10.0, 1e6), "pixel", cylinder("pixel", 20.0, 1e6), "pixel",
                     false);
}

transform::FileTransformResult run(const transform::TransformSnapshot& snapshot,
                                   const std::string& source, const std::string& target,
                                   RecordingFeedback& feedback) {
    return transform::transformMetafile({snapshot, source, target}, feedback);
}

struct FilePair {
    const char* source;
    const char* expected;
    transform::TransformSnapshot (*snapshot)();
};

// Expected files derived by hand: the added points lie 50 and 500 source
// pixels to the right, before the transformation.
const FilePair kFilePairs[] = {
    {"met_identity.met", "met_identity.expected", identity},
    {"met_scale.met", "met_scale_double.expected", doubling},
    {"met_scale.met", "met_scale_half.expected", halving},
};

TEST(MetafileTransform, FilesByteForByte) {
    for (const FilePair& pair : kFilePairs) {
        SCOPED_TRACE(pair.expected);
        TempDir dir;
        RecordingFeedback feedback;
        const auto result =
            run(pair.snapshot(), dataFile(pair.source).string(), dir.file("out.met"), feedback);
        EXPECT_EQ(result.status, FileTransformStatus::Finished);
        EXPECT_EQ(result.unmappedPoints, 0);
        EXPECT_EQ(readFile(dir.file("out.met")), readFile(dataFile(pair.expected)));
        EXPECT_EQ(feedback.startCount, 1);
        EXPECT_EQ(feedback.stopCount, 1);
    }
}

struct Malformed {
    const char* name;
    std::string source;
    std::string expected;
};

// Every case ends in records that must come through intact.
const Malformed kMalformed[] = {
    {"truncated line record", "1 0 0\n11 5 0\n 10 20 6\n 30 40 6\n",
     "1 0 0\n11 2 0\n10.0 20.0 6\n30.0 40.0 6\n"},
    {"huge count on the last line", "1 0 0\n11 2000000000 0\n", "1 0 0\n11 0 0\n"},
    {"truncated point mark: no added point", "12 1 7\n", "12 0 7\n"},
    {"truncated text point: no added point", "13 2 4\n 30 -40 8\n", "13 1 4\n30.0 -40.0 8\n"},
    {"truncated text record", "5 3 0\nA\n", "5 2 0\nA\n(Converted by Gitterwerk)\n"},
    {"text point without body", "13 0 5\n21 0 9000\n11 1 0\n 10 20 6\n0 0 0\n",
     "13 0 5\n21 0 9000\n11 1 0\n10.0 20.0 6\n0 0 0\n"},
    {"text point of its last line only", "13 1 4\nOrt\n0 0 0\n", "13 1 4\nOrt\n0 0 0\n"},
    {"negative count", "5 -1 0\n21 0 9000\n0 0 0\n", "5 -1 0\n21 0 9000\n0 0 0\n"},
    {"text line between records", "Legende\n21 0 9000\n0 0 0\n", "Legende\n21 0 9000\n0 0 0\n"},
    {"count beyond 32 bits", "11 2147483648 0\n21 0 9000\n", "11 2147483648 0\n21 0 9000\n"},
    {"type beyond 32 bits", "-2147483649 0 0\n0 0 0\n", "-2147483649 0 0\n0 0 0\n"},
    {"signs and leading zeros", "+11 01 0\n 1 2 6\n-2147483648 0 x\n",
     "11 1 0\n1.0 2.0 6\n-2147483648 0 x\n"},
    {"fraction, hex and exponent counts", "11 1.0 0\n11 0x1 0\n11 1e0 0\n0 0 0\n",
     "11 1.0 0\n11 0x1 0\n11 1e0 0\n0 0 0\n"},
    {"type and count only", "21 0\n0 0 0\n", "21 0 \n0 0 0\n"},
    {"a single field", "21\n0 0 0\n", "21\n0 0 0\n"},
    {"text inside a line record", "11 3 0\n 10 20 6\nfoo bar 6\n 30 40 6\n",
     "11 3 0\n10.0 20.0 6\nfoo bar 6\n30.0 40.0 6\n"},
    {"point mark of a text line", "12 1 7\nfoo\n", "12 1 7\nfoo\n"},
    {"empty text record", "5 0 0\n0 0 0\n", "5 1 0\n(Converted by Gitterwerk)\n0 0 0\n"},
    {"point line of two fields", "11 1 0\n 10 20\n", "11 1 0\n10.0 20.0 \n"},
    {"empty line inside a record", "11 2 0\n\n 10 20 6\n", "11 2 0\n\n10.0 20.0 6\n"},
    {"lone CR and CR LF", "1 0 0\r11 1 0\r\n 10 20 6\r", "1 0 0\n11 1 0\n10.0 20.0 6\n"},
    {"cp1252 and NUL bytes copied", bytes("5 1 0\nK\xf6ln\0x\n21 0 \xe4\n"),
     bytes("5 2 0\nK\xf6ln\0x\n(Converted by Gitterwerk)\n21 0 \xe4\n")},
    {"byte-order mark before a header",
     "\xEF\xBB\xBF"
     "1 0 0\n0 0 0\n",
     "\xEF\xBB\xBF"
     "1 0 0\n0 0 0\n"},
    {"empty file", "", ""},
};

TEST(MetafileTransform, MalformedRecordsLeaveTheRestIntact) {
    for (const Malformed& c : kMalformed) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        writeFile(dir.file("in.met"), c.source);
        RecordingFeedback feedback;
        const auto result = run(identity(), dir.file("in.met"), dir.file("out.met"), feedback);
        EXPECT_EQ(result.status, FileTransformStatus::Finished);
        EXPECT_EQ(readFile(dir.file("out.met")), c.expected);
    }
}

TEST(MetafileTransform, LongLinesAreCopiedWhole) {
    TempDir dir;
    const std::string text(10000, 'x');
    const std::string point = " 10 20 " + std::string(5000, '7');
    writeFile(dir.file("in.met"), "5 1 0\n" + text + "\n11 1 0\n" + point + "\n");
    RecordingFeedback feedback;
    run(identity(), dir.file("in.met"), dir.file("out.met"), feedback);
    EXPECT_EQ(readFile(dir.file("out.met")), "5 2 0\n" + text + "\n(Converted by Gitterwerk)\n" +
                                                 "11 1 0\n10.0 20.0 " + std::string(5000, '7') +
                                                 "\n");
}

// A record far beyond the memory kept for one body still gets the count of
// its lines written, with the points left out counted too.
TEST(MetafileTransform, LargeRecordKeepsItsCount) {
    TempDir dir;
    constexpr int kPoints = 300000;
    std::string source = "21 0 9000\n11 " + std::to_string(kPoints + 1) + " 0\n";
    source.reserve(source.size() + 24 * kPoints);
    for (int i = 0; i < kPoints; ++i) source += "    12345    -6789 6\n";
    source += "Ende\n";  // the record's last line: not a point, copied
    writeFile(dir.file("in.met"), source);
    RecordingFeedback feedback;
    const auto result = run(doubling(), dir.file("in.met"), dir.file("out.met"), feedback);
    ASSERT_EQ(result.status, FileTransformStatus::Finished);
    const std::string out = readFile(dir.file("out.met"));
    std::string expected = "21 0 9000\n11 " + std::to_string(kPoints + 1) + " 0\n";
    for (int i = 0; i < kPoints; ++i) expected += "24690.0 -13578.0 6\n";
    expected += "Ende\n";
    EXPECT_TRUE(out == expected);
}

// Beyond the pole the conformal cylinder has no image: such points are left
// out and the count says so; no number text of a non-finite value appears.
TEST(MetafileTransform, PointsWithoutImageAreLeftOut) {
    const auto snapshot =
        cartesian(cylinder("pixel", 10.0, 1e6), "pixel",
                  record(geodesy::kCylinderConformal, "pixel", 10.0, 1e6), "pixel");
    // 111,195 pixels are 11.12 m on the map, 11,120 km on the sphere: a
    // latitude of 100°.
    const std::string source =
        "11 3 0\n 10 20 6\n 10 111195 6\n 30 40 6\n"
        "12 1 7\n 5 111195 3\n"
        "13 2 4\n 5 111195 8\nOrt\n0 0 0\n";
    TempDir dir;
    writeFile(dir.file("in.met"), source);
    RecordingFeedback feedback;
    const auto result = run(snapshot, dir.file("in.met"), dir.file("out.met"), feedback);
    EXPECT_EQ(result.status, FileTransformStatus::Finished);
    EXPECT_EQ(result.unmappedPoints, 5);
    const std::string out = readFile(dir.file("out.met"));
    EXPECT_FALSE(holdsNonFiniteText(out)) << out;
    std::istringstream lines(out);
    std::vector<std::string> all;
    for (std::string l; std::getline(lines, l);) all.push_back(l);
    ASSERT_EQ(all.size(), 7u) << out;
    EXPECT_EQ(all[0], "11 2 0");
    EXPECT_EQ(all[3], "12 0 7");
    EXPECT_EQ(all[4], "13 1 4");
    EXPECT_EQ(all[5], "Ort");
    EXPECT_EQ(all[6], "0 0 0");
}

// A file of the graticule export, transformed into a conformal cone on
// another datum: every line that is not a point line is unchanged (the text
// record gains its line), every count matches its body, every point line is
// "x.x y.y 6".
TEST(MetafileTransform, GraticuleExportKeepsItsStructure) {
    auto target = record(geodesy::kConicConformal, "pixel", 5.0, 2e7, "DHDN (Potsdam / Rauenberg)");
    auto source = record(geodesy::kCylinderEquidistant, "pixel", 10.0, 1e7, "ED50");
    TempDir dir;
    RecordingFeedback feedback;
    const auto result = run(cartesian(source, "pixel", target, "pixel"),
                            dataFile("met_graticule.met").string(), dir.file("out.met"), feedback);
    ASSERT_EQ(result.status, FileTransformStatus::Finished);

    std::istringstream in(readFile(dataFile("met_graticule.met")));
    std::istringstream out(readFile(dir.file("out.met")));
    std::string a;
    std::string b;
    int pointsLeft = 0;
    int records = 0;
    const fileio::DelimiterSet blanks(" ");
    while (std::getline(in, a)) {
        ASSERT_TRUE(std::getline(out, b));
        if (pointsLeft > 0) {
            --pointsLeft;
            std::string_view f[4];
            ASSERT_EQ(fileio::splitFields(b, blanks, f, 4), 3) << b;
            EXPECT_TRUE(fileio::startsWithNumber(f[0]) && fileio::startsWithNumber(f[1])) << b;
            EXPECT_EQ(f[0].substr(f[0].size() - 2, 1), ".");
            EXPECT_EQ(f[2], "6");
            continue;
        }
        // The text record gains its line; every other line stays as it was.
        EXPECT_EQ(b, a == "5 2 0" ? "5 3 0" : a);
        if (a.rfind("11 ", 0) == 0) {
            pointsLeft = static_cast<int>(fileio::readNumber(std::string_view(a).substr(3)));
            ++records;
        }
        if (a == "(Created by Gitterwerk)") {
            ASSERT_TRUE(std::getline(out, b));
            EXPECT_EQ(b, "(Converted by Gitterwerk)");
        }
    }
    EXPECT_FALSE(std::getline(out, b));
    EXPECT_EQ(records, 10);
}

TEST(MetafileTransform, UnitQuestionsForEachSideInOrder) {
    struct Case {
        const char* units1;
        const char* units2;
        std::vector<std::string> questions;
    };
    const std::string q1 =
        "Die Einheiten in Projektion 1 sind nicht auf Pixel eingestellt !\n\nTrotzdem fortfahren ?";
    const std::string q2 =
        "Die Einheiten in Projektion 2 sind nicht auf Pixel eingestellt !\n\nTrotzdem fortfahren ?";
    const Case cases[] = {
        {"pixel", "pixel", {}}, {"mm", "pixel", {q1}},         {"pixel", "m ", {q2}},
        {"km", "cm", {q1, q2}}, {"Pixel", "pixel ", {q1, q2}},
    };
    for (const Case& c : cases) {
        for (bool oneToTwo : {true, false}) {
            const auto snapshot = cartesian(cylinder(c.units1, 10.0, 1e6), c.units1,
                                            cylinder(c.units2, 10.0, 1e6), c.units2, oneToTwo);
            EXPECT_EQ(transform::metafileUnitQuestions(snapshot), c.questions)
                << c.units1 << "|" << c.units2;
        }
    }
    EXPECT_STREQ(transform::kUnitsCaption, "Einheiten");
}

TEST(MetafileTransform, FileFailures) {
    TempDir dir;
    writeFile(dir.file("in.met"), "1 0 0\n11 1 0\n 10 20 6\n0 0 0\n");
    writeFile(dir.file("kept.met"), "unchanged");
    std::filesystem::create_directory(dir.file("folder"));
    struct Case {
        std::string source;
        std::string target;
        FileTransformStatus status;
        int starts;
    };
    const Case cases[] = {
        {dir.file("missing.met"), dir.file("out.met"), FileTransformStatus::SourceOpenFailed, 0},
        {dir.file("folder"), dir.file("kept.met"), FileTransformStatus::SourceOpenFailed, 0},
        {dir.file("in.met"), dir.file("folder"), FileTransformStatus::TargetOpenFailed, 0},
        {dir.file("in.met"), "/dev/full", FileTransformStatus::WriteFailed, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.target);
        RecordingFeedback feedback;
        const auto result = run(identity(), c.source, c.target, feedback);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(feedback.startCount, c.starts);
        EXPECT_EQ(feedback.stopCount, c.starts);
    }
    EXPECT_EQ(readFile(dir.file("kept.met")), "unchanged");
}

TEST(MetafileTransform, ProgressRisesToTheEnd) {
    TempDir dir;
    std::string source = "11 400 0\n";
    for (int i = 0; i < 400; ++i) source += " 10 20 6\n";
    writeFile(dir.file("in.met"), source);
    RecordingFeedback feedback;
    run(identity(), dir.file("in.met"), dir.file("out.met"), feedback);
    ASSERT_FALSE(feedback.positions.empty());
    for (std::size_t i = 1; i < feedback.positions.size(); ++i) {
        EXPECT_LE(feedback.positions[i - 1], feedback.positions[i]);
    }
    EXPECT_EQ(feedback.positions.back(), 100);
    EXPECT_EQ(feedback.pumpCount, static_cast<long long>(feedback.positions.size()));
}

}  // namespace
