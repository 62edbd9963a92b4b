#include "graticule/metafile_writer.h"

#include <charconv>

#include "fileio/metafile_format.h"
#include "fileio/number_format.h"

namespace graticule {
namespace {

using fileio::metafile::kEndRecord;
using fileio::metafile::kLineCode;
using fileio::metafile::kObjectKeyCode;
using fileio::metafile::kPrologue;
// The last field of every point line.
constexpr std::string_view kPointTail = fileio::metafile::kExportPointTail;
constexpr int kCoordinateWidth = 9;
// Lines up to this many points are kept in memory (about 1.5 MB) until their
// count is known; longer ones are counted before they are written.
constexpr int64_t kMaxBufferedPoints = int64_t{1} << 16;
// Room for one point line: two fixed numbers and the tail.
constexpr std::size_t kPointLineRoom = 2 * fileio::kMaxFixedChars + 32;

struct KeyRow {
    LineClass lineClass;
    int32_t ObjectKeys::*key;
};

constexpr std::array<KeyRow, kLineClassCount> kKeyTable = {{
    {LineClass::Degree10, &ObjectKeys::key10},
    {LineClass::Degree5, &ObjectKeys::key5},
    {LineClass::Degree2, &ObjectKeys::key2},
    {LineClass::Degree1, &ObjectKeys::key1},
    {LineClass::Minute30, &ObjectKeys::key30},
    {LineClass::PolarTropic, &ObjectKeys::keyCircles},
    {LineClass::Other, &ObjectKeys::keyOther},
}};

// "code count parameter\n"
void writeRecordHeader(fileio::OutputFile& file, int code, int64_t count, int64_t parameter) {
    char* out = file.reserve(80);
    out = std::to_chars(out, out + 20, code).ptr;
    *out++ = ' ';
    out = std::to_chars(out, out + 24, count).ptr;
    *out++ = ' ';
    out = std::to_chars(out, out + 24, parameter).ptr;
    *out++ = '\n';
    file.commit(out);
}

}  // namespace

int32_t ObjectKeys::forClass(LineClass c) const {
    for (const KeyRow& row : kKeyTable) {
        if (row.lineClass == c) return this->*row.key;
    }
    return keyOther;
}

std::string checkObjectKey(int32_t key) {
    if (key >= kMinObjectKey && key <= kMaxObjectKey) return {};
    return "Wert für Objekt-Nummer zwischen 1 und 9999";
}

void MetafileWriter::prologue(fileio::OutputFile& file) {
    file.write(kPrologue);
}

void MetafileWriter::epilogue(fileio::OutputFile& file) {
    file.write(kEndRecord);
}

void MetafileWriter::beginLine(double v) {
    lineKey_ = keys_.objectKeyFor(v);
    points_.clear();
    countAnnounced_ = false;
}

int64_t MetafileWriter::maxBufferedPoints() const {
    return kMaxBufferedPoints;
}

void MetafileWriter::announcePointCount(fileio::OutputFile& file, int64_t count) {
    countAnnounced_ = true;
    if (count == 0) return;
    writeRecordHeader(file, kObjectKeyCode, 0, lineKey_);
    writeRecordHeader(file, kLineCode, count, 0);
}

void MetafileWriter::writePoint(fileio::OutputFile& file, double, double, double x, double y,
                                PointRole) {
    char buffered[kPointLineRoom];
    char* const start = countAnnounced_ ? file.reserve(kPointLineRoom) : buffered;
    char* out = fileio::formatFixedWidth(start, x, 0, kCoordinateWidth);
    *out++ = ' ';
    out = fileio::formatFixedWidth(out, y, 0, kCoordinateWidth);
    for (char c : kPointTail) *out++ = c;
    if (countAnnounced_) {
        file.commit(out);
    } else {
        points_.append(start, out);
    }
}

void MetafileWriter::endLine(fileio::OutputFile& file, int64_t written) {
    if (countAnnounced_ || written == 0) return;
    writeRecordHeader(file, kObjectKeyCode, 0, lineKey_);
    writeRecordHeader(file, kLineCode, written, 0);
    file.write(points_);
}

}  // namespace graticule
