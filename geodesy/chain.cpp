#include "geodesy/chain.h"

#include <cmath>

#include "geodesy/angles_inline.h"
#include "geodesy/chain_run.h"  // kUtmScale
#include "geodesy/engine.h"     // calibrationFactor

namespace geodesy::detail {

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
    // A name outside the table is taken as a sphere type turned onto its main
    // point whose formulas give x = y = 0 (and z = alpha = 0 in the inverse).
    const ProjectionTypeRow* row = findProjectionType(p.projectionName);
    const bool cylinder = row != nullptr && row->family == ProjectionFamily::Cylinder;
    c = ChainConstants{};
    c.type = row != nullptr ? row->type : ProjectionType::Unknown;
    c.sphericalAspect = row == nullptr || row->body == ProjectionBody::Sphere;
    c.k = calibrationFactor(p);
    c.radius = p.sphereRadius;
    c.offsetX = p.offsetX;
    c.offsetY = p.offsetY;

    double mainLat = p.mainPointLat;
    double mainLon = p.mainPointLon;
    switch (row != nullptr ? row->meridian : MeridianRule::MainPoint) {
        case MeridianRule::MainPoint:
            break;
        case MeridianRule::Kept:
            mainLat = 90.0;
            break;
        case MeridianRule::Strip:
            mainLat = 90.0;
            mainLon = stripCentralMeridian(p.stripNumber, c.type);
            break;
        case MeridianRule::SwissGrid:
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
    switch (c.type) {
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
    if (c.type == ProjectionType::Utm) formulaScale = formulaScale * kUtmScale;
    if (c.type == ProjectionType::SwissGrid)
        formulaScale = formulaScale * c.family.swissGrid.radius;
    c.formulaCos = formulaScale * c.cosRot;
    c.formulaSin = formulaScale * c.sinRot;
    double inverseScale = p.sphereRadius / c.k;
    if (c.type == ProjectionType::Utm) inverseScale = inverseScale / kUtmScale;
    if (c.type == ProjectionType::SwissGrid)
        inverseScale = inverseScale / c.family.swissGrid.radius;
    c.inverseCos = inverseScale * c.cosRot;
    c.inverseSin = inverseScale * c.sinRot;
}

}  // namespace geodesy::detail
