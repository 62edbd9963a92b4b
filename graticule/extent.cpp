#include "graticule/extent.h"

#include <algorithm>
#include <cmath>

#include "definition/field_checks.h"
#include "graticule/stepping.h"

namespace graticule {
namespace {

// The meridian loop runs from -180 to 180, the parallel loop within it.
constexpr double kSpacingMagnitude = 180.0;
constexpr double kLongitudeLimit = 180.0;
constexpr double kLatitudeLimit = 90.0;

// A step must move every value of its loop, from first to last. Bounds
// outside their range (they fail their own check, which comes first in a
// run) count as the range's limit, so that a usable step is not reported
// for a wrong bound when its field loses the focus.
std::string checkStep(double step, double first, double last, double limit) {
    std::string message = definition::checkPositive(step);
    if (!message.empty()) return message;
    double magnitude = std::max(std::abs(first), std::abs(last));
    if (!(magnitude <= limit)) magnitude = limit;
    if (!stepAdvances(step, magnitude)) return definition::checkPositive(0.0);
    return {};
}

}  // namespace

std::string checkExtentField(const GraticuleExtent& e, ExtentField field) {
    switch (field) {
        case ExtentField::South:
            return definition::checkLatitude(e.south);
        case ExtentField::North:
            return definition::checkLatitude(e.north);
        case ExtentField::West:
            return definition::checkLongitude(e.west);
        case ExtentField::East:
            return definition::checkLongitude(e.east);
        case ExtentField::Spacing:
            return checkStep(e.spacing, -kSpacingMagnitude, kSpacingMagnitude, kSpacingMagnitude);
        case ExtentField::ParallelStep:
            return checkStep(e.parallelStep, e.west, e.east, kLongitudeLimit);
        case ExtentField::MeridianStep:
            return checkStep(e.meridianStep, e.south, e.north, kLatitudeLimit);
    }
    return {};
}

ExtentProblem firstExtentProblem(const GraticuleExtent& extent) {
    for (ExtentField field : kExtentFields) {
        std::string message = checkExtentField(extent, field);
        if (!message.empty()) return {field, std::move(message)};
    }
    return {ExtentField::South, {}};
}

ExtentProblem checkWholeExtent(const GraticuleExtent& extent) {
    ExtentProblem problem = firstExtentProblem(extent);
    if (!problem.message.empty()) return problem;
    if (extent.south > extent.north) return {ExtentField::South, kSouthAboveNorth};
    if (extent.west > extent.east) return {ExtentField::West, kWestBeyondEast};
    return problem;
}

}  // namespace graticule
