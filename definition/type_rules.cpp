#include "definition/type_rules.h"

#include <cmath>

#include "definition/field_checks.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "geodesy/projection_types.h"

namespace definition {
namespace {

using namespace geodesy;

// Short names that keep the type table one row per type.
constexpr bool show = true;
constexpr bool hide = false;
constexpr bool edit = true;
constexpr bool fixed = false;

}  // namespace

// clang-format off
const std::array<TypeRules, 16> kTypeRules = {{
//   type                   radius datum main  delta1 delta2 delta label           strip  meridian
    {kConicEquidistant,     show,  hide, show, show,  show,  kDeltaLabelConic,    hide,  fixed},
    {kConicEqualArea,       show,  hide, show, show,  show,  kDeltaLabelConic,    hide,  fixed},
    {kConicConformal,       show,  hide, show, show,  show,  kDeltaLabelConic,    hide,  fixed},
    {kAzimuthalEquidistant, show,  hide, show, hide,  hide,  {},                  hide,  fixed},
    {kAzimuthalEqualArea,   show,  hide, show, hide,  hide,  {},                  hide,  fixed},
    {kAzimuthalConformal,   show,  hide, show, hide,  hide,  {},                  hide,  fixed},
    {kCylinderEquidistant,  show,  hide, show, show,  hide,  kDeltaLabelCylinder, hide,  fixed},
    {kCylinderEqualArea,    show,  hide, show, show,  hide,  kDeltaLabelCylinder, hide,  fixed},
    {kCylinderConformal,    show,  hide, show, show,  hide,  kDeltaLabelCylinder, hide,  fixed},
    {kBonne,                show,  hide, show, show,  hide,  kDeltaLabelBonne,    hide,  fixed},
    {kSwissGrid,            hide,  show, hide, hide,  hide,  {},                  hide,  fixed},
    {kGaussKruegerGermany,  hide,  show, hide, hide,  hide,  {},                  show,  fixed},
    {kGaussKruegerAustria,  hide,  show, hide, hide,  hide,  {},                  show,  fixed},
    {kGaussKruegerGeneral,  hide,  show, hide, hide,  hide,  {},                  hide,  edit},
    {kUtm,                  hide,  show, hide, hide,  hide,  {},                  show,  fixed},
    {kKrassovsky,           hide,  show, hide, hide,  hide,  {},                  show,  fixed},
}};

const std::array<NaturalRules, 6> kNaturalRules = {{
//   type                   ref. lat              ref. longitude                     fixed lon             X         Y           X by strip
    {kGaussKruegerGermany,  0.0,                  NaturalLongitude::StripMeridian,   0.0,                  500000.0, 0.0,        false},
    {kKrassovsky,           0.0,                  NaturalLongitude::StripMeridian,   0.0,                  500000.0, 0.0,        false},
    {kUtm,                  0.0,                  NaturalLongitude::StripMeridian,   0.0,                  500000.0, 0.0,        false},
    {kGaussKruegerAustria,  0.0,                  NaturalLongitude::StripMeridian,   0.0,                  0.0,      -5000000.0, true},
    {kGaussKruegerGeneral,  0.0,                  NaturalLongitude::CentralMeridian, 0.0,                  0.0,      0.0,        false},
    {kSwissGrid,            kSwissFundamentalLat, NaturalLongitude::Fixed,           kSwissFundamentalLon, 600000.0, 200000.0,   false},
}};
// clang-format on

const TypeRules* findTypeRules(const std::string& name) {
    for (const TypeRules& rules : kTypeRules) {
        if (isProjection(name, rules.name)) return &rules;
    }
    return nullptr;
}

const NaturalRules* findNaturalRules(const std::string& name) {
    for (const NaturalRules& rules : kNaturalRules) {
        if (isProjection(name, rules.name)) return &rules;
    }
    return nullptr;
}

void applyProjectionType(ProjectionDefinition& d, const std::string& name) {
    d.projectionName = name;
    const ProjectionTypeRow* type = findProjectionType(name);
    const TypeRules* rules = findTypeRules(name);
    if (type != nullptr && rules != nullptr) {
        if (!rules->deltaLabel.empty()) d.deltaLabel = std::string(rules->deltaLabel);
        switch (type->meridian) {
            case MeridianRule::MainPoint:
                d.centralMeridian = d.mainLon;
                break;
            case MeridianRule::Strip:
                d.centralMeridian = stripCentralMeridian(d.strip, name);
                break;
            case MeridianRule::SwissGrid:
                d.centralMeridian = kSwissFundamentalLon;
                break;
            case MeridianRule::Kept:
                break;
        }
        d.body = std::string(bodyName(type->body));
        if (type->body == ProjectionBody::Sphere) {
            // An ellipsoidal type leaves exactly 1.0; a radius the user typed stays.
            if (d.radius == 1.0) d.radius = kEarthRadius;
        } else {
            // The ellipsoid is the body; the engine divides its metres by this radius.
            d.radius = 1.0;
        }
    }
    if (d.natural) applyNaturalCalibration(d, name);
}

void applyNaturalCalibration(ProjectionDefinition& d, const std::string& name) {
    d.units = std::string(kUnitMetre);
    d.scale = 1.0;
    d.refLat = 0.0;
    d.refLon = d.mainLon;
    d.refX = 0.0;
    d.refY = 0.0;
    d.unitX = d.units;
    d.unitY = d.unitX;
    d.rotation = 0.0;
    // The sphere types keep these; the types on the ellipsoid replace them.
    const NaturalRules* rules = findNaturalRules(name);
    if (rules == nullptr) return;
    d.refLat = rules->refLat;
    switch (rules->refLon) {
        case NaturalLongitude::StripMeridian:
            d.refLon = stripCentralMeridian(d.strip, name);
            break;
        case NaturalLongitude::CentralMeridian:
            d.refLon = d.centralMeridian;
            break;
        case NaturalLongitude::Fixed:
            d.refLon = rules->fixedRefLon;
            break;
    }
    d.refX = rules->eastingByStrip ? austrianEasting(d.strip) : rules->refX;
    d.refY = rules->refY;
}

void stripChanged(ProjectionDefinition& d) {
    const ProjectionTypeRow* type = findProjectionType(d.projectionName);
    // Only the numbered strip types show the strip field or derive from it.
    if (type == nullptr || !type->numberedStrip()) return;
    d.centralMeridian = stripCentralMeridian(d.strip, d.projectionName);
    if (!d.natural) return;
    d.refLon = d.centralMeridian;
    const NaturalRules* natural = findNaturalRules(d.projectionName);
    if (natural != nullptr && natural->eastingByStrip && austrianEasting(d.strip) != 0.0) {
        d.refX = austrianEasting(d.strip);
    }
}

void mainLonChanged(ProjectionDefinition& d) {
    d.centralMeridian = d.mainLon;
    if (d.natural) d.refLon = d.mainLon;
}

void centralMeridianChanged(ProjectionDefinition& d) {
    if (d.natural) d.refLon = d.centralMeridian;
}

void unitsChanged(ProjectionDefinition& d) {
    d.unitX = d.units;
    d.unitY = d.unitX;
}

double austrianEasting(int32_t strip) {
    switch (strip) {
        case 28:
            return 150000.0;
        case 31:
            return 450000.0;
        case 34:
            return 750000.0;
        default:
            return 0.0;
    }
}

namespace {

struct StripRule {
    std::string_view name;
    double low;
    double high;
    bool listedOnly;  // only the three Austrian strips
    std::string_view message;
};

constexpr std::array<StripRule, 4> kStripRules = {{
    {kGaussKruegerGermany, 2.0, 5.0, false, "Streifennummer zwischen 2 und 5"},
    {kKrassovsky, 1.0, 30.0, false, "Streifennummer zwischen 1 und 30"},
    {kUtm, 1.0, 60.0, false, "Streifennummer zwischen 1 und 60"},
    {kGaussKruegerAustria, 28.0, 34.0, true, "Streifennummer 28, 31 oder 34"},
}};

bool near(double value, double target) {
    return std::fabs(value - target) <= 1e-9;
}

}  // namespace

std::string checkStripNumber(int32_t strip, const std::string& name) {
    const double n = strip;
    for (const StripRule& rule : kStripRules) {
        if (!isProjection(name, rule.name)) continue;
        const bool valid =
            rule.listedOnly ? austrianEasting(strip) != 0.0 : n >= rule.low && n <= rule.high;
        return valid ? std::string() : std::string(rule.message);
    }
    return {};
}

std::string checkStandardParallels(const std::string& name, double delta1, double delta2) {
    const ProjectionTypeRow* type = findProjectionType(name);
    if (type == nullptr) return {};
    bool degenerate = false;
    switch (type->family) {
        case ProjectionFamily::Cylinder:
            // A standard parallel at a pole has no length to keep.
            degenerate = near(delta1, 0.0) || near(delta1, 180.0);
            break;
        case ProjectionFamily::Conic:
            // Parallels symmetric about the equator open the cone into a cylinder.
            degenerate = near(delta1 + delta2, 180.0);
            if (type->type == ProjectionType::ConicConformal) {
                degenerate = degenerate || near(delta1, 0.0) || near(delta1, 180.0) ||
                             near(delta2, 0.0) || near(delta2, 180.0);
            }
            break;
        case ProjectionFamily::Bonne:
            // Bonne's standard parallel on the equator puts the cone's apex at infinity.
            degenerate = near(delta1, 90.0);
            break;
        default:
            break;
    }
    return degenerate ? "Mit diesen Parallelkreisen ist keine Abbildung möglich" : std::string();
}

FieldState fieldState(const ProjectionDefinition& d, Field field) {
    const TypeRules* rules = findTypeRules(d.projectionName);
    const bool calibration = !d.natural;
    switch (field) {
        case Field::ProjectionList:
            return {true, true};
        case Field::Radius:
            return {rules && rules->radiusShown, true};
        case Field::MainLat:
        case Field::MainLon:
            return {rules && rules->mainPointShown, true};
        case Field::Delta1:
            return {rules && rules->delta1Shown, true};
        case Field::Delta2:
            return {rules && rules->delta2Shown, true};
        case Field::Strip:
            return {rules && rules->stripShown, true};
        case Field::CentralMeridian:
            return {true, rules && rules->centralMeridianEnabled};
        case Field::Resolution:
            return {d.units == kUnitPixel, true};
        case Field::Units:
        case Field::Scale:
        case Field::RefLat:
        case Field::RefLon:
        case Field::RefX:
        case Field::RefY:
        case Field::Rotation:
            return {true, calibration};
    }
    return {false, false};
}

std::string checkField(const ProjectionDefinition& d, Field field) {
    switch (field) {
        case Field::Radius:
            return checkPositive(d.radius);
        case Field::MainLat:
            return checkLatitude(d.mainLat);
        case Field::MainLon:
            return checkLongitude(d.mainLon);
        case Field::Delta1:
            return checkDelta(d.delta1);
        case Field::Delta2:
            return checkDelta(d.delta2);
        case Field::Strip:
            return checkStripNumber(d.strip, d.projectionName);
        case Field::CentralMeridian:
            return checkLongitude(d.centralMeridian);
        case Field::Resolution:
            return checkPositive(d.resolution);
        case Field::Scale:
            return checkPositive(d.scale);
        case Field::RefLat:
            return checkLatitude(d.refLat);
        case Field::RefLon:
            return checkLongitude(d.refLon);
        case Field::Rotation:
            return checkAngle(d.rotation);
        case Field::ProjectionList:
        case Field::Units:
        case Field::RefX:
        case Field::RefY:
            return {};
    }
    return {};
}

ProjectionParams buildParams(const ProjectionDefinition& d, const DatumParams& datum) {
    ProjectionParams p;
    p.projectionName = d.projectionName;
    p.scaleDenominator = d.scale;
    p.sphereRadius = d.radius;
    p.mainPointLat = d.mainLat;
    // A type that keeps the meridian entered ("Gauß-Krüger (Allgemein)")
    // carries it in the main point.
    const ProjectionTypeRow* type = findProjectionType(d.projectionName);
    const bool kept = type != nullptr && type->meridian == MeridianRule::Kept;
    p.mainPointLon = kept ? d.centralMeridian : d.mainLon;
    p.delta1 = d.delta1;
    p.delta2 = d.delta2;
    p.stripNumber = d.strip;
    p.refPointLat = d.refLat;
    p.refPointLon = d.refLon;
    p.refPointX = d.refX;
    p.refPointY = d.refY;
    p.rotationAngle = d.rotation;
    p.unitMillimetres = unitMillimetres(d.units, d.resolution);
    p.datum = datum;
    updateOffsets(p);
    return p;
}

}  // namespace definition
