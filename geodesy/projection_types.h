#pragma once
// The sixteen projection types and what the engine and the projection
// definition know of each: the family of its formulas, the body they work on
// and where its central meridian comes from. One table, in the order of the
// projection list; a type is found by exact comparison of its name.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "geodesy/projection_names.h"

namespace geodesy {

// In the order of kProjectionNames; Unknown stands for any other name.
enum class ProjectionType : std::uint8_t {
    ConicEquidistant,
    ConicEqualArea,
    ConicConformal,
    AzimuthalEquidistant,
    AzimuthalEqualArea,
    AzimuthalConformal,
    CylinderEquidistant,
    CylinderEqualArea,
    CylinderConformal,
    Bonne,
    SwissGrid,
    GaussKruegerGermany,
    GaussKruegerAustria,
    GaussKruegerGeneral,
    Utm,
    Krassovsky,
    Unknown,
};

enum class ProjectionFamily : std::uint8_t {
    Conic,
    Azimuthal,
    Cylinder,
    Bonne,
    SwissGrid,
    TransverseMercator,
};

// The sphere types turn the sphere onto their main point and work on the
// unit sphere; the ellipsoid types work in metres on the datum's ellipsoid.
enum class ProjectionBody : std::uint8_t { Sphere, Ellipsoid };

// The names of the two bodies as the projection definition shows them.
inline constexpr std::string_view kBodySphere = "Kugel";
inline constexpr std::string_view kBodyEllipsoid = "Ellipsoid";

constexpr std::string_view bodyName(ProjectionBody body) {
    return body == ProjectionBody::Sphere ? kBodySphere : kBodyEllipsoid;
}

// Where a type takes its central meridian from. Every rule but MainPoint
// puts the main point at the north pole.
enum class MeridianRule : std::uint8_t {
    MainPoint,  // the main point's longitude; the sphere is turned onto the main point
    Strip,      // stripCentralMeridian of the strip number
    Kept,       // the meridian entered, carried in the record as the main point's longitude
    SwissGrid,  // the longitude of the Swiss grid's fundamental point
};

// The Swiss grid's fundamental point, the old observatory of Bern (degrees).
inline constexpr double kSwissFundamentalLat = 46.95240556;
inline constexpr double kSwissFundamentalLon = 7.43958333;

struct ProjectionTypeRow {
    std::string_view name;
    ProjectionType type;
    ProjectionFamily family;
    ProjectionBody body;
    MeridianRule meridian;

    // The four types whose zone is chosen by a strip number.
    constexpr bool numberedStrip() const { return meridian == MeridianRule::Strip; }
};

// clang-format off
inline constexpr std::array<ProjectionTypeRow, 16> kProjectionTypes = {{
//   name                   type                                  family                                body                       central meridian
    {kConicEquidistant,     ProjectionType::ConicEquidistant,     ProjectionFamily::Conic,              ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kConicEqualArea,       ProjectionType::ConicEqualArea,       ProjectionFamily::Conic,              ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kConicConformal,       ProjectionType::ConicConformal,       ProjectionFamily::Conic,              ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kAzimuthalEquidistant, ProjectionType::AzimuthalEquidistant, ProjectionFamily::Azimuthal,          ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kAzimuthalEqualArea,   ProjectionType::AzimuthalEqualArea,   ProjectionFamily::Azimuthal,          ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kAzimuthalConformal,   ProjectionType::AzimuthalConformal,   ProjectionFamily::Azimuthal,          ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kCylinderEquidistant,  ProjectionType::CylinderEquidistant,  ProjectionFamily::Cylinder,           ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kCylinderEqualArea,    ProjectionType::CylinderEqualArea,    ProjectionFamily::Cylinder,           ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kCylinderConformal,    ProjectionType::CylinderConformal,    ProjectionFamily::Cylinder,           ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kBonne,                ProjectionType::Bonne,                ProjectionFamily::Bonne,              ProjectionBody::Sphere,    MeridianRule::MainPoint},
    {kSwissGrid,            ProjectionType::SwissGrid,            ProjectionFamily::SwissGrid,          ProjectionBody::Ellipsoid, MeridianRule::SwissGrid},
    {kGaussKruegerGermany,  ProjectionType::GaussKruegerGermany,  ProjectionFamily::TransverseMercator, ProjectionBody::Ellipsoid, MeridianRule::Strip},
    {kGaussKruegerAustria,  ProjectionType::GaussKruegerAustria,  ProjectionFamily::TransverseMercator, ProjectionBody::Ellipsoid, MeridianRule::Strip},
    {kGaussKruegerGeneral,  ProjectionType::GaussKruegerGeneral,  ProjectionFamily::TransverseMercator, ProjectionBody::Ellipsoid, MeridianRule::Kept},
    {kUtm,                  ProjectionType::Utm,                  ProjectionFamily::TransverseMercator, ProjectionBody::Ellipsoid, MeridianRule::Strip},
    {kKrassovsky,           ProjectionType::Krassovsky,           ProjectionFamily::TransverseMercator, ProjectionBody::Ellipsoid, MeridianRule::Strip},
}};
// clang-format on

// The row of a type name (byte-for-byte comparison), nullptr for any other text.
constexpr const ProjectionTypeRow* findProjectionType(std::string_view name) {
    for (const ProjectionTypeRow& row : kProjectionTypes) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

namespace detail {
constexpr bool rowsInListOrder() {
    for (std::size_t i = 0; i < kProjectionTypes.size(); ++i) {
        if (kProjectionTypes[i].name != kProjectionNames[i]) return false;
        if (static_cast<std::size_t>(kProjectionTypes[i].type) != i) return false;
    }
    return static_cast<std::size_t>(ProjectionType::Unknown) == kProjectionTypes.size();
}
static_assert(rowsInListOrder(), "rows in the order of the projection list and of ProjectionType");
}  // namespace detail

}  // namespace geodesy
