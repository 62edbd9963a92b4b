#include "geodesy/datum_shift.h"

#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy {

void datumShift(double a1, double b1, double a2, double b2, double shiftX, double shiftY,
                double shiftZ, double omega, double psi, double epsilon, double scale, double lat,
                double lon, double height, double& latOut, double& lonOut, double& heightOut) {
    using inl::square;
    omega = inl::degToRad(omega);
    psi = inl::degToRad(psi);
    epsilon = inl::degToRad(epsilon);
    const double phi = inl::degToRad(lat);
    const double lam = inl::degToRad(lon);

    const double f1 = (a1 - b1) / a1;
    const double f2 = (a2 - b2) / a2;
    const double e2sq = square(std::sqrt((square(a2) - square(b2)) / square(a2)));
    const double da = a2 - a1;
    const double df = f2 - f1;

    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    const double sinLam = std::sin(lam);
    const double cosLam = std::cos(lam);

    // Change of ellipsoid.
    const double dPhi1 = sinPhi * (e2sq * da / a2 + 2.0 * df) * cosPhi;
    const double dLam1 = 0.0;
    const double dH1 = -da + sinPhi * sinPhi * (df * a2);

    // Translation, the three small rotations and the scale, with the target's
    // semi-major axis as radius of curvature.
    const double dPhi2 = ((psi * cosLam - epsilon * sinLam - cosPhi * sinPhi * e2sq * scale) * a2 +
                          (shiftZ * cosPhi - shiftX * sinPhi * cosLam - shiftY * sinPhi * sinLam)) /
                         a2;
    const double dLam2 =
        ((-omega * cosPhi + psi * sinPhi * sinLam + epsilon * sinPhi * cosLam) * a2 +
         (shiftY * cosLam - shiftX * sinLam)) /
        a2 / cosPhi;
    const double dH2 =
        shiftX * cosPhi * cosLam + shiftY * cosPhi * sinLam + shiftZ * sinPhi + scale * a2;

    latOut = inl::radToDeg(phi + dPhi1 + dPhi2);
    lonOut = inl::radToDeg(lam + dLam1 + dLam2);
    heightOut = height + dH1 + dH2;
}

}  // namespace geodesy
