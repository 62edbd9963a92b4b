#pragma once
// The per-point steps of the engine's chain (see chain.h) as inline
// functions, so that PreparedProjection runs them without further calls.

#include <cmath>
#include <utility>

#include "geodesy/angles_inline.h"
#include "geodesy/azimuthal.h"
#include "geodesy/chain.h"
#include "geodesy/sphere_turning.h"
#include "geodesy/swiss_grid_inline.h"

namespace geodesy::detail {

inline constexpr double kUtmScale = 0.9996;
inline constexpr double kDegreesPerRadian = 180.0 / kPi;

// The result of an ellipsoidal type's formulas (metres of the strip types,
// radians of the Swiss grid's sphere; always polar, never an equatorial
// cylinder) to output units: the scale to metres, the division by R, the UTM
// scale, the turning and the calibration as one matrix. The result differs
// from the steps taken one by one by a few units in the last place of the
// larger coordinate.
inline void formulaToMap(const ChainConstants& c, double x, double y, double& xOut, double& yOut) {
    xOut = x * c.formulaCos - y * c.formulaSin + c.offsetX;
    yOut = x * c.formulaSin + y * c.formulaCos + c.offsetY;
}

// Forced inline into each caller, so that a call of the engine makes no
// further calls of its own between the library's mathematical functions.
[[gnu::always_inline]] inline void runForward(const ChainConstants& c, double lat, double lon,
                                              double& xOut, double& yOut) {
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
            swiss::forwardOnSphere(c.family.swissGrid, lat, lon, x, y);
            formulaToMap(c, x, y, xOut, yOut);
            return;
        case ProjectionType::GaussKruegerGermany:
        case ProjectionType::GaussKruegerAustria:
        case ProjectionType::GaussKruegerGeneral:
        case ProjectionType::Krassovsky:
        case ProjectionType::Utm:
            transverseMercatorForward(c.family.transverseMercator, lat, lon, x, y);
            formulaToMap(c, x, y, xOut, yOut);
            return;
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

[[gnu::always_inline]] inline void runInverse(const ChainConstants& c, double x, double y,
                                              double& latOut, double& lonOut) {
    if (!c.sphericalAspect) {
        // Ellipsoidal types (polar, no equatorial cylinder): offsets, scale,
        // turning by the negative angle and the unit of the formulas as one
        // matrix (cos(-rot) = cos rot, sin(-rot) = -sin rot). The result
        // differs from the steps taken one by one by a few units in the last
        // place.
        const double dx = x - c.offsetX;
        const double dy = y - c.offsetY;
        const double fx = dx * c.inverseCos + dy * c.inverseSin;
        const double fy = dy * c.inverseCos - dx * c.inverseSin;
        double lat, lon;
        if (c.type == ProjectionType::SwissGrid)
            swissGridInverseOnSphere(c.family.swissGrid, fx, fy, lat, lon);
        else
            transverseMercatorInverse(c.family.transverseMercator, fx, fy, lat, lon);
        lon = inl::normalizeAngle(c.lon0 + lon);
        latOut = lat * kDegreesPerRadian;
        lonOut = lon * kDegreesPerRadian;
        return;
    }
    x = (x - c.offsetX) / c.k;
    y = (y - c.offsetY) / c.k;
    // The inverse turning of the sphere is ill-conditioned near the main
    // point's meridian (arc cosines of arguments near 1): turn by radius and
    // angle exactly as the chain does, so that its results stay those of the
    // chain there too.
    inl::rotateAboutPoint(x, y, 0.0, 0.0, -c.rot, x, y);
    if (!c.polar) y = -y;
    if (c.equatorialCylinder) std::swap(x, y);

    double z = 0.0;
    double alpha = 0.0;
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
        case ProjectionType::GaussKruegerGermany:
        case ProjectionType::GaussKruegerAustria:
        case ProjectionType::GaussKruegerGeneral:
        case ProjectionType::Krassovsky:
        case ProjectionType::Utm:
            break;  // taken above
        case ProjectionType::Unknown:
            break;  // z = alpha = 0: the main point
    }

    if (c.equatorialCylinder) alpha = -inl::normalizeAngle(alpha + kHalfPi);
    double lat, lon;
    aspect::fromAspect(c.mainPoint, z, alpha, lat, lon);
    lon = inl::normalizeAngle(c.lon0 + lon);
    // Degrees by one multiplication instead of radians * 180 / pi: within a
    // unit in the last place of the latter, and nothing follows that could
    // magnify the difference.
    latOut = lat * kDegreesPerRadian;
    lonOut = lon * kDegreesPerRadian;
}

}  // namespace geodesy::detail
