#pragma once
// Rewriting an Illustrator document from one projection into the other:
// every path construction line (move-to, line-to, the curve forms) gets its
// points converted from PostScript points to the source side's unit,
// transformed, converted from the target side's unit back to points and
// written with four decimals; every other line is copied byte for byte.
//
// A point without a finite image (or one beyond the largest PostScript real)
// is never written: a point line is left out, a curve line with such a point
// is left out whole, and the next path line written begins a new subpath
// with "m" (a curve as a move-to its end point), so that the path does not
// jump across the gap.

#include <cstdint>
#include <string_view>

#include "fileio/feedback.h"
#include "transform/file_run.h"
#include "transform/transform_request.h"

namespace transform {

enum class IllustratorLineKind {
    Other,       // copied unchanged
    Point,       // "x y op" with op m, L or l
    Curve,       // "x1 y1 x2 y2 x3 y3 op" with op c or C
    ShortCurve,  // "x1 y1 x2 y2 op" with op v, V, y or Y
};

struct IllustratorLine {
    IllustratorLineKind kind = IllustratorLineKind::Other;
    char op = 0;  // the operator character, for every kind but Other
};

// Classifies a line by its fields split at blanks and tabs: the third field
// "m", "L" or "l"; else the seventh "c" or "C"; else the fifth "v", "V", "y"
// or "Y". Whether the coordinates read as numbers is not looked at here.
IllustratorLine classifyIllustratorLine(std::string_view line);

// Transforms the document at request.sourcePath into request.targetPath. The
// snapshot's modes are "kartesisch --> kartesisch" between the two
// projections. Feedback and failures as every file transformation reports
// them; unmappedPoints counts the points without a finite image. Of the
// options only the source descriptor is taken: a byte-order mark is copied.
FileTransformResult transformIllustratorFile(const FileTransformRequest& request,
                                             fileio::Feedback& feedback,
                                             const FileRunOptions& options = {});

}  // namespace transform
