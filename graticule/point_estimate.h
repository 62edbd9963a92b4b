#pragma once
// How large a run will be, worked out from the extent, spacing and point
// densities by arithmetic before anything is written: a step of 1e-6 on the
// whole globe makes some 1.5e10 points, which the user is asked about first,
// and a metafile line of more points than its count field holds is refused.

#include <cstdint>
#include <string>
#include <string_view>

#include "graticule/extent.h"

namespace graticule {

struct PointEstimate {
    double points = 0.0;       // all points of the run
    double longestLine = 0.0;  // the points of its longest line
    // The step field of the longest line: ParallelStep when it is a parallel.
    ExtentField longestStep = ExtentField::ParallelStep;
    double bytes = 0.0;  // the size of the file in the chosen format
};

// For a checked extent (checkWholeExtent passes) and a format list name.
PointEstimate estimatePoints(const GraticuleExtent& extent, std::string_view fileFormat);

// Runs above this many points are only started after the question.
inline constexpr double kLargeRunPoints = 50e6;
inline constexpr const char* kLargeRunCaption = "Kartennetz";

// "Das Kartennetz enthält etwa <n> Millionen Punkte (etwa <size> GB).\n\n
// Trotzdem fortfahren ?" for a run above kLargeRunPoints, else empty.
std::string largeRunQuestion(const PointEstimate& estimate);

// For a metafile whose longest line has more points than the count field of
// a record header holds (2147483647), the message that refuses the run on
// the step field of that line; else an empty message.
ExtentProblem lineLimitProblem(const PointEstimate& estimate, std::string_view fileFormat);

}  // namespace graticule
