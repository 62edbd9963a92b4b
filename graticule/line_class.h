#pragma once
// The classes of a graticule line, decided by the line's constant coordinate
// (the latitude of a parallel, the longitude of a meridian, in degrees). The
// metafile writer turns a class into an object key, the Illustrator writer
// into a layer name, a colour and a dash pattern.

#include <array>
#include <string_view>

namespace graticule {

enum class LineClass { Degree10, Degree5, Degree2, Degree1, Minute30, PolarTropic, Other };

inline constexpr int kLineClassCount = 7;

// The two tropics (23°26'45") and the two polar circles (66°33'), in the order
// in which they are drawn after a grid parallel.
inline constexpr std::array<double, 4> kSpecialParallels = {-23.4458333333, 23.4458333333, -66.55,
                                                            66.55};

// How close a coordinate must lie to a multiple (or to a tropic or polar
// circle) to count as lying on it, in degrees.
inline constexpr double kClassTolerance = 0.001;

// The class of a line at v: the first of 10°, 5°, 2°, 1° and 30' whose
// multiples v lies within the tolerance of (on either side, so that the drift
// of repeated addition does not matter), else "other"; a line within the
// tolerance of a tropic or polar circle (either sign) is PolarTropic whatever
// the multiples gave. NaN is "other".
LineClass classifyLine(double v);

struct LineClassInfo {
    LineClass lineClass;
    std::string_view settingsLabel;    // label in the settings dialog, & before the mnemonic
    std::string_view displayName;      // the name shown to a user (UTF-8)
    std::string_view illustratorName;  // layer name; \260 is PostScript's escape of the degree sign
};

// One row per class, in the order of the enumeration.
const std::array<LineClassInfo, kLineClassCount>& lineClassTable();
const LineClassInfo& lineClassInfo(LineClass c);

}  // namespace graticule
