#pragma once
// The geographic extent, spacing and point densities of a graticule, and the
// checks a run needs before it may start: latitudes and longitudes in range,
// spacing and steps positive and large enough to move the running value (a
// step lost to rounding would make the stepping loops endless).

#include <array>
#include <string>

namespace graticule {

struct GraticuleExtent {
    double south = -90.0;
    double north = 90.0;
    double west = -180.0;
    double east = 180.0;
    double spacing = 10.0;      // between grid lines, degrees, for parallels and meridians
    double parallelStep = 1.0;  // between the points of a parallel, degrees of longitude
    double meridianStep = 1.0;  // between the points of a meridian, degrees of latitude
};

// In member order, which is the order the checks run in.
enum class ExtentField { South, North, West, East, Spacing, ParallelStep, MeridianStep };

inline constexpr std::array<ExtentField, 7> kExtentFields = {
    ExtentField::South,   ExtentField::North,        ExtentField::West,         ExtentField::East,
    ExtentField::Spacing, ExtentField::ParallelStep, ExtentField::MeridianStep,
};

// The message of the field's check, or an empty string when it passes:
// the latitude range for south and north, the longitude range for west and
// east, "Wert über 0" for the spacing and the steps (also when the step is
// lost to rounding at the largest value its loop reaches: 180 for the
// spacing, the larger bound of the line for a point step, where a bound out
// of its range counts as the range's limit).
std::string checkExtentField(const GraticuleExtent& extent, ExtentField field);

struct ExtentProblem {
    ExtentField field;
    std::string message;
};

// The first field in member order whose check fails; field is meaningless
// and message empty when all pass.
ExtentProblem firstExtentProblem(const GraticuleExtent& extent);

inline constexpr const char* kSouthAboveNorth =
    "Wert für südliche Breite muss kleiner sein als für nördliche Breite";
inline constexpr const char* kWestBeyondEast =
    "Wert für westliche Länge muss kleiner sein als für östliche Länge";

// What a run needs: every field's own check in member order, then
// south <= north and west <= east; message empty when the extent may run.
ExtentProblem checkWholeExtent(const GraticuleExtent& extent);

}  // namespace graticule
