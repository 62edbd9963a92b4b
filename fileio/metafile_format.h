#pragma once
// "Quorin Meta-Datei": a line-oriented vector metafile of numbered records.
// Every record is a header line "code count parameter" followed by `count`
// body lines. The graticule export writes the start record, the text record
// with its two lines, per graticule line an object-key record and a line
// record of point lines "x y 6", and the end record; the metafile
// transformation reads any such file record by record.

#include <string_view>

namespace fileio::metafile {

inline constexpr int kTextCode = 5;
inline constexpr int kLineCode = 11;       // a polyline: one point per body line
inline constexpr int kPointMarkCode = 12;  // a point symbol
inline constexpr int kTextPointCode = 13;  // points, then the text on the last line
inline constexpr int kAreaCode = 14;       // a closed polygon
inline constexpr int kObjectKeyCode = 21;

// What the graticule export writes before its first line.
inline constexpr std::string_view kPrologue =
    "1 0 0\n"
    "5 2 0\n"
    "VIZ-METAFILE QUORIN (C)\n"
    "(Created by Gitterwerk)\n";
inline constexpr std::string_view kEndRecord = "0 0 0\n";
// The line a transformation adds to the text record.
inline constexpr std::string_view kConvertedLine = "(Converted by Gitterwerk)";
// The last field of every point line the export writes.
inline constexpr std::string_view kExportPointTail = " 6\n";

}  // namespace fileio::metafile
