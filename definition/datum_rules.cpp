#include "definition/datum_rules.h"

#include <array>

#include "definition/field_checks.h"
#include "geodesy/catalogues.h"

namespace definition {
namespace {

using geodesy::DatumParams;
using geodesy::kIndividual;

bool individual(const std::string& name) {
    return name == kIndividual;
}

}  // namespace

std::vector<std::string_view> datumListEntries() {
    std::vector<std::string_view> entries{kIndividual};
    entries.insert(entries.end(), geodesy::kDatumNames.begin(), geodesy::kDatumNames.end());
    return entries;
}

std::vector<std::string_view> ellipsoidListEntries() {
    std::vector<std::string_view> entries{kIndividual};
    entries.insert(entries.end(), geodesy::kEllipsoidNames.begin(), geodesy::kEllipsoidNames.end());
    return entries;
}

void datumSelected(DatumParams& datum) {
    if (individual(datum.datumName)) return;
    DatumParams found = geodesy::lookupDatum(datum.datumName);
    found.datumName = datum.datumName;
    datum = found;
}

void ellipsoidSelected(DatumParams& datum) {
    if (individual(datum.ellipsoidName)) return;
    geodesy::lookupEllipsoid(datum.ellipsoidName, datum.semiMajorAxis, datum.semiMinorAxis);
}

void keepCatalogueValues(DatumParams& datum) {
    if (!individual(datum.datumName)) {
        datumSelected(datum);
    } else {
        ellipsoidSelected(datum);
    }
}

bool datumFieldEnabled(const DatumParams& datum, DatumField field) {
    switch (field) {
        case DatumField::DatumList:
            return true;
        case DatumField::SemiMajorAxis:
        case DatumField::SemiMinorAxis:
            return individual(datum.ellipsoidName);
        default:
            return individual(datum.datumName);
    }
}

std::string checkDatumField(const DatumParams& datum, DatumField field) {
    switch (field) {
        case DatumField::SemiMajorAxis:
            return checkPositive(datum.semiMajorAxis);
        case DatumField::SemiMinorAxis:
            return checkPositive(datum.semiMinorAxis);
        case DatumField::RotationOmega:
            return checkAngle(datum.rotationOmega);
        case DatumField::RotationPsi:
            return checkAngle(datum.rotationPsi);
        case DatumField::RotationEpsilon:
            return checkAngle(datum.rotationEpsilon);
        default:
            return {};
    }
}

std::optional<DatumRefusal> checkDatum(const DatumParams& datum) {
    constexpr std::array<DatumField, 11> kTabOrder = {
        DatumField::DatumList,       DatumField::EllipsoidList,   DatumField::SemiMajorAxis,
        DatumField::SemiMinorAxis,   DatumField::ShiftX,          DatumField::ShiftY,
        DatumField::ShiftZ,          DatumField::RotationOmega,   DatumField::RotationPsi,
        DatumField::RotationEpsilon, DatumField::ScaleCorrection,
    };
    for (DatumField field : kTabOrder) {
        if (!datumFieldEnabled(datum, field)) continue;
        if (std::string message = checkDatumField(datum, field); !message.empty()) {
            return DatumRefusal{field, message};
        }
    }
    // The engine's ellipsoid formulas need a ≥ b; a sphere (a = b) is fine.
    if (datum.semiMinorAxis > datum.semiMajorAxis) {
        return DatumRefusal{DatumField::SemiMinorAxis, "Wert für b nicht größer als a"};
    }
    return std::nullopt;
}

}  // namespace definition
