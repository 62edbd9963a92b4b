#include "graticule/text_writer.h"

#include "fileio/number_format.h"

namespace graticule {
namespace {

constexpr int kDecimals = 8;

}  // namespace

void TextWriter::writePoint(fileio::OutputFile& file, double lat, double lon, double x, double y,
                            PointRole role) {
    char* out = file.reserve(4 * fileio::kMaxFixedChars + 8);
    // The block separator goes before the first point, so that a line
    // without any finite point leaves no empty block behind.
    if (role == PointRole::LineStart) *out++ = '\n';
    out = fileio::formatFixed(out, lat, kDecimals);
    *out++ = '\t';
    out = fileio::formatFixed(out, lon, kDecimals);
    *out++ = '\t';
    out = fileio::formatFixed(out, x, kDecimals);
    *out++ = '\t';
    out = fileio::formatFixed(out, y, kDecimals);
    *out++ = '\n';
    file.commit(out);
}

}  // namespace graticule
