#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "geodesy/catalogues.h"
#include "geodesy/projection_names.h"
#include "tests/support/recording_feedback.h"
#include "transform/file_messages.h"
#include "transform/modes.h"
#include "transform/text_file_transform.h"

namespace {

namespace fs = std::filesystem;
using namespace transform;

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

struct TempDir {
    TempDir() {
        char pattern[] = "/tmp/text_file_XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string operator/(const char* name) const { return path + "/" + name; }
    std::string path;
};

// The equidistant azimuthal projection about the north pole; with
// `unitFactor` its calibration factor is 1 (radius 6371000 m at
// 1 : 6371000000 in millimetres).
geodesy::ProjectionParams polarAzimuthal(const char* datum, bool unitFactor = false) {
    geodesy::ProjectionParams p;
    p.projectionName = std::string(geodesy::kAzimuthalEquidistant);
    p.scaleDenominator = unitFactor ? 6371000000.0 : 1.0;
    p.unitMillimetres = unitFactor ? 1.0 : 1000.0;
    p.sphereRadius = 6371000.0;
    p.mainPointLat = 90.0;
    p.datum = geodesy::lookupDatum(datum);
    return p;
}

TransformSnapshot snapshot(geodesy::ProjectionParams p1, geodesy::ProjectionParams p2,
                           std::string_view projectionMode, std::string_view coordinateMode,
                           std::string_view angleFormat = kDecimalAngles, double height = 0.0) {
    return TransformSnapshot{std::move(p1),
                             std::move(p2),
                             std::string(projectionMode),
                             std::string(coordinateMode),
                             std::string(angleFormat),
                             height,
                             {},
                             {}};
}

TransformSnapshot ed50Identity() {
    return snapshot(polarAzimuthal("ED50"), polarAzimuthal("ED50"), kProjection1To2,
                    kGeographicToGeographic);
}

// Source and expected target under data/; the expected files were derived
// from the formulas by text_derive.py, not by this program.
TEST(TextFileTransformTest, FixturesByteForByte) {
    const struct {
        const char* name;
        TransformSnapshot snapshot;
    } fixtures[] = {
        {"identity", ed50Identity()},
        {"projection", snapshot(polarAzimuthal("WGS 84 (ECEF)", true), polarAzimuthal("ED50"),
                                kWithinProjection1, kGeographicToCartesian)},
        {"datum", snapshot(polarAzimuthal("ED50"), polarAzimuthal("MGI (Hermannskogel)"),
                           kProjection1To2, kGeographicToGeographic, kPackedDmsAngles, 250.0)},
    };
    TempDir dir;
    for (const auto& f : fixtures) {
        const std::string data = std::string(GITTERWERK_TEST_DATA_DIR) + "/text_" + f.name;
        const FileTransformRequest request{f.snapshot, data + ".txt", dir / f.name};
        RecordingFeedback feedback;
        const FileTransformResult result = transformTextFile(request, feedback);
        EXPECT_EQ(result.status, FileTransformStatus::Finished) << f.name;
        EXPECT_EQ(bytesOf(request.targetPath), bytesOf(data + ".expected")) << f.name;
    }
}

// The conformal cylinder true to scale on the equator maps the south pole to
// -infinity; an infinite input has no image either.
TEST(TextFileTransformTest, PointsWithoutImageGiveEmptyLines) {
    geodesy::ProjectionParams mercator = polarAzimuthal("WGS 84 (ECEF)");
    mercator.projectionName = std::string(geodesy::kCylinderConformal);
    mercator.delta1 = 90.0;
    TempDir dir;
    const FileTransformRequest request{
        snapshot(mercator, mercator, kWithinProjection1, kGeographicToCartesian),
        put(dir / "poles.txt", "-90 0\n0 0\n-90 5\n1e999 5\n"), dir / "poles.out"};
    RecordingFeedback feedback;
    const FileTransformResult result = transformTextFile(request, feedback);
    EXPECT_EQ(result.unmappedPoints, 3);
    // The one point with an image keeps its line between the empty ones.
    const std::string target = bytesOf(request.targetPath);
    EXPECT_EQ(std::count(target.begin(), target.end(), '\n'), 4);
    EXPECT_EQ(target.rfind("\n0.00000000\t0.00000000\t", 0), 0u);
    EXPECT_EQ(target.substr(target.size() - 3), "\n\n\n");
    const FileMessage message = fileTransformMessage(request, result, fileio::FileFormatKind::Text);
    EXPECT_EQ(message.text, "Datei : \"" + request.targetPath +
                                "\" erzeugt !\n3 Punkte ohne Abbildung: leere Zeilen in der "
                                "Zieldatei.");
    EXPECT_EQ(message.caption, "Fertig");
}

enum class Source { Missing, Directory, Empty, Unreadable, Lines };
enum class Target { Existing, Directory, MissingFolder, Full, PipeWithoutReader };

struct FailureCase {
    Source source;
    Target target;
    FileTransformStatus status;
    const char* text;  // the lead; the path in quotation marks follows
    bool runs;         // started() and stopped() once each
};

const FailureCase kFailures[] = {
    {Source::Missing, Target::Existing, FileTransformStatus::SourceOpenFailed,
     "Fehler beim Öffnen von Datei : ", false},
    {Source::Directory, Target::Existing, FileTransformStatus::SourceOpenFailed,
     "Fehler beim Öffnen von Datei : ", false},
    {Source::Lines, Target::Directory, FileTransformStatus::TargetOpenFailed,
     "Fehler beim Schreiben von Datei : ", false},
    {Source::Lines, Target::MissingFolder, FileTransformStatus::TargetOpenFailed,
     "Fehler beim Schreiben von Datei : ", false},
    {Source::Lines, Target::PipeWithoutReader, FileTransformStatus::TargetOpenFailed,
     "Fehler beim Schreiben von Datei : ", false},
    {Source::Lines, Target::Full, FileTransformStatus::WriteFailed,
     "Fehler beim Schreiben von Datei : ", true},
    {Source::Unreadable, Target::Existing, FileTransformStatus::ReadFailed,
     "Fehler beim Lesen von Datei : ", true},
    {Source::Empty, Target::Existing, FileTransformStatus::Finished, "Datei : ", true},
};

constexpr int kSourceLines = 20000;  // more than one buffer of output

std::string sourcePath(const TempDir& dir, Source source) {
    std::string lines;
    switch (source) {
        case Source::Missing:
            return dir / "missing.txt";
        case Source::Directory:
            return dir.path;
        case Source::Empty:
            return put(dir / "empty.txt", "");
        case Source::Unreadable:
            return "/proc/self/mem";  // a regular file whose reading fails
        case Source::Lines:
            for (int i = 0; i < kSourceLines; ++i) lines += "48.5 9.1\n";
            break;
    }
    return put(dir / "lines.txt", lines);
}

std::string targetPath(const TempDir& dir, Target target) {
    switch (target) {
        case Target::Existing:
            return put(dir / "target.txt", "old bytes\n");
        case Target::Directory:
            return dir.path;
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
        const FileTransformRequest request{ed50Identity(), sourcePath(dir, c.source),
                                           targetPath(dir, c.target)};
        RecordingFeedback feedback;
        const FileTransformResult result = transformTextFile(request, feedback);
        const std::string what = c.text + request.sourcePath;
        EXPECT_EQ(result.status, c.status) << what;
        EXPECT_EQ(feedback.startCount, c.runs ? 1 : 0) << what;
        EXPECT_EQ(feedback.stopCount, c.runs ? 1 : 0) << what;
        EXPECT_LT(feedback.pumpCount, kSourceLines) << what;  // no run past a failure
        const FileMessage message =
            fileTransformMessage(request, result, fileio::FileFormatKind::Text);
        const bool finished = c.status == FileTransformStatus::Finished;
        const bool aboutSource = c.status == FileTransformStatus::SourceOpenFailed ||
                                 c.status == FileTransformStatus::ReadFailed;
        EXPECT_EQ(message.text,
                  c.text + ("\"" + (aboutSource ? request.sourcePath : request.targetPath) + "\"" +
                            (finished ? " erzeugt !" : "")))
            << what;
        EXPECT_EQ(message.caption, finished ? "Fertig" : "Dateizugriff") << what;
        EXPECT_EQ(message.icon, finished ? FileMessageIcon::None : FileMessageIcon::Error);
        if (c.target == Target::Existing) {
            // Kept after every failure; an empty source gives an empty target.
            EXPECT_EQ(bytesOf(request.targetPath), finished ? "" : "old bytes\n") << what;
        }
    }
}

TEST(TextFileTransformTest, ProgressPositions) {
    const struct {
        std::uint64_t consumed, size;
        int position;
    } cases[] = {{0, 0, 0},  {7, 0, 0},     {1, 3, 33},
                 {2, 3, 66}, {11, 10, 100}, {(1ull << 62) + 1, 1ull << 63, 50}};
    for (const auto& c : cases) {
        EXPECT_EQ(progressPosition(c.consumed, c.size), c.position) << c.consumed << "/" << c.size;
    }
    // A whole run: one position and one pump per line, never falling, ending at 100.
    TempDir dir;
    std::string lines;
    for (int i = 0; i < 3000; ++i)
        lines += i % 7 ? "48.5 9.1 " + std::string(i % 50, 'x') + "\n" : "\n";
    RecordingFeedback feedback;
    transformTextFile({ed50Identity(), put(dir / "in.txt", lines), dir / "out.txt"}, feedback);
    ASSERT_EQ(feedback.positions.size(), 3000u);
    EXPECT_EQ(feedback.pumpCount, 3000);
    EXPECT_TRUE(std::is_sorted(feedback.positions.begin(), feedback.positions.end()));
    EXPECT_GE(feedback.positions.front(), 0);
    EXPECT_EQ(feedback.positions.back(), 100);
}

// Standard input, say: a byte-order mark skipped, the size unknown.
TEST(TextFileTransformTest, ReadsFromAnOpenDescriptor) {
    TempDir dir;
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const std::string bytes =
        "\xEF\xBB\xBF"
        "1 2\nx\n3 4";
    ASSERT_EQ(::write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fds[1]);
    RecordingFeedback feedback;
    FileRunOptions options;
    options.sourceDescriptor = fds[0];
    const FileTransformRequest request{ed50Identity(), "-", dir / "stdin.out"};
    EXPECT_EQ(transformTextFile(request, feedback, options).status, FileTransformStatus::Finished);
    ::close(fds[0]);
    EXPECT_EQ(bytesOf(request.targetPath),
              "1.00000000\t2.00000000\t1.00000000\t2.00000000\n\n"
              "3.00000000\t4.00000000\t3.00000000\t4.00000000\n");
    EXPECT_EQ(feedback.positions, (std::vector<int>{0, 0, 0}));
}

}  // namespace
