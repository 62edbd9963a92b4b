#include "graticule/line_class.h"

#include <cmath>

namespace graticule {
namespace {

// True when v lies within the tolerance of a multiple of the modulus, below
// or above it: fmod keeps the sign of v, so a value just short of a multiple
// leaves a remainder just short of the modulus.
bool nearMultiple(double v, double modulus) {
    const double remainder = std::abs(std::fmod(v, modulus));
    return remainder < kClassTolerance || modulus - remainder < kClassTolerance;
}

bool nearSpecialParallel(double v) {
    const double magnitude = std::abs(v);
    return std::abs(magnitude - kSpecialParallels[1]) < kClassTolerance ||
           std::abs(magnitude - kSpecialParallels[3]) < kClassTolerance;
}

struct MultipleRule {
    double modulus;
    LineClass lineClass;
};

// Tested top down; the first rule that holds gives the class.
constexpr std::array<MultipleRule, 5> kMultipleRules = {{
    {10.0, LineClass::Degree10},
    {5.0, LineClass::Degree5},
    {2.0, LineClass::Degree2},
    {1.0, LineClass::Degree1},
    {0.5, LineClass::Minute30},
}};

constexpr std::array<LineClassInfo, kLineClassCount> kLineClasses = {{
    {LineClass::Degree10, "1&0° Linien", "10° Linien", "10\\260 Linien"},
    {LineClass::Degree5, "&5° Linien", "5° Linien", "5\\260 Linien"},
    {LineClass::Degree2, "&2° Linien", "2° Linien", "2\\260 Linien"},
    {LineClass::Degree1, "&1° Linien", "1° Linien", "1\\260 Linien"},
    {LineClass::Minute30, "&30' Linien", "30' Linien", "30' Linien"},
    {LineClass::PolarTropic, "Polar- und &Wendekreise", "Polar- und Wendekreise",
     "Polar- und Wendekreise"},
    {LineClass::Other, "&sonstige Linien", "sonstige Linien", "sonstige Linien"},
}};

}  // namespace

LineClass classifyLine(double v) {
    if (nearSpecialParallel(v)) return LineClass::PolarTropic;
    for (const MultipleRule& rule : kMultipleRules) {
        if (nearMultiple(v, rule.modulus)) return rule.lineClass;
    }
    return LineClass::Other;
}

const std::array<LineClassInfo, kLineClassCount>& lineClassTable() {
    return kLineClasses;
}

const LineClassInfo& lineClassInfo(LineClass c) {
    return kLineClasses[static_cast<int>(c)];
}

}  // namespace graticule
