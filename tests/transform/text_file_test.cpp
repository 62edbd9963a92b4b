#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "geodesy/catalogues.h"
#include "geodesy/projection_names.h"
#include "tests/support/recording_feedback.h"
#include "transform/file_messages.h"
#include "transform/file_run.h"
#include "transform/modes.h"
#include "transform/text_file_transform.h"

namespace {

namespace fs = std::filesystem;
using namespace transform;

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/text_file_XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

geodesy::ProjectionParams onDatum(const char* datum) {
    geodesy::ProjectionParams p;
    p.projectionName = std::string(geodesy::kAzimuthalEquidistant);
    p.scaleDenominator = 1.0;
    p.unitMillimetres = 1000.0;
    p.sphereRadius = 6371000.0;
    p.mainPointLat = 90.0;
    p.datum = geodesy::lookupDatum(datum);
    return p;
}

// The equidistant azimuthal projection about the north pole with calibration
// factor 1: radius 6371000 m at 1 : 6371000000 in millimetres.
geodesy::ProjectionParams unitPolarAzimuthal() {
    geodesy::ProjectionParams p = onDatum("WGS 84 (ECEF)");
    p.scaleDenominator = 6371000000.0;
    p.unitMillimetres = 1.0;
    return p;
}

TransformSnapshot snapshot(geodesy::ProjectionParams p1, geodesy::ProjectionParams p2,
                           std::string_view projectionMode, std::string_view coordinateMode,
                           std::string_view angleFormat, double height) {
    TransformSnapshot s;
    s.projection1 = std::move(p1);
    s.projection2 = std::move(p2);
    s.projectionMode = std::string(projectionMode);
    s.coordinateMode = std::string(coordinateMode);
    s.angleFormat = std::string(angleFormat);
    s.sourceHeight = height;
    return s;
}

// ---- Fixtures: source and expected target byte for byte ----------------------
// The expected files were derived from the formulas by text_derive.py (see
// there), not by this program.

struct Fixture {
    const char* name;
    TransformSnapshot snapshot;
};

const Fixture kFixtures[] = {
    {"identity", snapshot(onDatum("ED50"), onDatum("ED50"), kProjection1To2,
                          kGeographicToGeographic, kDecimalAngles, 0.0)},
    {"projection", snapshot(unitPolarAzimuthal(), onDatum("ED50"), kWithinProjection1,
                            kGeographicToCartesian, kDecimalAngles, 0.0)},
    {"datum", snapshot(onDatum("ED50"), onDatum("MGI (Hermannskogel)"), kProjection1To2,
                       kGeographicToGeographic, kPackedDmsAngles, 250.0)},
};

TEST(TextFileTransformTest, FixturesByteForByte) {
    TempDir dir;
    for (const Fixture& f : kFixtures) {
        const std::string data = std::string(GITTERWERK_TEST_DATA_DIR) + "/text_" + f.name;
        FileTransformRequest request{f.snapshot, data + ".txt", dir / f.name};
        RecordingFeedback feedback;
        const FileTransformResult result = transformTextFile(request, feedback);
        EXPECT_EQ(result.status, FileTransformStatus::Finished) << f.name;
        EXPECT_EQ(result.unmappedPoints, 0) << f.name;
        EXPECT_EQ(readBytes(request.targetPath), readBytes(data + ".expected")) << f.name;
        EXPECT_EQ(feedback.startCount, 1);
        EXPECT_EQ(feedback.stopCount, 1);
    }
}

// ---- Points without an image -----------------------------------------------------

TEST(TextFileTransformTest, PointsWithoutImageGiveEmptyLinesAndAreCounted) {
    TempDir dir;
    geodesy::ProjectionParams mercator = onDatum("WGS 84 (ECEF)");
    mercator.projectionName = std::string(geodesy::kCylinderConformal);
    mercator.mainPointLat = 90.0;
    mercator.delta1 = 90.0;  // true to scale on the equator: the south pole maps to -infinity
    const TransformSnapshot s = snapshot(mercator, mercator, kWithinProjection1,
                                         kGeographicToCartesian, kDecimalAngles, 0.0);
    writeBytes(dir / "poles.txt", "-90 0\n10 20\n-90 5\n1e999 5\n");
    FileTransformRequest request{s, dir / "poles.txt", dir / "poles.out"};
    RecordingFeedback feedback;
    const FileTransformResult result = transformTextFile(request, feedback);
    EXPECT_EQ(result.status, FileTransformStatus::Finished);
    EXPECT_EQ(result.unmappedPoints, 3);
    std::istringstream lines(readBytes(request.targetPath));
    std::string line;
    int count = 0;
    for (int i = 0; std::getline(lines, line); ++i, ++count) {
        EXPECT_EQ(line.empty(), i != 1) << i;
        EXPECT_EQ(line.find_first_of("ni"), std::string::npos) << line;  // no inf, no nan
    }
    EXPECT_EQ(count, 4);
    const FileMessage message = fileTransformMessage(request, result, fileio::FileFormatKind::Text);
    EXPECT_EQ(message.text, "Datei : \"" + request.targetPath +
                                "\" erzeugt !\n3 Punkte ohne Abbildung: leere Zeilen in der "
                                "Zieldatei.");
    EXPECT_EQ(message.caption, "Fertig");
    EXPECT_EQ(message.icon, FileMessageIcon::None);
}

// ---- Open, read and write failures and their messages ----------------------------

enum class Source { Missing, Directory, Empty, Unreadable, Lines };
enum class Target { Fresh, Directory, MissingFolder, Full, PipeWithoutReader };

struct FailureCase {
    const char* what;
    Source source;
    Target target;
    FileTransformStatus status;
    const char* text;  // the message's lead; the path in quotation marks follows
    const char* caption;
    bool feedback;         // started() and stopped() once each
    bool targetUntouched;  // an existing target keeps its bytes
};

const FailureCase kFailures[] = {
    {"missing source", Source::Missing, Target::Fresh, FileTransformStatus::SourceOpenFailed,
     "Fehler beim Öffnen von Datei : ", "Dateizugriff", false, true},
    {"directory as source", Source::Directory, Target::Fresh, FileTransformStatus::SourceOpenFailed,
     "Fehler beim Öffnen von Datei : ", "Dateizugriff", false, true},
    {"directory as target", Source::Lines, Target::Directory, FileTransformStatus::TargetOpenFailed,
     "Fehler beim Schreiben von Datei : ", "Dateizugriff", false, false},
    {"target in a missing folder", Source::Lines, Target::MissingFolder,
     FileTransformStatus::TargetOpenFailed, "Fehler beim Schreiben von Datei : ", "Dateizugriff",
     false, false},
    {"named pipe without reader", Source::Lines, Target::PipeWithoutReader,
     FileTransformStatus::TargetOpenFailed, "Fehler beim Schreiben von Datei : ", "Dateizugriff",
     false, false},
    {"full device", Source::Lines, Target::Full, FileTransformStatus::WriteFailed,
     "Fehler beim Schreiben von Datei : ", "Dateizugriff", true, false},
    {"read error after opening", Source::Unreadable, Target::Fresh, FileTransformStatus::ReadFailed,
     "Fehler beim Lesen von Datei : ", "Dateizugriff", true, true},
    {"empty source", Source::Empty, Target::Fresh, FileTransformStatus::Finished,
     "Datei : ", "Fertig", true, false},
};

std::string sourcePath(const TempDir& dir, Source source) {
    switch (source) {
        case Source::Missing:
            return dir / "missing.txt";
        case Source::Directory:
            fs::create_directory(dir / "folder");
            return dir / "folder";
        case Source::Empty:
            writeBytes(dir / "empty.txt", "");
            return dir / "empty.txt";
        case Source::Unreadable:
            return "/proc/self/mem";  // a regular file whose reading fails
        case Source::Lines:
            break;
    }
    std::string lines;
    for (int i = 0; i < 20000; ++i) lines += "48.5 9.1\n";  // more than a buffer of output
    writeBytes(dir / "lines.txt", lines);
    return dir / "lines.txt";
}

std::string targetPath(const TempDir& dir, Target target) {
    switch (target) {
        case Target::Fresh:
            writeBytes(dir / "target.txt", "old bytes\n");
            return dir / "target.txt";
        case Target::Directory:
            fs::create_directory(dir / "target folder");
            return dir / "target folder";
        case Target::MissingFolder:
            return dir / "no folder/target.txt";
        case Target::Full:
            return "/dev/full";
        case Target::PipeWithoutReader:
            ::mkfifo((dir / "pipe").c_str(), 0600);
            return dir / "pipe";
    }
    return {};
}

TEST(TextFileTransformTest, FailuresAndTheirMessages) {
    for (const FailureCase& c : kFailures) {
        TempDir dir;
        FileTransformRequest request{snapshot(onDatum("ED50"), onDatum("ED50"), kProjection1To2,
                                              kGeographicToGeographic, kDecimalAngles, 0.0),
                                     sourcePath(dir, c.source), targetPath(dir, c.target)};
        RecordingFeedback feedback;
        const FileTransformResult result = transformTextFile(request, feedback);
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_EQ(feedback.startCount, c.feedback ? 1 : 0) << c.what;
        EXPECT_EQ(feedback.stopCount, c.feedback ? 1 : 0) << c.what;
        const FileMessage message =
            fileTransformMessage(request, result, fileio::FileFormatKind::Text);
        const bool aboutSource = c.status == FileTransformStatus::SourceOpenFailed ||
                                 c.status == FileTransformStatus::ReadFailed;
        std::string expected = c.text;
        expected += "\"" + (aboutSource ? request.sourcePath : request.targetPath) + "\"";
        if (c.status == FileTransformStatus::Finished) expected += " erzeugt !";
        EXPECT_EQ(message.text, expected) << c.what;
        EXPECT_EQ(message.caption, c.caption) << c.what;
        EXPECT_EQ(message.icon, c.status == FileTransformStatus::Finished ? FileMessageIcon::None
                                                                          : FileMessageIcon::Error)
            << c.what;
        if (c.targetUntouched) {
            EXPECT_EQ(readBytes(request.targetPath), "old bytes\n") << c.what;
        }
        if (c.target == Target::Full) {
            EXPECT_LT(feedback.pumpCount, 20000) << "the run goes on after the failure";
        }
        if (c.source == Source::Empty) {
            EXPECT_EQ(readBytes(request.targetPath), "") << c.what;
        }
    }
}

// ---- Progress ---------------------------------------------------------------------

struct ProgressCase {
    std::uint64_t consumed, size;
    int position;
};

const ProgressCase kProgress[] = {
    {0, 0, 0},     {7, 0, 0},       {0, 10, 0},
    {1, 3, 33},    {2, 3, 66},      {10, 10, 100},
    {11, 10, 100}, {999, 1000, 99}, {(1ull << 62) + 1, 1ull << 63, 50},
};

TEST(TextFileTransformTest, ProgressPositions) {
    for (const ProgressCase& c : kProgress) {
        EXPECT_EQ(progressPosition(c.consumed, c.size), c.position)
            << c.consumed << " / " << c.size;
    }
}

TEST(TextFileTransformTest, ProgressNeverFallsAndEndsAtHundred) {
    TempDir dir;
    std::string lines;
    for (int i = 0; i < 3000; ++i)
        lines += i % 7 == 0 ? "\n" : "48.5 9.1 " + std::string(i % 50, 'x') + "\n";
    writeBytes(dir / "progress.txt", lines);
    FileTransformRequest request{snapshot(onDatum("ED50"), onDatum("ED50"), kProjection1To2,
                                          kGeographicToGeographic, kDecimalAngles, 0.0),
                                 dir / "progress.txt", dir / "progress.out"};
    RecordingFeedback feedback;
    ASSERT_EQ(transformTextFile(request, feedback).status, FileTransformStatus::Finished);
    ASSERT_EQ(feedback.positions.size(), 3000u);
    EXPECT_EQ(feedback.pumpCount, 3000);
    for (std::size_t i = 0; i < feedback.positions.size(); ++i) {
        EXPECT_GE(feedback.positions[i], i == 0 ? 0 : feedback.positions[i - 1]);
        EXPECT_LE(feedback.positions[i], 100);
    }
    EXPECT_EQ(feedback.positions.back(), 100);
}

// ---- An already open source -------------------------------------------------------

TEST(TextFileTransformTest, ReadsFromAnOpenDescriptor) {
    TempDir dir;
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const std::string bytes =
        "\xEF\xBB\xBF"
        "1 2\nx\n3 4";
    ASSERT_EQ(::write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fds[1]);
    FileTransformRequest request{snapshot(onDatum("ED50"), onDatum("ED50"), kProjection1To2,
                                          kGeographicToGeographic, kDecimalAngles, 0.0),
                                 "-", dir / "stdin.out"};
    RecordingFeedback feedback;
    FileRunOptions options;
    options.sourceDescriptor = fds[0];
    EXPECT_EQ(transformTextFile(request, feedback, options).status, FileTransformStatus::Finished);
    ::close(fds[0]);
    EXPECT_EQ(readBytes(request.targetPath),
              "1.00000000\t2.00000000\t1.00000000\t2.00000000\n\n"
              "3.00000000\t4.00000000\t3.00000000\t4.00000000\n");
    EXPECT_EQ(feedback.positions, (std::vector<int>{0, 0, 0}));  // size unknown
}

}  // namespace
