#pragma once
// What each projection type does to a projection definition: which fields it
// shows and enables, the label of its standard parallels, its
// natural-coordinates calibration and its strip numbers; its body and central
// meridian rule come from the engine's type table (geodesy/projection_types.h).
// Qt-free, so that the dialog and a command-line front end apply the same
// rules to the same values.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "geodesy/projection.h"
#include "geodesy/projection_names.h"

namespace definition {

inline constexpr std::string_view kDeltaLabelConic = "Längentreue Parallelkreise (Poldistanz)";
inline constexpr std::string_view kDeltaLabelCylinder = "Längentreuer Parallelkreis (Poldistanz)";
inline constexpr std::string_view kDeltaLabelBonne = "Rechtswinkliger Parallelkreis (Poldistanz)";

// The radius a sphere type starts from when it follows an ellipsoidal type,
// which leaves the radius at exactly 1.0.
inline constexpr double kEarthRadius = 6371000.0;

// One row of the type table. "shown" covers the controls with their labels.
struct TypeRules {
    std::string_view name;
    bool radiusShown;
    bool datumShown;
    bool mainPointShown;
    bool delta1Shown;
    bool delta2Shown;
    std::string_view deltaLabel;  // empty: the label keeps its text
    bool stripShown;
    bool centralMeridianEnabled;  // the field is always shown
};

// The sixteen types, in the order of the projection list.
extern const std::array<TypeRules, 16> kTypeRules;

// The row of a type (exact name comparison), or nullptr for any other text.
const TypeRules* findTypeRules(const std::string& name);

// Where natural coordinates put the reference longitude.
enum class NaturalLongitude { StripMeridian, CentralMeridian, Fixed };

// The natural-coordinates reference point of a type on the ellipsoid. The
// sphere types have no row: theirs is the main point's meridian on the
// equator at X = Y = 0.
struct NaturalRules {
    std::string_view name;
    double refLat;
    NaturalLongitude refLon;
    double fixedRefLon;   // for NaturalLongitude::Fixed
    double refX;          // false easting
    double refY;          // false northing
    bool eastingByStrip;  // the Austrian strips: refX from austrianEasting
};

extern const std::array<NaturalRules, 6> kNaturalRules;

// The row of a type, or nullptr for the sphere types and any other text.
const NaturalRules* findNaturalRules(const std::string& name);

// The values a projection definition is edited as, with their values at
// construction.
struct ProjectionDefinition {
    std::string projectionName{geodesy::kBonne};
    std::string body;
    double radius = kEarthRadius;
    double mainLat = 90.0;
    double mainLon = 0.0;
    std::string deltaLabel;
    double delta1 = 30.0;
    double delta2 = 50.0;
    int32_t strip = 2;
    double centralMeridian = 0.0;
    bool natural = true;
    std::string units{geodesy::kUnitMetre};
    double resolution = 32.0;
    double scale = 1000000.0;
    double refLat = 0.0;
    double refLon = 0.0;
    double refX = 0.0;
    std::string unitX{geodesy::kUnitMetre};
    double refY = 0.0;
    std::string unitY{geodesy::kUnitMetre};
    double rotation = 0.0;

    bool operator==(const ProjectionDefinition&) const = default;
};

// The type's derived values: name, body, delta label, central meridian,
// radius (1.0 on the ellipsoid; 1.0 becomes the earth radius on a sphere),
// and with natural coordinates the natural calibration.
void applyProjectionType(ProjectionDefinition& d, const std::string& name);

// Scale 1, unit "m ", no rotation, and the type's reference point in metres
// with the false easting and northing usual for the type. Resolution stays.
void applyNaturalCalibration(ProjectionDefinition& d, const std::string& name);

// After a valid strip number: the strip's central meridian, and with natural
// coordinates the reference longitude (and the Austrian false easting).
void stripChanged(ProjectionDefinition& d);

// After a valid main point longitude: the central meridian follows it, and
// with natural coordinates the reference longitude too.
void mainLonChanged(ProjectionDefinition& d);

// After a valid central meridian: with natural coordinates the reference
// longitude follows it.
void centralMeridianChanged(ProjectionDefinition& d);

// After a change of unit: the labels behind X and Y follow it.
void unitsChanged(ProjectionDefinition& d);

// The false easting of an Austrian strip: 150 km, 450 km or 750 km for strips
// 28, 31, 34; 0 for any other strip.
double austrianEasting(int32_t strip);

// Empty when the strip number is valid for the type, else the type's message.
std::string checkStripNumber(int32_t strip, const std::string& name);

// Empty when the standard parallels leave a projection, else "Mit diesen
// Parallelkreisen ist keine Abbildung möglich" (cylinders with delta 1 of 0
// or 180, the conformal conic with a delta of 0 or 180, the conics with
// delta 1 + delta 2 = 180, Bonne with delta 1 = 90; all within 1e-9°).
std::string checkStandardParallels(const std::string& name, double delta1, double delta2);

// The fields of the dialog, in tab order.
enum class Field {
    ProjectionList,
    Radius,
    MainLat,
    MainLon,
    Delta1,
    Delta2,
    Strip,
    CentralMeridian,
    Units,
    Resolution,
    Scale,
    RefLat,
    RefLon,
    RefX,
    RefY,
    Rotation,
};

struct FieldState {
    bool shown;
    bool enabled;
};

// Shown and enabled as the type, the natural-coordinates box and the unit say.
FieldState fieldState(const ProjectionDefinition& d, Field field);

// A refused definition: the message to show and the field to put the focus in.
struct Refusal {
    Field field;
    std::string message;
};

// The check of one field on its own (empty when it passes or has none).
std::string checkField(const ProjectionDefinition& d, Field field);

// The record of a definition and its datum, offsets derived by updateOffsets.
geodesy::ProjectionParams buildParams(const ProjectionDefinition& d,
                                      const geodesy::DatumParams& datum);

}  // namespace definition
