#include "transform/text_file_transform.h"

#include <cmath>

#include "fileio/line_reader.h"
#include "fileio/number_format.h"
#include "fileio/number_reader.h"

namespace transform {
namespace {

constexpr fileio::DelimiterSet kDelimiters(fileio::kFieldDelimiters);
constexpr int kDecimals = 8;
constexpr std::size_t kLineRoom = 4 * (fileio::kMaxFixedChars + 1);

bool allFinite(const double (&values)[4]) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

void transformLine(FileRun& run, std::string_view line) {
    fileio::OutputFile& target = run.target();
    double values[4];
    if (!readCoordinatePair(line, values[0], values[1])) {
        target.put('\n');
        return;
    }
    run.points().transform(values[0], values[1], values[2], values[3]);
    if (!allFinite(values)) {
        run.countUnmapped();
        target.put('\n');
        return;
    }
    char* const start = target.reserve(kLineRoom);
    char* out = start;
    for (int i = 0; i < 4; ++i) {
        out = fileio::formatFixed(out, values[i], kDecimals);
        *out++ = i < 3 ? '\t' : '\n';
    }
    target.commit(out);
}

}  // namespace

bool readCoordinatePair(std::string_view line, double& a, double& b) {
    std::string_view fields[2];
    if (fileio::splitFields(line, kDelimiters, fields, 2) != 2) return false;
    std::size_t length = 0;
    a = fileio::readNumber(fields[0], length);
    if (length == 0) return false;
    b = fileio::readNumber(fields[1], length);
    return length != 0;
}

FileTransformResult transformTextFile(const FileTransformRequest& request,
                                      fileio::Feedback& feedback, const FileRunOptions& options) {
    FileRunOptions textOptions = options;
    textOptions.skipByteOrderMark = true;
    return runFileTransform(request, feedback, textOptions, transformLine);
}

}  // namespace transform
