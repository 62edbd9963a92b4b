#pragma once
// The checks of the projection dialog's OK: every field the user can see and
// edit, in the order the user meets them, then the checks across fields, then
// the record built from them, which must map the sphere or ellipsoid onto
// the plane rather than onto one point.

#include <optional>
#include <string>

#include "definition/type_rules.h"
#include "geodesy/projection.h"

namespace definition {

inline constexpr const char* kNoMapping = "Mit diesen Werten ist keine Abbildung möglich";

// Empty when the record maps: a calibration factor that is finite and not
// zero (it underflows to zero for a radius of 5e-324, or a resolution of
// 1e-300 pixels per millimetre with a scale of 1 : 1e308), and finite
// offsets; otherwise kNoMapping.
std::string checkRecord(const geodesy::ProjectionParams& p);

// Every shown and enabled field in tab order, the strip number at its place,
// then the standard parallels against the type.
std::optional<Refusal> checkFieldsAtOk(const ProjectionDefinition& d);

// The whole of OK after the take-over: checkFieldsAtOk, then the record with
// checkRecord (a refusal names the projection list). record is assigned only
// when everything passed.
std::optional<Refusal> acceptAtOk(const ProjectionDefinition& d, const geodesy::DatumParams& datum,
                                  geodesy::ProjectionParams& record);

}  // namespace definition
