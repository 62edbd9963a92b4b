#pragma once
// The sixteen projection type names and the five output units, defined once.
// Every type decision is an exact, case-sensitive comparison with these texts.

#include <array>
#include <string_view>

namespace geodesy {

inline constexpr std::string_view kConicEquidistant = "Kegelabbildung (mittabstandstreu)";
inline constexpr std::string_view kConicEqualArea = "Kegelabbildung (flächentreu)";
inline constexpr std::string_view kConicConformal = "Kegelabbildung (winkeltreu)";
inline constexpr std::string_view kAzimuthalEquidistant = "Azimutalabbildung (mittabstandstreu)";
inline constexpr std::string_view kAzimuthalEqualArea = "Azimutalabbildung (flächentreu)";
inline constexpr std::string_view kAzimuthalConformal = "Azimutalabbildung (winkeltreu)";
inline constexpr std::string_view kCylinderEquidistant = "Zylinderabbildung (mittabstandstreu)";
inline constexpr std::string_view kCylinderEqualArea = "Zylinderabbildung (flächentreu)";
inline constexpr std::string_view kCylinderConformal = "Zylinderabbildung (winkeltreu)";
inline constexpr std::string_view kBonne = "Bonn'sche Abbildung";
inline constexpr std::string_view kSwissGrid = "Schweizer Landesgitter";
inline constexpr std::string_view kGaussKruegerGermany = "Gauß-Krüger (Deutschland)";
inline constexpr std::string_view kGaussKruegerAustria = "Gauß-Krüger (Österreich Meldenetz)";
inline constexpr std::string_view kGaussKruegerGeneral = "Gauß-Krüger (Allgemein)";
inline constexpr std::string_view kUtm = "UTM";
inline constexpr std::string_view kKrassovsky = "Krassovsky";

// In the order of the engine's dispatch table, which is also the order of the
// projection dialog's list.
inline constexpr std::array<std::string_view, 16> kProjectionNames = {
    kConicEquidistant,
    kConicEqualArea,
    kConicConformal,
    kAzimuthalEquidistant,
    kAzimuthalEqualArea,
    kAzimuthalConformal,
    kCylinderEquidistant,
    kCylinderEqualArea,
    kCylinderConformal,
    kBonne,
    kSwissGrid,
    kGaussKruegerGermany,
    kGaussKruegerAustria,
    kGaussKruegerGeneral,
    kUtm,
    kKrassovsky,
};

// Output units; "m " keeps its trailing blank everywhere.
inline constexpr std::string_view kUnitMillimetre = "mm";
inline constexpr std::string_view kUnitCentimetre = "cm";
inline constexpr std::string_view kUnitMetre = "m ";
inline constexpr std::string_view kUnitKilometre = "km";
inline constexpr std::string_view kUnitPixel = "pixel";
inline constexpr std::array<std::string_view, 5> kUnitNames = {
    kUnitMillimetre, kUnitCentimetre, kUnitMetre, kUnitKilometre, kUnitPixel,
};

}  // namespace geodesy
