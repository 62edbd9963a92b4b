#pragma once
// The one-line texts by which the owning dialogs show a projection definition
// and its datum. Qt-free; strings hold UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace definition {

// Shown as the datum line when the type carries no datum reference.
inline constexpr std::string_view kNoDatumReference = "(keine Datumsreferenz)";

// The type name, followed by " (Streifen n)" for the four numbered strip
// types or " (M=d.dd°)" for "Gauß-Krüger (Allgemein)"; every other type
// stands alone.
std::string projectionSummary(const std::string& typeName, int32_t strip, double centralMeridian);

// "datum, ellipsoid" for the types on the ellipsoid with a datum reference
// (the numbered strip types and the Swiss grid); "(keine Datumsreferenz)"
// for every other type, "Gauß-Krüger (Allgemein)" included.
std::string datumSummary(const std::string& typeName, const std::string& datumName,
                         const std::string& ellipsoidName);

}  // namespace definition
