#include "geodesy/chain.h"

#include <array>
#include <cmath>
#include <utility>

#include "geodesy/angles_inline.h"
#include "geodesy/chain_run.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"

namespace geodesy::detail {

namespace {

enum class Family : std::uint8_t {
    Conic,
    Azimuthal,
    Cylinder,
    Bonne,
    SwissGrid,
    TransverseMercator,
    None,
};
enum class Body : std::uint8_t { Sphere, Ellipsoid };
// Where the main point of a type comes from.
enum class MeridianRule : std::uint8_t {
    MainPoint,        // the record's main point
    EnteredMeridian,  // latitude 90, the record's main point longitude as central meridian
    StripNumber,      // latitude 90, central meridian from the strip number
    SwissFixed,       // latitude 90, longitude 7.43958333
};

struct TypeRow {
    std::string_view name;
    ProjectionType type;
    Family family;
    Body body;
    MeridianRule meridian;
};

// The dispatch table of the sixteen types.
constexpr std::array<TypeRow, 16> kTypes = {{
    {kConicEquidistant, ProjectionType::ConicEquidistant, Family::Conic, Body::Sphere,
     MeridianRule::MainPoint},
    {kConicEqualArea, ProjectionType::ConicEqualArea, Family::Conic, Body::Sphere,
     MeridianRule::MainPoint},
    {kConicConformal, ProjectionType::ConicConformal, Family::Conic, Body::Sphere,
     MeridianRule::MainPoint},
    {kAzimuthalEquidistant, ProjectionType::AzimuthalEquidistant, Family::Azimuthal, Body::Sphere,
     MeridianRule::MainPoint},
    {kAzimuthalEqualArea, ProjectionType::AzimuthalEqualArea, Family::Azimuthal, Body::Sphere,
     MeridianRule::MainPoint},
    {kAzimuthalConformal, ProjectionType::AzimuthalConformal, Family::Azimuthal, Body::Sphere,
     MeridianRule::MainPoint},
    {kCylinderEquidistant, ProjectionType::CylinderEquidistant, Family::Cylinder, Body::Sphere,
     MeridianRule::MainPoint},
    {kCylinderEqualArea, ProjectionType::CylinderEqualArea, Family::Cylinder, Body::Sphere,
     MeridianRule::MainPoint},
    {kCylinderConformal, ProjectionType::CylinderConformal, Family::Cylinder, Body::Sphere,
     MeridianRule::MainPoint},
    {kBonne, ProjectionType::Bonne, Family::Bonne, Body::Sphere, MeridianRule::MainPoint},
    {kSwissGrid, ProjectionType::SwissGrid, Family::SwissGrid, Body::Ellipsoid,
     MeridianRule::SwissFixed},
    {kGaussKruegerGermany, ProjectionType::GaussKruegerGermany, Family::TransverseMercator,
     Body::Ellipsoid, MeridianRule::StripNumber},
    {kGaussKruegerAustria, ProjectionType::GaussKruegerAustria, Family::TransverseMercator,
     Body::Ellipsoid, MeridianRule::StripNumber},
    {kGaussKruegerGeneral, ProjectionType::GaussKruegerGeneral, Family::TransverseMercator,
     Body::Ellipsoid, MeridianRule::EnteredMeridian},
    {kUtm, ProjectionType::Utm, Family::TransverseMercator, Body::Ellipsoid,
     MeridianRule::StripNumber},
    {kKrassovsky, ProjectionType::Krassovsky, Family::TransverseMercator, Body::Ellipsoid,
     MeridianRule::StripNumber},
}};

constexpr TypeRow kUnknownRow = {
    {}, ProjectionType::Unknown, Family::None, Body::Sphere, MeridianRule::MainPoint};

// The row of a name, found by classifyProjection; the rows are in the order
// of the type names and of ProjectionType.
constexpr bool rowsInTypeOrder() {
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        if (kTypes[i].name != kProjectionNames[i]) return false;
        if (static_cast<std::size_t>(kTypes[i].type) != i) return false;
    }
    return true;
}
static_assert(rowsInTypeOrder());

const TypeRow& findRow(std::string_view name) {
    const ProjectionType type = classifyProjection(name);
    return type == ProjectionType::Unknown ? kUnknownRow : kTypes[static_cast<std::size_t>(type)];
}

}  // namespace

double stripCentralMeridian(std::int32_t strip, ProjectionType type) {
    const double n = strip;
    switch (type) {
        case ProjectionType::GaussKruegerGermany:
            return 3.0 * n;
        case ProjectionType::Krassovsky:
            return 6.0 * n - 3.0;
        case ProjectionType::Utm:
            return 6.0 * n - 3.0 - 180.0;
        case ProjectionType::GaussKruegerAustria:
            return n - 17.666666667;  // strips count degrees east of Ferro
        default:
            return 0.0;
    }
}

void prepareChain(const ProjectionParams& p, ChainConstants& c) {
    const TypeRow& row = findRow(p.projectionName);
    const bool cylinder = row.family == Family::Cylinder;
    c = ChainConstants{};
    c.type = row.type;
    c.sphericalAspect = row.body == Body::Sphere;  // unknown names included
    c.k = calibrationFactor(p);
    c.radius = p.sphereRadius;
    c.offsetX = p.offsetX;
    c.offsetY = p.offsetY;

    double mainLat = p.mainPointLat;
    double mainLon = p.mainPointLon;
    switch (row.meridian) {
        case MeridianRule::MainPoint:
            break;
        case MeridianRule::EnteredMeridian:
            mainLat = 90.0;
            break;
        case MeridianRule::StripNumber:
            mainLat = 90.0;
            mainLon = stripCentralMeridian(p.stripNumber, row.type);
            break;
        case MeridianRule::SwissFixed:
            mainLat = 90.0;
            mainLon = kSwissFundamentalLon;
            break;
    }

    c.polar = mainLat == 90.0;
    const bool equatorial = mainLat == 0.0;
    const bool oblique = std::fabs(mainLat) != 90.0 && mainLat != 0.0;

    double lat0 = inl::degToRad(mainLat);
    double lonMain = inl::degToRad(mainLon);
    const double delta1 = inl::degToRad(p.delta1);
    const double delta2 = inl::degToRad(p.delta2);
    c.rot = inl::degToRad(p.rotationAngle);
    c.cosRot = std::cos(c.rot);
    c.sinRot = std::sin(c.rot);

    double lon0 = lonMain;
    c.equatorialCylinder = equatorial && cylinder;
    if (c.equatorialCylinder) lon0 = inl::normalizeAngle(lonMain - kHalfPi);
    if (oblique && cylinder && lat0 > 0.0) {
        // An oblique cylinder is turned onto the antipode of its main point.
        lat0 = -lat0;
        lonMain = inl::normalizeAngle(lonMain - kPi);
        lon0 = lonMain;
    }
    c.lon0 = lon0;
    c.mainPoint = aspect::makeMainPoint(lat0, inl::normalizeAngle(lonMain - lon0));

    const double a = p.datum.semiMajorAxis;
    const double b = p.datum.semiMinorAxis;
    switch (row.type) {
        case ProjectionType::ConicEquidistant:
            c.family.equidistantConic = makeEquidistantConic(delta1, delta2);
            break;
        case ProjectionType::ConicEqualArea:
            c.family.equalAreaConic = makeEqualAreaConic(delta1, delta2);
            break;
        case ProjectionType::ConicConformal:
            c.family.conformalConic = makeConformalConic(delta1, delta2);
            break;
        case ProjectionType::CylinderEquidistant:
        case ProjectionType::CylinderEqualArea:
        case ProjectionType::CylinderConformal:
            c.family.cylinder = makeCylinder(delta1);
            break;
        case ProjectionType::Bonne:
            c.family.bonne = makeBonne(delta1);
            break;
        case ProjectionType::SwissGrid:
            c.family.swissGrid = makeSwissGrid(a, b);
            break;
        case ProjectionType::GaussKruegerGermany:
        case ProjectionType::GaussKruegerAustria:
        case ProjectionType::GaussKruegerGeneral:
        case ProjectionType::Utm:
        case ProjectionType::Krassovsky:
            c.family.transverseMercator = makeTransverseMercator(a, b);
            break;
        default:
            break;
    }

    double formulaScale = c.k / p.sphereRadius;
    if (row.type == ProjectionType::Utm) formulaScale = formulaScale * kUtmScale;
    if (row.type == ProjectionType::SwissGrid)
        formulaScale = formulaScale * c.family.swissGrid.radius;
    c.formulaCos = formulaScale * c.cosRot;
    c.formulaSin = formulaScale * c.sinRot;
    double inverseScale = p.sphereRadius / c.k;
    if (row.type == ProjectionType::Utm) inverseScale = inverseScale / kUtmScale;
    if (row.type == ProjectionType::SwissGrid)
        inverseScale = inverseScale / c.family.swissGrid.radius;
    c.inverseCos = inverseScale * c.cosRot;
    c.inverseSin = inverseScale * c.sinRot;
}

void forwardChain(const ChainConstants& c, double lat, double lon, double& x, double& y) {
    runForward(c, lat, lon, x, y);
}

void inverseChain(const ChainConstants& c, double x, double y, double& lat, double& lon) {
    runInverse(c, x, y, lat, lon);
}

}  // namespace geodesy::detail
