#include "graticule/extent.h"

#include <algorithm>
#include <cmath>

#include "definition/field_checks.h"
#include "graticule/stepping.h"

namespace graticule {
namespace {

// The meridian loop runs from -180 to 180, the parallel loop within it.
constexpr double kSpacingMagnitude = 180.0;

std::string checkStep(double step, double first, double last) {
    std::string message = definition::checkPositive(step);
    if (!message.empty()) return message;
    const double magnitude = std::max(std::abs(first), std::abs(last));
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
            return checkStep(e.spacing, -kSpacingMagnitude, kSpacingMagnitude);
        case ExtentField::ParallelStep:
            return checkStep(e.parallelStep, e.west, e.east);
        case ExtentField::MeridianStep:
            return checkStep(e.meridianStep, e.south, e.north);
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

}  // namespace graticule
