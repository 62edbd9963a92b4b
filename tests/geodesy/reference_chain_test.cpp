#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "geodesy/angles.h"
#include "geodesy/azimuthal.h"
#include "geodesy/bonne.h"
#include "geodesy/conic.h"
#include "geodesy/cylindrical.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "geodesy/swiss_grid.h"
#include "geodesy/transverse_mercator.h"
#include "test_records.h"

namespace geodesy {
namespace {

// The engine's chain step by step as the record's definition gives it,
// computed afresh for every point from the public helpers and formula
// functions: classification, main point rules, turning of the sphere, sign,
// rotation about the origin by radius and angle, calibration, offsets. The
// engine works the record's constants out once and turns the map with a
// rotation matrix; its results must stay within a few units in the last
// place of this.
struct Classified {
    bool cylinder, strip, swiss, polar, equatorialCylinder;
    double k, lat0, mainLon, lon0, delta1, delta2, rot;
};

Classified classify(const ProjectionParams& p) {
    const std::string& name = p.projectionName;
    Classified c{};
    c.cylinder = isProjection(name, kCylinderEquidistant) ||
                 isProjection(name, kCylinderEqualArea) || isProjection(name, kCylinderConformal);
    c.strip = isProjection(name, kGaussKruegerGermany) || isProjection(name, kUtm) ||
              isProjection(name, kKrassovsky) || isProjection(name, kGaussKruegerGeneral) ||
              isProjection(name, kGaussKruegerAustria);
    c.swiss = isProjection(name, kSwissGrid);
    c.k = calibrationFactor(p);
    double lat = p.mainPointLat, lon = p.mainPointLon;
    if (c.strip) {
        lat = 90.0;
        if (!isProjection(name, kGaussKruegerGeneral))
            lon = stripCentralMeridian(p.stripNumber, name);
    }
    if (c.swiss) {
        lat = 90.0;
        lon = 7.43958333;
    }
    c.polar = lat == 90.0;
    const bool equatorial = lat == 0.0;
    const bool oblique = std::fabs(lat) != 90.0 && lat != 0.0;
    c.lat0 = degToRad(lat);
    c.mainLon = degToRad(lon);
    c.delta1 = degToRad(p.delta1);
    c.delta2 = degToRad(p.delta2);
    c.rot = degToRad(p.rotationAngle);
    c.lon0 = c.mainLon;
    c.equatorialCylinder = equatorial && c.cylinder;
    if (c.equatorialCylinder) c.lon0 = normalizeAngle(c.mainLon - kHalfPi);
    if (oblique && c.cylinder && c.lat0 > 0.0) {
        c.lat0 = -c.lat0;
        c.mainLon = normalizeAngle(c.mainLon - kPi);
        c.lon0 = c.mainLon;
    }
    c.mainLon = normalizeAngle(c.mainLon - c.lon0);
    return c;
}

void referenceForward(const ProjectionParams& p, double lat, double lon, double& x, double& y) {
    const Classified c = classify(p);
    const std::string& name = p.projectionName;
    const double a = p.datum.semiMajorAxis, b = p.datum.semiMinorAxis, r = p.sphereRadius;
    lat = degToRad(lat);
    lon = normalizeAngle(degToRad(lon) - c.lon0);
    double z = 0.0, alpha = 0.0;
    if (!c.strip && !c.swiss) geographicToAspect(lat, lon, c.lat0, c.mainLon, z, alpha);
    if (c.equatorialCylinder) alpha = -normalizeAngle(alpha + kHalfPi);
    x = y = 0.0;
    if (isProjection(name, kConicEquidistant))
        equidistantConicForward(makeEquidistantConic(c.delta1, c.delta2), z, alpha, x, y);
    else if (isProjection(name, kConicEqualArea))
        equalAreaConicForward(makeEqualAreaConic(c.delta1, c.delta2), z, alpha, x, y);
    else if (isProjection(name, kConicConformal))
        conformalConicForward(makeConformalConic(c.delta1, c.delta2), z, alpha, x, y);
    else if (isProjection(name, kAzimuthalEquidistant))
        azimuthalEquidistantForward(z, alpha, x, y);
    else if (isProjection(name, kAzimuthalEqualArea))
        azimuthalEqualAreaForward(z, alpha, x, y);
    else if (isProjection(name, kAzimuthalConformal))
        azimuthalConformalForward(z, alpha, x, y);
    else if (isProjection(name, kCylinderEquidistant))
        cylinderEquidistantForward(makeCylinder(c.delta1), z, alpha, x, y);
    else if (isProjection(name, kCylinderEqualArea))
        cylinderEqualAreaForward(makeCylinder(c.delta1), z, alpha, x, y);
    else if (isProjection(name, kCylinderConformal))
        cylinderConformalForward(makeCylinder(c.delta1), z, alpha, x, y);
    else if (isProjection(name, kBonne))
        bonneForward(makeBonne(c.delta1), z, alpha, x, y);
    else if (c.swiss) {
        swissGridForward(a, b, lat, lon, x, y);
        x = x / r;
        y = y / r;
    } else if (c.strip) {
        transverseMercatorForward(a, b, lat, lon, x, y);
        x = x / r;
        y = y / r;
        if (isProjection(name, kUtm)) {
            x = x * 0.9996;
            y = y * 0.9996;
        }
    }
    if (c.equatorialCylinder) std::swap(x, y);
    if (!c.polar) y = -y;
    rotateAboutPoint(x, y, 0.0, 0.0, c.rot, x, y);
    x = c.k * x + p.offsetX;
    y = c.k * y + p.offsetY;
}

void referenceInverse(const ProjectionParams& p, double x, double y, double& lat, double& lon) {
    const Classified c = classify(p);
    const std::string& name = p.projectionName;
    const double a = p.datum.semiMajorAxis, b = p.datum.semiMinorAxis, r = p.sphereRadius;
    x = (x - p.offsetX) / c.k;
    y = (y - p.offsetY) / c.k;
    rotateAboutPoint(x, y, 0.0, 0.0, -c.rot, x, y);
    if (!c.polar) y = -y;
    if (c.equatorialCylinder) std::swap(x, y);
    double z = 0.0, alpha = 0.0;
    lat = lon = 0.0;
    if (isProjection(name, kConicEquidistant))
        equidistantConicInverse(makeEquidistantConic(c.delta1, c.delta2), x, y, z, alpha);
    else if (isProjection(name, kConicEqualArea))
        equalAreaConicInverse(makeEqualAreaConic(c.delta1, c.delta2), x, y, z, alpha);
    else if (isProjection(name, kConicConformal))
        conformalConicInverse(makeConformalConic(c.delta1, c.delta2), x, y, z, alpha);
    else if (isProjection(name, kAzimuthalEquidistant))
        azimuthalEquidistantInverse(x, y, z, alpha);
    else if (isProjection(name, kAzimuthalEqualArea))
        azimuthalEqualAreaInverse(x, y, z, alpha);
    else if (isProjection(name, kAzimuthalConformal))
        azimuthalConformalInverse(x, y, z, alpha);
    else if (isProjection(name, kCylinderEquidistant))
        cylinderEquidistantInverse(makeCylinder(c.delta1), x, y, z, alpha);
    else if (isProjection(name, kCylinderEqualArea))
        cylinderEqualAreaInverse(makeCylinder(c.delta1), x, y, z, alpha);
    else if (isProjection(name, kCylinderConformal))
        cylinderConformalInverse(makeCylinder(c.delta1), x, y, z, alpha);
    else if (isProjection(name, kBonne))
        bonneInverse(makeBonne(c.delta1), x, y, z, alpha);
    else if (c.swiss)
        swissGridInverse(a, b, x * r, y * r, lat, lon);
    else if (c.strip) {
        x = x * r;
        y = y * r;
        if (isProjection(name, kUtm)) {
            x = x / 0.9996;
            y = y / 0.9996;
        }
        transverseMercatorInverse(a, b, x, y, lat, lon);
    }
    if (c.equatorialCylinder) alpha = -normalizeAngle(alpha + kHalfPi);
    if (!c.strip && !c.swiss) aspectToGeographic(z, alpha, c.lat0, c.mainLon, lat, lon);
    lon = normalizeAngle(c.lon0 + lon);
    lat = radToDeg(lat);
    lon = radToDeg(lon);
}

// Distance in units in the last place of the larger of the two coordinates.
double ulps(double got1, double got2, double want1, double want2) {
    const double scale = std::max(std::fabs(want1), std::fabs(want2));
    const double ulp = std::nextafter(scale, INFINITY) - scale;
    return std::max(std::fabs(got1 - want1), std::fabs(got2 - want2)) / ulp;
}

struct Setting {
    const char* what;
    double mainLat, rotation, offsetX;
};

TEST(ReferenceChain, EngineStaysWithinAFewUlps) {
    const Setting settings[] = {
        {"polar, natural", 90.0, 0.0, 0.0},
        {"oblique, rotated", 47.3, 23.0, 0.0},
        {"equatorial, offsets", 0.0, -5.0, 2500.0},
        {"southern oblique", -35.0, 180.0, -40.0},
    };
    double worstForward = 0.0, worstInverse = 0.0;
    for (std::string_view type : kProjectionNames) {
        for (const Setting& s : settings) {
            ProjectionParams p = testing::naturalRecord(type, 6371000.0, "MGI (Hermannskogel)");
            if (type == kSwissGrid) p.datum = lookupDatum("CH1903 (Obs. Bern)");
            p.scaleDenominator = 25000.0;
            p.unitMillimetres = 1.0;
            p.mainPointLat = s.mainLat;
            p.mainPointLon = 13.3;
            p.delta1 = 40.0;
            p.delta2 = 55.0;
            p.stripNumber = 31;
            p.rotationAngle = s.rotation;
            p.offsetX = s.offsetX;
            p.offsetY = -s.offsetX / 3.0;
            for (double lat = 44.05; lat < 50.0; lat += 0.7) {
                for (double lon = 5.55; lon < 18.0; lon += 1.1) {
                    double x, y, rx, ry;
                    projectForward(p, lat, lon, x, y);
                    referenceForward(p, lat, lon, rx, ry);
                    const double f = ulps(x, y, rx, ry);
                    worstForward = std::max(worstForward, f);
                    EXPECT_LE(f, 8.0) << type << ", " << s.what << " at " << lat << " " << lon;

                    double bLat, bLon, rLat, rLon;
                    projectInverse(p, rx, ry, bLat, bLon);
                    referenceInverse(p, rx, ry, rLat, rLon);
                    const double i = ulps(bLat, bLon, rLat, rLon);
                    worstInverse = std::max(worstInverse, i);
                    EXPECT_LE(i, 8.0) << type << ", " << s.what << " at " << lat << " " << lon;
                }
            }
        }
    }
    RecordProperty("worstForwardUlps", std::to_string(worstForward));
    RecordProperty("worstInverseUlps", std::to_string(worstInverse));
    std::printf("worst forward %.2f ulp, worst inverse %.2f ulp\n", worstForward, worstInverse);
}

}  // namespace
}  // namespace geodesy
