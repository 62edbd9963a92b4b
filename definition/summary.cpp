#include "definition/summary.h"

#include <cstdio>

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
    char suffix[64];
    if (isNumberedStrip(typeName)) {
        std::snprintf(suffix, sizeof suffix, " (Streifen %d)", static_cast<int>(strip));
        text += suffix;
    } else if (geodesy::isProjection(typeName, geodesy::kGaussKruegerGeneral)) {
        // Formatted output rounds the meridian to two decimals; the degree sign is UTF-8.
        std::snprintf(suffix, sizeof suffix, " (M=%.2f°)", centralMeridian);
        text += suffix;
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
