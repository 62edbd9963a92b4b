#pragma once
// The point of the transformation dialog's two interactive panels: one
// position shown on side 1 in projection 1 and on side 2 in projection 2, each
// as decimal degrees, as dd.mmssss, as map X/Y and with an ellipsoidal height.
// Leaving a field of one side completes that side from the field and carries
// the point through the datum chain to the other side, when that side is
// defined. Every recompute works on copies: a value out of range or a point
// without a finite image leaves both sides exactly as they were.

#include <array>
#include <string>

#include "geodesy/projection.h"
#include "transform/datum_chain.h"

namespace transform {

// The seven fields of one side, in the order of the panel.
enum class PanelField { Latitude, Longitude, LatitudeDms, LongitudeDms, X, Y, Height };

struct PanelSide {
    double lat = 0.0;     // decimal degrees
    double lon = 0.0;     // decimal degrees
    double latDms = 0.0;  // dd.mmssss
    double lonDms = 0.0;  // dd.mmssss
    double x = 0.0;       // output units of the side's projection
    double y = 0.0;
    double height = 0.0;  // metres above the ellipsoid

    bool operator==(const PanelSide&) const = default;
};

// Index 0 is side 1, index 1 side 2.
using PanelSides = std::array<PanelSide, 2>;
// The projection of each side, nullptr for a side not defined yet.
using PanelProjections = std::array<const geodesy::ProjectionParams*, 2>;

enum class PanelOutcome {
    Unchanged,   // the side is not defined (a height: not both sides): nothing to do
    Recomputed,  // both sides hold the new values, rounded for display
    OutOfRange,  // message holds the range check's text; nothing changed
    Unmappable,  // message names the projection without a finite image; nothing changed
};

struct PanelResult {
    PanelOutcome outcome = PanelOutcome::Unchanged;
    std::string message;
    // The WGS 84 point the datum chain passed through, when a chain ran.
    GeoPoint wgs84;
    bool chained = false;
};

// Decimals of the display rounding.
inline constexpr int kAngleDecimals = 8;
inline constexpr int kMapDecimals = 6;
inline constexpr int kHeightDecimals = 3;

// The range check of a field as typed: latitudes within ±90, longitudes
// within ±180, bounds included; a dd.mmssss value must pass both as typed and
// as the decimal degrees it stands for (89.99 is 90°39'). Empty when the
// value passes or the field has no check.
std::string checkPanelField(PanelField field, double value);

// "Dieser Punkt ist in Projektion n nicht abbildbar" for side index 0 or 1.
std::string unmappableText(int side);

// After the field `field` of side `edited` (0 or 1) lost the focus. A height
// carries only latitude, longitude and height to the other side, and only
// when both sides are defined; every other field completes its side (the
// other notation, X/Y or latitude and longitude) and then the other side.
PanelResult recomputeAfterEdit(PanelSides& sides, const PanelProjections& projections, int edited,
                               PanelField field);

// After the projection of side `redefined` was accepted: with the other side
// defined, its X/Y stay and the redefined side follows through the chain;
// otherwise the redefined side keeps its latitude and longitude and only its
// X/Y follow the new projection.
PanelResult recomputeAfterDefinition(PanelSides& sides, const PanelProjections& projections,
                                     int redefined);

// The display rounding: angles to 8 decimals, X/Y to 6, heights to 3.
void roundForDisplay(PanelSide& side);

}  // namespace transform
