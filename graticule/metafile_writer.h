#pragma once
// "Quorin Meta-Datei": a line-oriented vector metafile of numbered records.
// Every record is a header line "code count parameter" followed by `count`
// data lines. The graticule export writes the start record "1 0 0", the text
// record "5 2 0" with its two lines, per graticule line an object-key record
// "21 0 key" and a line record "11 n 0" with n point lines "%9.0f %9.0f 6",
// and the end record "0 0 0".

#include <array>
#include <cstdint>
#include <string>

#include "graticule/graticule_writer.h"
#include "graticule/line_class.h"

namespace graticule {

// The object key of each line class; the settings dialog edits them.
struct ObjectKeys {
    int32_t key10 = 9000;
    int32_t key5 = 9001;
    int32_t key2 = 9002;
    int32_t key1 = 9003;
    int32_t key30 = 9004;
    int32_t keyCircles = 9005;
    int32_t keyOther = 9006;

    int32_t forClass(LineClass c) const;
    // The key of the class of a line at v (classifyLine).
    int32_t objectKeyFor(double v) const { return forClass(classifyLine(v)); }

    bool operator==(const ObjectKeys&) const = default;
};

// Keys 1 to 9999 are valid.
inline constexpr int32_t kMinObjectKey = 1;
inline constexpr int32_t kMaxObjectKey = 9999;
// "Wert für Objekt-Nummer zwischen 1 und 9999" for a key outside, else empty.
std::string checkObjectKey(int32_t key);

class MetafileWriter : public GraticuleWriter {
public:
    explicit MetafileWriter(const ObjectKeys& keys) : keys_(keys) {}

    void prologue(fileio::OutputFile& file) override;
    void epilogue(fileio::OutputFile& file) override;

protected:
    void beginLine(double v) override;
    void writePoint(fileio::OutputFile& file, double lat, double lon, double x, double y,
                    PointRole role) override;
    void endLine(fileio::OutputFile& file, int64_t written) override;
    int64_t maxBufferedPoints() const override;
    void announcePointCount(fileio::OutputFile& file, int64_t count) override;

private:
    ObjectKeys keys_;
    int32_t lineKey_ = 0;
    // The point lines of the current line: its record header carries their
    // count, which is known only when the line is done.
    std::string points_;
    // The count of a long line came first: its headers are written and its
    // points go straight to the file.
    bool countAnnounced_ = false;
};

}  // namespace graticule
