#include "geodesy/chain.h"

#include <array>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "geodesy/angles_inline.h"
#include "geodesy/azimuthal.h"
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

constexpr std::size_t kLongestName = 37;

// A name is found by its length and first byte, then confirmed byte for byte:
// at most two names share a length, and no two share length and first byte.
constexpr bool lengthAndFirstByteDistinguish() {
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        if (kTypes[i].name.empty() || kTypes[i].name.size() > kLongestName) return false;
        int sameLength = 0;
        for (std::size_t j = 0; j < kTypes.size(); ++j) {
            if (kTypes[i].name.size() != kTypes[j].name.size()) continue;
            ++sameLength;
            if (i != j && kTypes[i].name[0] == kTypes[j].name[0]) return false;
        }
        if (sameLength > 2) return false;
    }
    return true;
}
static_assert(lengthAndFirstByteDistinguish());

// Byte equality of two texts of length n, eight bytes at a time (the names
// are 3 to 37 bytes long; this runs on every call of the engine).
bool sameBytes(const char* a, const char* b, std::size_t n) {
    for (; n >= 8; n -= 8, a += 8, b += 8) {
        std::uint64_t wordA, wordB;
        std::memcpy(&wordA, a, 8);
        std::memcpy(&wordB, b, 8);
        if (wordA != wordB) return false;
    }
    for (; n > 0; --n, ++a, ++b) {
        if (*a != *b) return false;
    }
    return true;
}

// The rows by name length: at most two names share a length, and those two
// differ in their first byte.
struct LengthSlot {
    std::int8_t first = -1;
    std::int8_t second = -1;
};

constexpr std::array<LengthSlot, kLongestName + 1> rowsByLength() {
    std::array<LengthSlot, kLongestName + 1> slots{};
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        LengthSlot& slot = slots[kTypes[i].name.size()];
        (slot.first < 0 ? slot.first : slot.second) = static_cast<std::int8_t>(i);
    }
    return slots;
}
constexpr std::array<LengthSlot, kLongestName + 1> kRowsByLength = rowsByLength();

const TypeRow& findRow(std::string_view name) {
    if (name.size() > kLongestName) return kUnknownRow;
    const LengthSlot slot = kRowsByLength[name.size()];
    for (const std::int8_t index : {slot.first, slot.second}) {
        if (index < 0) break;
        const TypeRow& row = kTypes[static_cast<std::size_t>(index)];
        if (name[0] == row.name[0])
            return sameBytes(name.data(), row.name.data(), name.size()) ? row : kUnknownRow;
    }
    return kUnknownRow;
}

constexpr double kUtmScale = 0.9996;

}  // namespace

ProjectionType classifyProjection(std::string_view name) {
    return findRow(name).type;
}

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
}

void forwardChain(const ChainConstants& c, double lat, double lon, double& xOut, double& yOut) {
    lat = inl::degToRad(lat);
    lon = inl::normalizeAngle(inl::degToRad(lon) - c.lon0);

    double z = 0.0;
    double alpha = 0.0;
    if (c.sphericalAspect) aspect::toAspect(c.mainPoint, lat, lon, z, alpha);
    if (c.equatorialCylinder) alpha = -inl::normalizeAngle(alpha + kHalfPi);

    double x = 0.0;
    double y = 0.0;
    switch (c.type) {
        case ProjectionType::ConicEquidistant:
            equidistantConicForward(c.family.equidistantConic, z, alpha, x, y);
            break;
        case ProjectionType::ConicEqualArea:
            equalAreaConicForward(c.family.equalAreaConic, z, alpha, x, y);
            break;
        case ProjectionType::ConicConformal:
            conformalConicForward(c.family.conformalConic, z, alpha, x, y);
            break;
        case ProjectionType::AzimuthalEquidistant:
            azimuthalEquidistantForward(z, alpha, x, y);
            break;
        case ProjectionType::AzimuthalEqualArea:
            azimuthalEqualAreaForward(z, alpha, x, y);
            break;
        case ProjectionType::AzimuthalConformal:
            azimuthalConformalForward(z, alpha, x, y);
            break;
        case ProjectionType::CylinderEquidistant:
            cylinderEquidistantForward(c.family.cylinder, z, alpha, x, y);
            break;
        case ProjectionType::CylinderEqualArea:
            cylinderEqualAreaForward(c.family.cylinder, z, alpha, x, y);
            break;
        case ProjectionType::CylinderConformal:
            cylinderConformalForward(c.family.cylinder, z, alpha, x, y);
            break;
        case ProjectionType::Bonne:
            bonneForward(c.family.bonne, z, alpha, x, y);
            break;
        case ProjectionType::SwissGrid:
            swissGridForward(c.family.swissGrid, lat, lon, x, y);
            x = x / c.radius;
            y = y / c.radius;
            break;
        case ProjectionType::GaussKruegerGermany:
        case ProjectionType::GaussKruegerAustria:
        case ProjectionType::GaussKruegerGeneral:
        case ProjectionType::Krassovsky:
            transverseMercatorForward(c.family.transverseMercator, lat, lon, x, y);
            x = x / c.radius;
            y = y / c.radius;
            break;
        case ProjectionType::Utm:
            transverseMercatorForward(c.family.transverseMercator, lat, lon, x, y);
            x = x / c.radius;
            y = y / c.radius;
            x = x * kUtmScale;
            y = y * kUtmScale;
            break;
        case ProjectionType::Unknown:
            break;
    }

    if (c.equatorialCylinder) std::swap(x, y);
    if (!c.polar) y = -y;
    const double turnedX = x * c.cosRot - y * c.sinRot;
    const double turnedY = x * c.sinRot + y * c.cosRot;
    xOut = c.k * turnedX + c.offsetX;
    yOut = c.k * turnedY + c.offsetY;
}

void inverseChain(const ChainConstants& c, double x, double y, double& latOut, double& lonOut) {
    x = (x - c.offsetX) / c.k;
    y = (y - c.offsetY) / c.k;
    if (c.sphericalAspect) {
        // The inverse turning of the sphere is ill-conditioned near the main
        // point's meridian (arc cosines of arguments near 1): turn by radius
        // and angle exactly as the chain does, so that its results stay those
        // of the chain there too.
        inl::rotateAboutPoint(x, y, 0.0, 0.0, -c.rot, x, y);
    } else {
        // Turned back by the negative angle: cos(-rot) = cos rot, sin(-rot) = -sin rot.
        const double turnedX = x * c.cosRot + y * c.sinRot;
        const double turnedY = y * c.cosRot - x * c.sinRot;
        x = turnedX;
        y = turnedY;
    }
    if (!c.polar) y = -y;
    if (c.equatorialCylinder) std::swap(x, y);

    double z = 0.0;
    double alpha = 0.0;
    double lat = 0.0;
    double lon = 0.0;
    switch (c.type) {
        case ProjectionType::ConicEquidistant:
            equidistantConicInverse(c.family.equidistantConic, x, y, z, alpha);
            break;
        case ProjectionType::ConicEqualArea:
            equalAreaConicInverse(c.family.equalAreaConic, x, y, z, alpha);
            break;
        case ProjectionType::ConicConformal:
            conformalConicInverse(c.family.conformalConic, x, y, z, alpha);
            break;
        case ProjectionType::AzimuthalEquidistant:
            azimuthalEquidistantInverse(x, y, z, alpha);
            break;
        case ProjectionType::AzimuthalEqualArea:
            azimuthalEqualAreaInverse(x, y, z, alpha);
            break;
        case ProjectionType::AzimuthalConformal:
            azimuthalConformalInverse(x, y, z, alpha);
            break;
        case ProjectionType::CylinderEquidistant:
            cylinderEquidistantInverse(c.family.cylinder, x, y, z, alpha);
            break;
        case ProjectionType::CylinderEqualArea:
            cylinderEqualAreaInverse(c.family.cylinder, x, y, z, alpha);
            break;
        case ProjectionType::CylinderConformal:
            cylinderConformalInverse(c.family.cylinder, x, y, z, alpha);
            break;
        case ProjectionType::Bonne:
            bonneInverse(c.family.bonne, x, y, z, alpha);
            break;
        case ProjectionType::SwissGrid:
            x = x * c.radius;
            y = y * c.radius;
            swissGridInverse(c.family.swissGrid, x, y, lat, lon);
            break;
        case ProjectionType::GaussKruegerGermany:
        case ProjectionType::GaussKruegerAustria:
        case ProjectionType::GaussKruegerGeneral:
        case ProjectionType::Krassovsky:
            x = x * c.radius;
            y = y * c.radius;
            transverseMercatorInverse(c.family.transverseMercator, x, y, lat, lon);
            break;
        case ProjectionType::Utm:
            x = x * c.radius;
            y = y * c.radius;
            x = x / kUtmScale;
            y = y / kUtmScale;
            transverseMercatorInverse(c.family.transverseMercator, x, y, lat, lon);
            break;
        case ProjectionType::Unknown:
            break;  // z = alpha = 0: the main point
    }

    if (c.equatorialCylinder) alpha = -inl::normalizeAngle(alpha + kHalfPi);
    if (c.sphericalAspect) aspect::fromAspect(c.mainPoint, z, alpha, lat, lon);
    lon = inl::normalizeAngle(c.lon0 + lon);
    latOut = inl::radToDeg(lat);
    lonOut = inl::radToDeg(lon);
}

}  // namespace geodesy::detail
