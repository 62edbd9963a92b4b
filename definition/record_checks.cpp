#include "definition/record_checks.h"

#include <array>
#include <cmath>

#include "geodesy/engine.h"

namespace definition {
namespace {

// The fields of the projection dialog in tab order.
constexpr std::array<Field, 16> kTabOrder = {
    Field::ProjectionList, Field::Radius,     Field::MainLat, Field::MainLon,
    Field::Delta1,         Field::Delta2,     Field::Strip,   Field::CentralMeridian,
    Field::Units,          Field::Resolution, Field::Scale,   Field::RefLat,
    Field::RefLon,         Field::RefX,       Field::RefY,    Field::Rotation,
};

}  // namespace

std::string checkRecord(const geodesy::ProjectionParams& p) {
    const double factor = geodesy::calibrationFactor(p);
    if (std::isfinite(factor) && factor != 0.0 && std::isfinite(p.offsetX) &&
        std::isfinite(p.offsetY)) {
        return {};
    }
    return kNoMapping;
}

std::optional<Refusal> checkFieldsAtOk(const ProjectionDefinition& d) {
    for (Field field : kTabOrder) {
        const FieldState state = fieldState(d, field);
        if (!state.shown || !state.enabled) continue;
        if (std::string message = checkField(d, field); !message.empty()) {
            return Refusal{field, message};
        }
    }
    if (std::string message = checkStandardParallels(d.projectionName, d.delta1, d.delta2);
        !message.empty()) {
        return Refusal{Field::Delta1, message};
    }
    return std::nullopt;
}

std::optional<Refusal> acceptAtOk(const ProjectionDefinition& d, const geodesy::DatumParams& datum,
                                  geodesy::ProjectionParams& record) {
    if (std::optional<Refusal> refusal = checkFieldsAtOk(d)) return refusal;
    const geodesy::ProjectionParams built = buildParams(d, datum);
    if (std::string message = checkRecord(built); !message.empty()) {
        return Refusal{Field::ProjectionList, message};
    }
    record = built;
    return std::nullopt;
}

}  // namespace definition
