#pragma once
// Turning of the sphere onto a main point, with the main point's sine and
// cosine worked out once. Used by the engine's chain and by
// geographicToAspect / aspectToGeographic, which give the same numbers.

#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy::aspect {

struct MainPoint {
    double lat0;
    double lon0;
    double sinLat0;
    double cosLat0;
    bool atPole;  // |cos lat0| < 1e-11: the turning reduces to colatitudes
};

inline MainPoint makeMainPoint(double lat0, double lon0) {
    const double cosLat0 = std::cos(lat0);
    return {lat0, lon0, std::sin(lat0), cosLat0, std::fabs(cosLat0) < inl::kTinyAngle};
}

// Only the sign of safeAsin(v) matters where the azimuth or the longitude
// difference is given its sign; it is negative exactly when v is (asin is
// odd and increasing, the clamp keeps the sign, NaN compares false), so the
// sign is read from v itself.

inline void toAspect(const MainPoint& m, double lat, double lon, double& z, double& alpha) {
    const double dl = inl::normalizeAngle(lon - m.lon0);
    if (m.atPole) {
        z = m.lat0 > 0.0 ? kHalfPi - lat : kHalfPi + lat;
        alpha = dl;
        return;
    }
    const double sinLat = std::sin(lat);
    const double cosLat = std::cos(lat);
    const double sinDl = std::sin(dl);
    const double cosDl = std::cos(dl);
    z = inl::safeAcos(cosDl * m.cosLat0 * cosLat + m.sinLat0 * sinLat);
    // Both computed before the test, so that they come from one sincos.
    const double sinZ = std::sin(z);
    const double cosZ = std::cos(z);
    if (std::fabs(sinZ) < inl::kTinyAngle) {
        alpha = 0.0;
        return;
    }
    alpha = inl::safeAcos((sinLat - cosZ * m.sinLat0) / (sinZ * m.cosLat0));
    if (sinDl * cosLat / sinZ < 0.0) alpha = -alpha;
}

inline void fromAspect(const MainPoint& m, double z, double alpha, double& lat, double& lon) {
    double dl;
    if (m.atPole) {
        lat = m.lat0 > 0.0 ? kHalfPi - z : z - kHalfPi;
        dl = alpha;
    } else {
        const double sinZ = std::sin(z);
        const double cosZ = std::cos(z);
        const double sinAlpha = std::sin(alpha);
        const double cosAlpha = std::cos(alpha);
        lat = inl::safeAsin(cosAlpha * sinZ * m.cosLat0 + cosZ * m.sinLat0);
        const double cosLat = std::cos(lat);
        const double sinLat = std::sin(lat);
        if (std::fabs(cosLat) < inl::kTinyAngle) {
            dl = 0.0;
        } else {
            dl = inl::safeAcos((cosZ - sinLat * m.sinLat0) / (cosLat * m.cosLat0));
            if (sinAlpha * sinZ / cosLat < 0.0) dl = -dl;
        }
    }
    lon = inl::normalizeAngle(m.lon0 + dl);
}

}  // namespace geodesy::aspect
