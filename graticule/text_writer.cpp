#include "graticule/text_writer.h"

#include "graticule/number_format.h"

namespace graticule {
namespace {

constexpr int kDecimals = 8;

}  // namespace

void TextWriter::writePoint(OutputFile& file, double lat, double lon, double x, double y,
                            PointRole role) {
    char* out = file.reserve(4 * kMaxFixedChars + 8);
    // The block separator goes before the first point, so that a line
    // without any finite point leaves no empty block behind.
    if (role == PointRole::LineStart) *out++ = '\n';
    out = formatFixed(out, lat, kDecimals);
    *out++ = '\t';
    out = formatFixed(out, lon, kDecimals);
    *out++ = '\t';
    out = formatFixed(out, x, kDecimals);
    *out++ = '\t';
    out = formatFixed(out, y, kDecimals);
    *out++ = '\n';
    file.commit(out);
}

}  // namespace graticule
