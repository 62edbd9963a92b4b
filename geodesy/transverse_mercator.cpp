#include "geodesy/transverse_mercator.h"

#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy {

TransverseMercator makeTransverseMercator(double a, double b) {
    TransverseMercator k;
    k.e2 = ((a - b) / b) * ((a + b) / b);
    k.c = (a / b) * a;
    const double e2 = k.e2;
    const double e4 = std::pow(e2, 2.0);
    const double e6 = std::pow(e2, 3.0);
    const double e8 = std::pow(e2, 4.0);
    k.a0 = 1.0 - 0.75 * e2 + 0.703125 * e4 - 0.68359375 * e6 + 0.67291259765625 * e8;
    k.a2 = -0.375 * e2 + 0.46875 * e4 - 0.5126953125 * e6 + 0.538330078125 * e8;
    k.a4 = 0.05859375 * e4 - 0.1025390625 * e6 + 0.13458251953125 * e8;
    k.a6 = -0.011393229166666666 * e6 + 0.025634765625 * e8;
    k.b2 = 0.375 * e2 - 0.1875 * e4 + 0.10400390625 * e6 - 0.062255859375 * e8;
    k.b4 = 0.08203125 * e4 - 0.08203125 * e6 + 0.0650634765625 * e8;
    k.b6 = 0.024576822916666668 * e6 - 0.036865234375 * e8;
    return k;
}

namespace {

// sin 2x, sin 4x and sin 6x from one sincos of 2x (sin 4x = 2 sin 2x cos 2x,
// sin 6x = sin 2x (3 - 4 sin^2 2x)). The small coefficients of the fourth
// and sixth harmonics hide the last-bit differences from sin(4x) and sin(6x):
// the sums come out the same.
struct Harmonics {
    double sin2, sin4, sin6;
};

Harmonics harmonics(double x) {
    const double s = std::sin(2.0 * x);
    const double c = std::cos(2.0 * x);
    return {s, 2.0 * s * c, s * (3.0 - 4.0 * s * s)};
}

}  // namespace

double meridianArc(const TransverseMercator& k, double phi) {
    const Harmonics h = harmonics(phi);
    return k.c * (k.a0 * phi + k.a2 * h.sin2 + k.a4 * h.sin4 + k.a6 * h.sin6);
}

void transverseMercatorForward(const TransverseMercator& k, double phi, double l, double& easting,
                               double& northing) {
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    const double eta2 = cosPhi * cosPhi * k.e2;
    const double n = k.c / std::sqrt(1.0 + eta2);
    const double g = meridianArc(k, phi);

    // Transverse Mercator of the sphere of radius N.
    const double xs = n * std::atan(std::tan(phi) / std::cos(l));
    const double ys =
        n * std::log(std::tan(inl::safeAsin(cosPhi * std::sin(l)) * 0.5 + 0.7853981633974483));

    const double cos3 = cosPhi * cosPhi * cosPhi;
    const double l2 = l * l;
    northing = g - n * phi + xs + l2 * l2 * (0.375 * n * eta2 * cos3 * sinPhi);
    easting = ys + l2 * l * (0.16666666666666666 * n * eta2 * cos3);
}

void transverseMercatorForward(double a, double b, double phi, double l, double& easting,
                               double& northing) {
    transverseMercatorForward(makeTransverseMercator(a, b), phi, l, easting, northing);
}

void transverseMercatorInverse(const TransverseMercator& k, double easting, double northing,
                               double& phi, double& l) {
    const double x = easting;
    const double sigma = northing / (k.c * k.a0);
    const Harmonics h = harmonics(sigma);
    const double phiF = sigma + k.b2 * h.sin2 + k.b4 * h.sin4 + k.b6 * h.sin6;
    const double sinF = std::sin(phiF);
    const double cosF = std::cos(phiF);
    const double tanF = std::tan(phiF);
    const double etaF2 = k.e2 * (cosF * cosF);
    const double nF = k.c / std::sqrt(1.0 + etaF2);
    const double g = 2.0 * std::atan(std::exp(x / nF)) - kHalfPi;

    // Inverse of the transverse Mercator of the sphere of radius NF.
    const double phiS = inl::safeAsin(sinF * std::cos(g));
    const double lS = std::atan(std::tan(g) / cosF);

    const double x2 = x * x;
    const double nF2 = nF * nF;
    phi = phiS + x2 * (-etaF2 * tanF / (2.0 * nF2)) +
          x2 * x2 * (etaF2 / (4.0 * (nF2 * nF2))) * tanF * (1.0 - tanF * tanF);
    l = lS + x2 * x * (-etaF2 / (6.0 * (nF2 * nF) * cosF));
}

void transverseMercatorInverse(double a, double b, double easting, double northing, double& phi,
                               double& l) {
    transverseMercatorInverse(makeTransverseMercator(a, b), easting, northing, phi, l);
}

}  // namespace geodesy
