#pragma once
// The three mode selections of the transformation dialog, stored as the exact
// texts of their list entries, in list order.

#include <array>
#include <string_view>

namespace transform {

inline constexpr std::string_view kWithinProjection1 = "innerhalb Projektion 1";
inline constexpr std::string_view kWithinProjection2 = "innerhalb Projektion 2";
inline constexpr std::string_view kProjection1To2 = "Projektion 1 --> Projektion 2";
inline constexpr std::string_view kProjection2To1 = "Projektion 2 --> Projektion 1";
inline constexpr std::array<std::string_view, 4> kProjectionModes = {
    kWithinProjection1, kWithinProjection2, kProjection1To2, kProjection2To1};

inline constexpr std::string_view kGeographicToGeographic = "geographisch --> geographisch";
inline constexpr std::string_view kGeographicToCartesian = "geographisch --> kartesisch";
inline constexpr std::string_view kCartesianToGeographic = "kartesisch --> geographisch";
inline constexpr std::string_view kCartesianToCartesian = "kartesisch --> kartesisch";
inline constexpr std::array<std::string_view, 4> kCoordinateModes = {
    kGeographicToGeographic, kGeographicToCartesian, kCartesianToGeographic, kCartesianToCartesian};

inline constexpr std::string_view kDecimalAngles = "Dezimale Notation (dd.dddddd)";
inline constexpr std::string_view kPackedDmsAngles = "Gradielle Notation (dd.mmssss)";
inline constexpr std::array<std::string_view, 2> kAngleFormats = {kDecimalAngles, kPackedDmsAngles};

}  // namespace transform
