#pragma once
// The compiled-in catalogues of reference ellipsoids and geodetic datums.

#include <array>
#include <string>
#include <string_view>

#include "geodesy/projection.h"

namespace geodesy {

// The marker of values typed in by the user; not a catalogue entry.
inline constexpr std::string_view kIndividual = "(individuell)";

// Ellipsoid names in catalogue order (the datum dialog lists them after
// "(individuell)").
extern const std::array<std::string_view, 24> kEllipsoidNames;

// Datum names in catalogue order (the datum dialog lists them after
// "(individuell)").
extern const std::array<std::string_view, 6> kDatumNames;

// Semi-axes in metres; any name not in the catalogue gives the sphere
// 6371000 / 6371000.
void lookupEllipsoid(const std::string& name, double& a, double& b);

// The complete record of a catalogue datum; any other name gives the
// "WGS 84 (ECEF)" record (with that name, not the one asked for).
DatumParams lookupDatum(const std::string& name);

}  // namespace geodesy
