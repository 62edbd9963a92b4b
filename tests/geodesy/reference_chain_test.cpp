#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "geodesy/angles.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "geodesy/transverse_mercator.h"
#include "test_records.h"

namespace geodesy {
namespace {

// The engine's chain step by step as the record's definition gives it,
// computed afresh for every point: classification, main point rules, turning
// of the sphere, sign, rotation about the origin by radius and angle,
// calibration, offsets. The formulas of the normal-aspect types and of the
// Swiss grid and the turning of the sphere are written out here operation by
// operation, with nothing shared with the engine's own formula code (the
// transverse Mercator types use the public transverseMercatorForward and
// transverseMercatorInverse).
// The engine works the record's constants out once, turns the map with a
// rotation matrix and folds scale factors together; its results must stay
// within a few units in the last place of this.
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

// The turning of the sphere onto the main point (lat0, lon0) and back.
void toAspect(double lat, double lon, double lat0, double lon0, double& z, double& alpha) {
    const double dl = normalizeAngle(lon - lon0);
    if (std::fabs(std::cos(lat0)) < 1e-11) {
        z = lat0 > 0.0 ? kHalfPi - lat : kHalfPi + lat;
        alpha = dl;
        return;
    }
    z = safeAcos(std::cos(dl) * std::cos(lat0) * std::cos(lat) + std::sin(lat0) * std::sin(lat));
    if (std::fabs(std::sin(z)) < 1e-11) {
        alpha = 0.0;
        return;
    }
    alpha =
        safeAcos((std::sin(lat) - std::cos(z) * std::sin(lat0)) / (std::sin(z) * std::cos(lat0)));
    if (safeAsin(std::sin(dl) * std::cos(lat) / std::sin(z)) < 0.0) alpha = -alpha;
}

void fromAspect(double z, double alpha, double lat0, double lon0, double& lat, double& lon) {
    double dl;
    if (std::fabs(std::cos(lat0)) < 1e-11) {
        lat = lat0 > 0.0 ? kHalfPi - z : z - kHalfPi;
        dl = alpha;
    } else {
        lat =
            safeAsin(std::cos(alpha) * std::sin(z) * std::cos(lat0) + std::cos(z) * std::sin(lat0));
        if (std::fabs(std::cos(lat)) < 1e-11) {
            dl = 0.0;
        } else {
            dl = safeAcos((std::cos(z) - std::sin(lat) * std::sin(lat0)) /
                          (std::cos(lat) * std::cos(lat0)));
            if (safeAsin(std::sin(alpha) * std::sin(z) / std::cos(lat)) < 0.0) dl = -dl;
        }
    }
    lon = normalizeAngle(lon0 + dl);
}

// The polar form: the main point lies above the image of alpha = 0.
void toMap(double rho, double theta, double& x, double& y) {
    x = rho * std::sin(theta);
    y = -rho * std::cos(theta);
}

void fromMap(double x, double y, double& rho, double& theta) {
    rho = std::sqrt(square(y) + square(x));
    theta = safeAtan2(x, -y);
}

// Cone constants n and c (equidistant), n and q (equal-area), n and f
// (conformal) of the standard parallels d1 and d2.
struct Cone {
    double n, c;
};

Cone equidistantCone(double d1, double d2) {
    return {(std::sin(d1) - std::sin(d2)) / (d1 - d2),
            (d1 * std::sin(d2) - d2 * std::sin(d1)) / (std::sin(d1) - std::sin(d2))};
}

Cone equalAreaCone(double d1, double d2) {
    return {(std::cos(d1) + std::cos(d2)) / 2.0,
            4.0 * (std::cos(d1) * std::cos(d2) + 1.0) / square(std::cos(d1) + std::cos(d2))};
}

Cone conformalCone(double d1, double d2) {
    const double n = (std::log(std::sin(d1)) - std::log(std::sin(d2))) /
                     (std::log(std::tan(d1 / 2.0)) - std::log(std::tan(d2 / 2.0)));
    return {n, std::sin(d1) / (std::pow(std::tan(d1 / 2.0), n) * n)};
}

// The Swiss grid's constants and formulas; pi/4 written as in the formulas.
constexpr double kQuarter = 0.7853981633974483;

struct Swiss {
    double e2, e, alpha, b0, k, r;
};

Swiss swiss(double a, double b) {
    Swiss s;
    const double phi0 = degToRad(46.95240556);
    s.e2 = (a * a - b * b) / (a * a);
    s.e = std::sqrt(s.e2);
    s.alpha = std::sqrt(std::pow(std::cos(phi0), 4.0) * s.e2 / (1.0 - s.e2) + 1.0);
    s.b0 = std::asin(std::sin(phi0) / s.alpha);
    s.k = std::log(std::tan(kQuarter + s.b0 / 2.0)) -
          s.alpha *
              (std::log(std::tan(kQuarter + phi0 / 2.0)) -
               s.e / 2.0 * std::log((1.0 + s.e * std::sin(phi0)) / (1.0 - s.e * std::sin(phi0))));
    s.r = a * std::sqrt(1.0 - s.e2) / (1.0 - s.e2 * square(std::sin(phi0)));
    return s;
}

void swissForward(double a, double b, double phi, double dl, double& easting, double& northing) {
    const Swiss s = swiss(a, b);
    const double sPhi =
        s.alpha *
            (std::log(std::tan(kQuarter + phi / 2.0)) -
             s.e / 2.0 * std::log((1.0 + s.e * std::sin(phi)) / (1.0 - s.e * std::sin(phi)))) +
        s.k;
    const double bs = 2.0 * (std::atan(std::exp(sPhi)) - kQuarter);
    const double ls = s.alpha * dl;
    const double bq =
        std::asin(std::cos(s.b0) * std::sin(bs) - std::sin(s.b0) * std::cos(bs) * std::cos(ls));
    const double lq = std::asin(std::cos(bs) * std::sin(ls) / std::cos(bq));
    easting = s.r * lq;
    northing = s.r * std::log(std::tan(kQuarter + bq / 2.0));
}

void swissInverse(double a, double b, double x, double y, double& phi, double& dl) {
    const Swiss s = swiss(a, b);
    const double bq = 2.0 * (std::atan(std::exp(y / s.r)) - kQuarter);
    const double lq = x / s.r;
    const double bs =
        std::asin(std::cos(s.b0) * std::sin(bq) + std::sin(s.b0) * std::cos(bq) * std::cos(lq));
    const double ls = std::asin(std::cos(bq) * std::sin(lq) / std::cos(bs));
    dl = ls / s.alpha;
    const double u = (s.k - std::log(std::tan(kQuarter + bs / 2.0))) / s.alpha;
    phi = bs;
    for (;;) {
        const double f =
            std::log(std::tan(kQuarter + phi / 2.0)) + u -
            s.e / 2.0 * std::log((1.0 + s.e * std::sin(phi)) / (1.0 - s.e * std::sin(phi)));
        const double w = f * std::cos(phi) * (1.0 - s.e2 * square(std::sin(phi))) / (1.0 - s.e2);
        phi = phi - w;
        if (std::fabs(w) <= 0.00001) break;
    }
}

void referenceForward(const ProjectionParams& p, double lat, double lon, double& x, double& y) {
    const Classified c = classify(p);
    const std::string& name = p.projectionName;
    const double a = p.datum.semiMajorAxis, b = p.datum.semiMinorAxis, r = p.sphereRadius;
    lat = degToRad(lat);
    lon = normalizeAngle(degToRad(lon) - c.lon0);
    double z = 0.0, alpha = 0.0;
    if (!c.strip && !c.swiss) toAspect(lat, lon, c.lat0, c.mainLon, z, alpha);
    if (c.equatorialCylinder) alpha = -normalizeAngle(alpha + kHalfPi);
    x = y = 0.0;
    const double d1 = c.delta1, d2 = c.delta2;
    if (isProjection(name, kConicEquidistant)) {
        const Cone k = equidistantCone(d1, d2);
        toMap(z + k.c, k.n * alpha, x, y);
    } else if (isProjection(name, kConicEqualArea)) {
        const Cone k = equalAreaCone(d1, d2);
        toMap(std::sqrt(-2.0 * std::cos(z) / k.n + k.c), k.n * alpha, x, y);
    } else if (isProjection(name, kConicConformal)) {
        const Cone k = conformalCone(d1, d2);
        toMap(std::pow(std::tan(z / 2.0), k.n) * k.c, k.n * alpha, x, y);
    } else if (isProjection(name, kAzimuthalEquidistant)) {
        toMap(z, alpha, x, y);
    } else if (isProjection(name, kAzimuthalEqualArea)) {
        toMap(2.0 * std::sin(z / 2.0), alpha, x, y);
    } else if (isProjection(name, kAzimuthalConformal)) {
        toMap(2.0 * std::tan(z / 2.0), alpha, x, y);
    } else if (isProjection(name, kCylinderEquidistant)) {
        x = alpha * std::sin(d1);
        y = kHalfPi - z;
    } else if (isProjection(name, kCylinderEqualArea)) {
        x = alpha * std::sin(d1);
        y = std::cos(z) / std::sin(d1);
    } else if (isProjection(name, kCylinderConformal)) {
        x = alpha * std::sin(d1);
        y = std::log(std::tan(kHalfPi - z / 2.0)) * std::sin(d1);
    } else if (isProjection(name, kBonne)) {
        const double rho = std::tan(d1) + z - d1;
        toMap(rho, alpha * std::sin(z) / rho, x, y);
    } else if (c.swiss) {
        swissForward(a, b, lat, lon, x, y);
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
    const double d1 = c.delta1, d2 = c.delta2;
    double rho, theta;
    if (isProjection(name, kConicEquidistant)) {
        const Cone k = equidistantCone(d1, d2);
        fromMap(x, y, rho, theta);
        z = rho - k.c;
        alpha = theta / k.n;
    } else if (isProjection(name, kConicEqualArea)) {
        const Cone k = equalAreaCone(d1, d2);
        z = safeAcos(-(square(y) + square(x) - k.c) * k.n / 2.0);
        alpha = safeAtan2(x, -y) / k.n;
    } else if (isProjection(name, kConicConformal)) {
        const Cone k = conformalCone(d1, d2);
        fromMap(x, y, rho, theta);
        z = 2.0 * std::atan(std::exp(std::log(rho / k.c) / k.n));
        alpha = theta / k.n;
    } else if (isProjection(name, kAzimuthalEquidistant)) {
        fromMap(x, y, z, alpha);
    } else if (isProjection(name, kAzimuthalEqualArea)) {
        z = safeAcos(1.0 - (square(y) + square(x)) / 2.0);
        alpha = safeAtan2(x, -y);
    } else if (isProjection(name, kAzimuthalConformal)) {
        fromMap(x, y, rho, alpha);
        z = 2.0 * std::atan(rho / 2.0);
    } else if (isProjection(name, kCylinderEquidistant)) {
        alpha = x / std::sin(d1);
        z = kHalfPi - y;
    } else if (isProjection(name, kCylinderEqualArea)) {
        alpha = x / std::sin(d1);
        z = safeAcos(y * std::sin(d1));
    } else if (isProjection(name, kCylinderConformal)) {
        alpha = x / std::sin(d1);
        z = kPi - 2.0 * std::atan(std::exp(y / std::sin(d1)));
    } else if (isProjection(name, kBonne)) {
        fromMap(x, y, rho, theta);
        z = rho - std::tan(d1) + d1;
        alpha = theta / (std::sin(z) / rho);
    } else if (c.swiss) {
        swissInverse(a, b, x * r, y * r, lat, lon);
    } else if (c.strip) {
        x = x * r;
        y = y * r;
        if (isProjection(name, kUtm)) {
            x = x / 0.9996;
            y = y / 0.9996;
        }
        transverseMercatorInverse(a, b, x, y, lat, lon);
    }
    if (c.equatorialCylinder) alpha = -normalizeAngle(alpha + kHalfPi);
    if (!c.strip && !c.swiss) fromAspect(z, alpha, c.lat0, c.mainLon, lat, lon);
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
