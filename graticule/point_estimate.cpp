#include "graticule/point_estimate.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "fileio/file_formats.h"
#include "fileio/number_format.h"
#include "graticule/line_class.h"

namespace graticule {
namespace {

// Bytes of one point line in each format: the text file's four numbers with
// eight decimals and three tabs; the metafile's two nine-wide columns and
// " 6"; the Illustrator file's two numbers with four decimals and an operator.
constexpr double kTextBytes = 4 * 12.0 + 4;
constexpr double kMetafileBytes = 22.0;
constexpr double kIllustratorBytes = 2 * 10.0 + 4;

double bytesPerPoint(std::string_view fileFormat) {
    const fileio::FileFormat* format = fileio::findFileFormat(fileFormat);
    if (format == nullptr) return kTextBytes;
    switch (format->kind) {
        case fileio::FileFormatKind::Text:
            return kTextBytes;
        case fileio::FileFormatKind::Metafile:
            return kMetafileBytes;
        case fileio::FileFormatKind::Illustrator:
            return kIllustratorBytes;
    }
    return kTextBytes;
}

// Grid lines first + k · spacing that fall within [low, high].
double gridLines(double first, double spacing, double low, double high) {
    const double lowest = std::ceil((low - first) / spacing);
    const double highest = std::floor((high - first) / spacing);
    return std::max(0.0, highest - lowest + 1.0);
}

// Points of a line from low to high in steps of step.
double pointsOnLine(double low, double high, double step) {
    return std::floor((high - low) / step) + 1.0;
}

}  // namespace

PointEstimate estimatePoints(const GraticuleExtent& e, std::string_view fileFormat) {
    double parallels = gridLines(-90.0, e.spacing, e.south, e.north);
    for (double c : kSpecialParallels) {
        if (e.south <= c && c <= e.north) parallels += 1.0;
    }
    const double meridians = gridLines(-180.0, e.spacing, e.west, e.east);
    const double perParallel = pointsOnLine(e.west, e.east, e.parallelStep);
    const double perMeridian = pointsOnLine(e.south, e.north, e.meridianStep);

    PointEstimate estimate;
    estimate.points = parallels * perParallel + meridians * perMeridian;
    if (parallels > 0) estimate.longestLine = perParallel;
    if (meridians > 0 && perMeridian > estimate.longestLine) {
        estimate.longestLine = perMeridian;
        estimate.longestStep = ExtentField::MeridianStep;
    }
    estimate.bytes = estimate.points * bytesPerPoint(fileFormat);
    return estimate;
}

std::string largeRunQuestion(const PointEstimate& estimate) {
    if (!(estimate.points > kLargeRunPoints)) return {};
    return "Das Kartennetz enthält etwa " + fileio::fixedText(estimate.points / 1e6, 0) +
           " Millionen Punkte (etwa " + fileio::fixedText(estimate.bytes / 1e9, 1) +
           " GB).\n\nTrotzdem fortfahren ?";
}

ExtentProblem lineLimitProblem(const PointEstimate& estimate, std::string_view fileFormat) {
    constexpr double kMaxCount = std::numeric_limits<int32_t>::max();
    if (fileFormat != fileio::kMetafileFormat || !(estimate.longestLine > kMaxCount)) {
        return {estimate.longestStep, {}};
    }
    return {estimate.longestStep,
            "Eine Linie des Kartennetzes hätte mehr als 2147483647 Punkte; eine Meta-Datei "
            "nimmt höchstens 2147483647 Punkte je Linie auf."};
}

}  // namespace graticule
