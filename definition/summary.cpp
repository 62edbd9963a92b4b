#include "definition/summary.h"

#include <charconv>
#include <string_view>

#include "geodesy/engine.h"
#include "geodesy/projection_names.h"

namespace definition {
namespace {

bool isNumberedStrip(const std::string& name) {
    using namespace geodesy;
    return isProjection(name, kGaussKruegerGermany) || isProjection(name, kUtm) ||
           isProjection(name, kKrassovsky) || isProjection(name, kGaussKruegerAustria);
}

}  // namespace

std::string projectionSummary(const std::string& typeName, int32_t strip, double centralMeridian) {
    std::string text = typeName;
    if (isNumberedStrip(typeName)) {
        text += " (Streifen " + std::to_string(strip) + ")";
    } else if (geodesy::isProjection(typeName, geodesy::kGaussKruegerGeneral)) {
        // Two decimals, rounded as formatted output rounds, with a decimal
        // point whatever the locale; the degree sign is UTF-8. The buffer
        // holds the fixed notation of any double.
        char meridian[400];
        const auto written = std::to_chars(meridian, meridian + sizeof meridian, centralMeridian,
                                           std::chars_format::fixed, 2);
        text += " (M=";
        text += std::string_view(meridian, written.ptr - meridian);
        text += "°)";
    }
    return text;
}

std::string datumSummary(const std::string& typeName, const std::string& datumName,
                         const std::string& ellipsoidName) {
    if (isNumberedStrip(typeName) || geodesy::isProjection(typeName, geodesy::kSwissGrid)) {
        return datumName + ", " + ellipsoidName;
    }
    return std::string(kNoDatumReference);
}

}  // namespace definition
