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
    std::string_view fields[2];
    fileio::OutputFile& target = run.target();
    const int count = fileio::splitFields(line, kDelimiters, fields, 2);
    double values[4];
    std::size_t lengths[2] = {0, 0};
    if (count == 2) {
        values[0] = fileio::readNumber(fields[0], lengths[0]);
        values[1] = fileio::readNumber(fields[1], lengths[1]);
    }
    // A coordinate line: both fields begin with a number.
    if (lengths[0] == 0 || lengths[1] == 0) {
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

FileTransformResult transformTextFile(const FileTransformRequest& request,
                                      fileio::Feedback& feedback, const FileRunOptions& options) {
    FileRunOptions textOptions = options;
    textOptions.skipByteOrderMark = true;
    return runFileTransform(request, feedback, textOptions, transformLine);
}

}  // namespace transform
