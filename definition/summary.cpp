#include "definition/summary.h"

#include <charconv>
#include <string_view>

#include "geodesy/projection_types.h"

namespace definition {

using geodesy::findProjectionType;
using geodesy::MeridianRule;
using geodesy::ProjectionType;
using geodesy::ProjectionTypeRow;

std::string projectionSummary(const std::string& typeName, int32_t strip, double centralMeridian) {
    std::string text = typeName;
    const ProjectionTypeRow* type = findProjectionType(typeName);
    if (type == nullptr) return text;
    if (type->numberedStrip()) {
        text += " (Streifen " + std::to_string(strip) + ")";
    } else if (type->meridian == MeridianRule::Kept) {
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
    const ProjectionTypeRow* type = findProjectionType(typeName);
    if (type != nullptr && (type->numberedStrip() || type->type == ProjectionType::SwissGrid)) {
        return datumName + ", " + ellipsoidName;
    }
    return std::string(kNoDatumReference);
}

}  // namespace definition
