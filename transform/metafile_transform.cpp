#include "transform/metafile_transform.h"

#include <charconv>
#include <cmath>

#include "fileio/line_reader.h"
#include "fileio/metafile_format.h"
#include "fileio/number_format.h"
#include "fileio/number_reader.h"
#include "fileio/output_file.h"
#include "geodesy/projection_names.h"
#include "transform/file_run.h"
#include "transform/record_body.h"

namespace transform {
namespace {

namespace metafile = fileio::metafile;

constexpr const char* kUnitsQuestion1 =
    "Die Einheiten in Projektion 1 sind nicht auf Pixel eingestellt !\n\nTrotzdem fortfahren ?";
constexpr const char* kUnitsQuestion2 =
    "Die Einheiten in Projektion 2 sind nicht auf Pixel eingestellt !\n\nTrotzdem fortfahren ?";

constexpr fileio::DelimiterSet kDelimiters(fileio::kFieldDelimiters);
// A header or point line needs its first three fields.
constexpr int kRecordFields = 3;
// The added second point of a single point mark, and of a text point with
// one point, lies this far to the right of the input point (source units).
constexpr double kPointMarkShift = 50.0;
constexpr double kTextPointShift = 500.0;
constexpr int kPointDecimals = 1;
// Record bodies up to this size wait in memory for their count.
constexpr std::size_t kBodyMemoryLimit = std::size_t{4} << 20;

// A record in progress: its header fields, how many of its lines were read,
// and how many body lines were written so far.
struct OpenRecord {
    int32_t type = 0;
    int32_t count = 0;
    std::string parameter;
    int32_t linesRead = 0;
    int64_t linesWritten = 0;
    // The last point line read, untransformed, for the added point.
    bool havePoint = false;
    double lastX = 0.0;
    double lastY = 0.0;
    std::string lastTail;
};

bool isPointRecord(int32_t type) {
    return type == metafile::kLineCode || type == metafile::kPointMarkCode ||
           type == metafile::kTextPointCode || type == metafile::kAreaCode;
}

// Line `index` of a record carries a point: every line of a line, point-mark
// or area record, every line but the last of a text-point record.
bool carriesPoint(const OpenRecord& record, int32_t index) {
    if (record.type == metafile::kTextPointCode) return index < record.count - 1;
    return isPointRecord(record.type);
}

// Rewrites the source line by line: a header line opens a record, whose
// body waits in memory (or a temporary file) until the record is complete or
// the file ends, then goes out behind its header with the count of the lines
// written.
// A record body that could not be kept is lost from the target, which then
// fails like after a failed write.
class MetafileRewriter {
public:
    // One line of the source.
    void line(FileRun& run, std::string_view text) {
        if (open_) {
            bodyLine(run, text);
        } else {
            headerLine(run, text);
        }
        if (!bodyOk_ || !body_.ok()) run.target().fail();
    }

    // The end of the source: a record cut short is written with the lines it
    // has (and without an added point).
    void finish(FileRun& run) {
        if (open_) completeRecord(run.target());
        if (!bodyOk_) run.target().fail();
    }

private:
    void headerLine(FileRun& run, std::string_view text) {
        fileio::OutputFile& target = run.target();
        std::string_view fields[kRecordFields];
        const int found = fileio::splitFields(text, kDelimiters, fields, kRecordFields);
        if (found == 0) {
            target.put('\n');
            return;
        }
        int32_t type = 0;
        int32_t count = 0;
        if (!fileio::parseWholeInteger(fields[0], type) ||
            !fileio::parseWholeInteger(fields[1], count) || count < 0) {
            target.write(text);
            target.put('\n');
            return;
        }
        record_.type = type;
        record_.count = count;
        record_.parameter.assign(fields[2]);
        record_.linesRead = 0;
        record_.linesWritten = 0;
        record_.havePoint = false;
        open_ = true;
        if (record_.count == 0) completeRecord(target);
    }

    void bodyLine(FileRun& run, std::string_view text) {
        const int32_t index = record_.linesRead++;
        const bool last = record_.linesRead == record_.count;
        if (carriesPoint(record_, index)) {
            pointLine(run, text);
        } else {
            // The text-point record's last line follows its added point.
            if (last && record_.type == metafile::kTextPointCode && record_.count == 2) {
                addedPoint(run, kTextPointShift);
            }
            copyBodyLine(text);
        }
        if (last && record_.type == metafile::kPointMarkCode && record_.count == 1) {
            addedPoint(run, kPointMarkShift);
        }
        if (last) completeRecord(run.target());
    }

    void pointLine(FileRun& run, std::string_view text) {
        std::string_view fields[kRecordFields];
        fileio::splitFields(text, kDelimiters, fields, kRecordFields);
        std::size_t xLength = 0;
        std::size_t yLength = 0;
        const double x = fileio::readNumber(fields[0], xLength);
        const double y = fileio::readNumber(fields[1], yLength);
        if (xLength == 0 || yLength == 0) {
            // Not a point: a line of the record all the same.
            copyBodyLine(text);
            return;
        }
        const std::string_view tail = fields[2];
        if (record_.type == metafile::kPointMarkCode || record_.type == metafile::kTextPointCode) {
            record_.havePoint = true;
            record_.lastX = x;
            record_.lastY = y;
            record_.lastTail.assign(tail);
        }
        writePoint(run, x, y, tail);
    }

    void addedPoint(FileRun& run, double shift) {
        if (!record_.havePoint) return;
        writePoint(run, record_.lastX + shift, record_.lastY, record_.lastTail);
    }

    void writePoint(FileRun& run, double x, double y, std::string_view tail) {
        double r1 = 0.0;
        double r2 = 0.0;
        run.points().transform(x, y, r1, r2);
        if (!std::isfinite(r1) || !std::isfinite(r2)) {
            run.countUnmapped();
            return;
        }
        char numbers[2 * fileio::kMaxFixedChars + 2];
        char* out = fileio::formatFixed(numbers, r1, kPointDecimals);
        *out++ = ' ';
        out = fileio::formatFixed(out, r2, kPointDecimals);
        *out++ = ' ';
        body_.append(std::string_view(numbers, static_cast<std::size_t>(out - numbers)));
        body_.append(tail);
        body_.append('\n');
        ++record_.linesWritten;
    }

    void copyBodyLine(std::string_view text) {
        body_.append(text);
        body_.append('\n');
        ++record_.linesWritten;
    }

    void completeRecord(fileio::OutputFile& target) {
        if (record_.type == metafile::kTextCode) copyBodyLine(metafile::kConvertedLine);
        char* out = target.reserve(48);
        out = std::to_chars(out, out + 12, record_.type).ptr;
        *out++ = ' ';
        out = std::to_chars(out, out + 21, record_.linesWritten).ptr;
        *out++ = ' ';
        target.commit(out);
        target.write(record_.parameter);
        target.put('\n');
        if (!body_.moveTo(target)) bodyOk_ = false;
        open_ = false;
    }

    RecordBody body_{kBodyMemoryLimit};
    OpenRecord record_;
    bool open_ = false;
    bool bodyOk_ = true;
};

}  // namespace

std::vector<std::string> metafileUnitQuestions(const TransformSnapshot& snapshot) {
    std::vector<std::string> questions;
    if (snapshot.units1 != geodesy::kUnitPixel) questions.emplace_back(kUnitsQuestion1);
    if (snapshot.units2 != geodesy::kUnitPixel) questions.emplace_back(kUnitsQuestion2);
    return questions;
}

FileTransformResult transformMetafile(const FileTransformRequest& request,
                                      fileio::Feedback& feedback, const FileRunOptions& options) {
    MetafileRewriter rewriter;
    // After a read error the record in progress is not completed.
    return runFileTransform(
        request, feedback,
        {.skipByteOrderMark = false, .sourceDescriptor = options.sourceDescriptor},
        [&rewriter](FileRun& run, std::string_view line) { rewriter.line(run, line); },
        [&rewriter](FileRun& run) { rewriter.finish(run); });
}

}  // namespace transform
