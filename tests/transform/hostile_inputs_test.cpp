// Hostile inputs for every reader: each run ends with a defined target and
// the message the dialog shows for it. Identity set-ups (within one
// projection for text files, two identical pixel records for the vector
// formats) make the expected targets derivable by hand. Also: failed and
// refused runs leave an existing target byte for byte as it was.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "definition/definition_file.h"
#include "tests/support/recording_feedback.h"
#include "tests/transform/vector_fixtures.h"
#include "transform/file_messages.h"
#include "transform/illustrator_transform.h"
#include "transform/metafile_transform.h"
#include "transform/text_file_transform.h"

namespace {

using namespace vector_test;
using transform::FileTransformStatus;
using Format = fileio::FileFormatKind;

constexpr std::size_t kHugeLine = std::size_t{50} << 20;

// Text files within projection 1 give every pair back as read.
transform::TransformSnapshot textIdentity() {
    transform::TransformSnapshot s =
        cartesian(cylinder("m ", 10.0, 1.0), "m ", cylinder("m ", 10.0, 1.0), "m ");
    s.projectionMode = std::string(transform::kWithinProjection1);
    return s;
}

transform::TransformSnapshot pixelIdentity() {
    return cartesian(cylinder("pixel", 10.0, 1e6), "pixel", cylinder("pixel", 10.0, 1e6), "pixel");
}

transform::TransformSnapshot millimetreIdentity() {
    return cartesian(cylinder("mm", 10.0, 1e6), "mm", cylinder("mm", 10.0, 1e6), "mm");
}

transform::FileTransformResult runFormat(Format format, const transform::FileTransformRequest& r) {
    RecordingFeedback feedback;
    switch (format) {
        case Format::Text:
            return transform::transformTextFile(r, feedback);
        case Format::Metafile:
            return transform::transformMetafile(r, feedback);
        default:
            return transform::transformIllustratorFile(r, feedback);
    }
}

transform::TransformSnapshot identityFor(Format format) {
    switch (format) {
        case Format::Text:
            return textIdentity();
        case Format::Metafile:
            return pixelIdentity();
        default:
            return millimetreIdentity();
    }
}

struct HostileCase {
    const char* name;
    Format format;
    std::string source;
    std::string expected;
    std::int64_t unmapped;
    char fill = '\0';  // stands for 50 MB at the mark '@'
};

// 50 MB of one character, built only where a case needs it.
const std::string& hugeText() {
    static const std::string text(kHugeLine, 'x');
    return text;
}

// A case's text with its mark '@' (if any) replaced by 50 MB of `fill`.
std::string expand(const std::string& pattern, char fill) {
    const std::size_t mark = pattern.find('@');
    if (fill == '\0' || mark == std::string::npos) return pattern;
    std::string text = pattern.substr(0, mark);
    text.append(kHugeLine, fill);
    return text.append(pattern.substr(mark + 1));
}

// "1e999" is beyond the doubles (infinite: no image), "-0" keeps its sign,
// "nan" is no number, "0x1p3" is the number 0 followed by other characters.
// A path line whose coordinates are not both numbers is no path line: it is
// copied as it is.
const std::vector<HostileCase>& hostileCases() {
    static const std::vector<HostileCase> cases = {
        {"text: empty file", Format::Text, "", "", 0},
        {"text: only delimiters", Format::Text, " ,\t;|\n;;\n|", "\n\n\n", 0},
        {"text: one 50 MB line", Format::Text, "1 2@\n",
         "1.00000000\t2.00000000\t1.00000000\t2.00000000\n", 0, ' '},
        {"text: NUL and 0xFF", Format::Text, bytes("\0\xff 1\n1\0 2\xff\n"),
         "\n1.00000000\t2.00000000\t1.00000000\t2.00000000\n", 0},
        {"text: 1e999", Format::Text, "1e999 1\n1 -1e999\n", "\n\n", 2},
        {"text: -0", Format::Text, "-0 -0.0\n",
         "-0.00000000\t-0.00000000\t-0.00000000\t-0.00000000\n", 0},
        {"text: nan", Format::Text, "nan 1\n1 NaN\n", "\n\n", 0},
        {"text: 0x1p3", Format::Text, "0x1p3 0x10\n",
         "0.00000000\t0.00000000\t0.00000000\t0.00000000\n", 0},

        {"metafile: empty file", Format::Metafile, "", "", 0},
        {"metafile: only delimiters", Format::Metafile, " ,\t;|\n;;\n", "\n\n", 0},
        {"metafile: one 50 MB line", Format::Metafile, "5 1 0\n@\n0 0 0\n",
         "5 2 0\n@\n(Converted by Gitterwerk)\n0 0 0\n", 0, 'x'},
        {"metafile: NUL and 0xFF", Format::Metafile, bytes("\0\xff\n5 1 0\n\xff\0\n"),
         bytes("\0\xff\n5 2 0\n\xff\0\n(Converted by Gitterwerk)\n"), 0},
        {"metafile: count 2147483647", Format::Metafile, "11 2147483647 6\n 10 20 6\n",
         "11 1 6\n10.0 20.0 6\n", 0},
        {"metafile: count -2147483648", Format::Metafile, "11 -2147483648 0\n21 0 1\n",
         "11 -2147483648 0\n21 0 1\n", 0},
        {"metafile: numbers", Format::Metafile, "11 3 6\n1e999 5 6\nnan 1 6\n0x1p3 2 6\n",
         "11 2 6\nnan 1 6\n0.0 2.0 6\n", 1},

        {"Illustrator: empty file", Format::Illustrator, "", "", 0},
        {"Illustrator: only delimiters", Format::Illustrator, " \t\n \n", " \t\n \n", 0},
        {"Illustrator: one 50 MB line", Format::Illustrator, "%@\n", "%@\n", 0, 'x'},
        {"Illustrator: NUL and 0xFF", Format::Illustrator, bytes("\0 \xff m\n\xff\0\n1 \0 L\n"),
         bytes("\0 \xff m\n\xff\0\n1 \0 L\n"), 0},
        {"Illustrator: only path operators", Format::Illustrator,
         "m\nL\nc\nC\nm L c C\nL m\n c C c C c C\n", "m\nL\nc\nC\nm L c C\nL m\n c C c C c C\n", 0},
        {"Illustrator: numbers", Format::Illustrator, "1e999 0 m\n-0 72 L\n0x1p3 nan L\n",
         "0.0000 72.0000 m\n0x1p3 nan L\n", 1},
    };
    return cases;
}

// One test per case, so that each 50 MB case has a time limit of its own.
constexpr std::size_t kHostileCount = 21;

TEST(HostileInputs, TheTableHasOneTestPerCase) {
    EXPECT_EQ(hostileCases().size(), kHostileCount);
}

class HostileInput : public testing::TestWithParam<std::size_t> {};

TEST_P(HostileInput, EndsWithADefinedTargetAndTheFinishedMessage) {
    {
        const HostileCase& c = hostileCases().at(GetParam());
        SCOPED_TRACE(c.name);
        TempDir dir;
        const transform::FileTransformRequest request{identityFor(c.format), dir.file("in"),
                                                      dir.file("out")};
        writeFile(request.sourcePath, expand(c.source, c.fill));
        const transform::FileTransformResult result = runFormat(c.format, request);
        ASSERT_EQ(result.status, FileTransformStatus::Finished);
        EXPECT_EQ(result.unmappedPoints, c.unmapped);
        const std::string target = readFile(request.targetPath);
        if (c.fill != '\0') {
            const std::string expected = expand(c.expected, c.fill);
            EXPECT_TRUE(target == expected) << "sizes " << target.size() << ", " << expected.size();
        } else {
            EXPECT_EQ(target, c.expected);
        }
        const transform::FileMessage message =
            transform::fileTransformMessage(request, result, c.format);
        const std::string created = "Datei : \"" + request.targetPath + "\" erzeugt !";
        EXPECT_EQ(message.text.rfind(created, 0), 0u) << message.text;
        // A second line tells of points without an image, only when there were any.
        EXPECT_EQ(message.text.size() > created.size(), c.unmapped > 0) << message.text;
        EXPECT_EQ(message.caption, "Fertig");
        EXPECT_EQ(message.icon, transform::FileMessageIcon::None);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryReader, HostileInput, testing::Range(std::size_t{0}, kHostileCount));

struct DefinitionCase {
    const char* name;
    std::string text;
    const char* message;  // empty: the file reads
};

// Refusals name the file and, where one is to blame, the line.
const std::vector<DefinitionCase>& definitionCases() {
    static const std::vector<DefinitionCase> cases = {
        {"empty file", "", "Datei \"h.gwp\": Schlüssel \"projectionName\" fehlt"},
        {"only delimiters", " = \n\t=\t\n", "Datei \"h.gwp\", Zeile 1: unbekannter Schlüssel \"\""},
        {"one 50 MB line", "#" + hugeText() + "\nprojectionName = UTM\n", ""},
        {"NUL and 0xFF", bytes("projectionName = UTM\n\0\xff = 1\n"),
         "Datei \"h.gwp\", Zeile 2: unbekannter Schlüssel"},
        {"1e999", "projectionName = Bonn'sche Abbildung\nmainPointLon = 1e999\n",
         "Datei \"h.gwp\", Zeile 2: "},
        {"-0", "projectionName = Bonn'sche Abbildung\nmainPointLon = -0\n", ""},
        {"nan", "projectionName = Bonn'sche Abbildung\nmainPointLon = nan\n",
         "Datei \"h.gwp\", Zeile 2: \"mainPointLon\": Bitte geben Sie eine Zahl ein."},
        {"0x1p3", "projectionName = Bonn'sche Abbildung\nmainPointLon = 0x1p3\n",
         "Datei \"h.gwp\", Zeile 2: \"mainPointLon\": Bitte geben Sie eine Zahl ein."},
        {"strip -2147483648", "projectionName = UTM\nstripNumber = -2147483648\n",
         "Datei \"h.gwp\", Zeile 2: "},
    };
    return cases;
}

TEST(HostileInputs, TheDefinitionFileReaderReadsOrRefusesWithItsMessage) {
    for (const DefinitionCase& c : definitionCases()) {
        SCOPED_TRACE(c.name);
        definition::DefinitionFile file = definition::initialDefinition();
        const definition::DefinitionFile before = file;
        const std::string message = definition::parseDefinitionText(c.text, "h.gwp", file);
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message.substr(0, 200);
        if (*c.message != '\0') {
            EXPECT_FALSE(message.empty());
            EXPECT_EQ(file.definition, before.definition);
        }
    }
}

// Caps the size of the files this process writes while it lives, so that a
// write beyond it fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

struct KeptTargetCase {
    const char* name;
    Format format;
    bool writeFails;     // the run writes more than the disk takes
    bool sourceMissing;  // the run is refused: its source does not open
    FileTransformStatus status;
};

const KeptTargetCase kKeptTargets[] = {
    {"text file, write error", Format::Text, true, false, FileTransformStatus::WriteFailed},
    {"metafile, write error", Format::Metafile, true, false, FileTransformStatus::WriteFailed},
    {"Illustrator, write error", Format::Illustrator, true, false,
     FileTransformStatus::WriteFailed},
    {"text file, refused", Format::Text, false, true, FileTransformStatus::SourceOpenFailed},
    {"metafile, refused", Format::Metafile, false, true, FileTransformStatus::SourceOpenFailed},
};

// A source whose target is far larger than the limit below, in every format.
std::string largeSource(Format format) {
    std::string line;
    switch (format) {
        case Format::Text:
            line = "12.5 48.25\n";
            break;
        case Format::Metafile:
            line = "11 1 6\n 100 200 6\n";
            break;
        default:
            line = "100 200 m\n";
            break;
    }
    std::string text;
    while (text.size() < (std::size_t{1} << 20)) text += line;
    return text;
}

TEST(HostileInputs, AFailedOrRefusedRunLeavesTheTargetAsItWasAndNoStrayFile) {
    for (const KeptTargetCase& c : kKeptTargets) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const transform::FileTransformRequest request{identityFor(c.format), dir.file("in"),
                                                      dir.file("out")};
        if (!c.sourceMissing) writeFile(request.sourcePath, largeSource(c.format));
        writeFile(request.targetPath, "the user's previous file\n");
        transform::FileTransformResult result;
        if (c.writeFails) {
            const FileSizeLimit limit(64 << 10);
            result = runFormat(c.format, request);
        } else {
            result = runFormat(c.format, request);
        }
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(readFile(request.targetPath), "the user's previous file\n");
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(request.targetPath).parent_path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        const std::vector<std::string> expected = c.sourceMissing
                                                      ? std::vector<std::string>{"out"}
                                                      : std::vector<std::string>{"in", "out"};
        EXPECT_EQ(names, expected);
    }
}

TEST(HostileInputs, ASuccessfulRunReplacesTheTarget) {
    TempDir dir;
    const transform::FileTransformRequest request{textIdentity(), dir.file("in"), dir.file("out")};
    writeFile(request.sourcePath, "1 2\n");
    writeFile(request.targetPath, "the user's previous file, longer than the new one\n");
    EXPECT_EQ(runFormat(Format::Text, request).status, FileTransformStatus::Finished);
    EXPECT_EQ(readFile(request.targetPath), "1.00000000\t2.00000000\t1.00000000\t2.00000000\n");
}

}  // namespace
