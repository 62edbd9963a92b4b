#include "geodesy/swiss_grid.h"

#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy {

namespace {

constexpr double kQuarter = 0.7853981633974483;

// ln tan(pi/4 + phi/2) - (e/2) ln((1 + e sin phi) / (1 - e sin phi)): the
// isometric latitude of the ellipsoid.
double isometricLatitude(double e, double phi) {
    const double es = e * std::sin(phi);
    return std::log(std::tan(kQuarter + phi / 2.0)) - e / 2.0 * std::log((1.0 + es) / (1.0 - es));
}

// cos(asin v) without a cosine: sqrt(1 - v^2), as (1 - v)(1 + v) to keep
// its digits near |v| = 1. It differs from the cosine of the rounded arc sine
// by about 1e-16 relative, below a unit in the last place of grid
// coordinates (about 1e-10 m), and saves a cosine per point.
double cosOfArcSine(double v) {
    return std::sqrt((1.0 - v) * (1.0 + v));
}

}  // namespace

SwissGrid makeSwissGrid(double a, double b) {
    SwissGrid k;
    const double phi0 = inl::degToRad(kSwissFundamentalLat);
    const double e2 = (a * a - b * b) / (a * a);
    const double e = std::sqrt(e2);
    const double sinPhi0 = std::sin(phi0);
    k.eccentricitySquared = e2;
    k.eccentricity = e;
    k.alpha = std::sqrt(std::pow(std::cos(phi0), 4.0) * e2 / (1.0 - e2) + 1.0);
    k.b0 = std::asin(sinPhi0 / k.alpha);
    k.sinB0 = std::sin(k.b0);
    k.cosB0 = std::cos(k.b0);
    k.k = std::log(std::tan(kQuarter + k.b0 / 2.0)) - k.alpha * isometricLatitude(e, phi0);
    k.radius = a * std::sqrt(1.0 - e2) / (1.0 - e2 * (sinPhi0 * sinPhi0));
    return k;
}

void swissGridForward(const SwissGrid& k, double phi, double dl, double& easting,
                      double& northing) {
    const double s = k.alpha * isometricLatitude(k.eccentricity, phi) + k.k;
    const double bs = 2.0 * (std::atan(std::exp(s)) - kQuarter);
    const double ls = k.alpha * dl;
    const double sinBs = std::sin(bs);
    const double cosBs = std::cos(bs);
    const double sinLs = std::sin(ls);
    const double cosLs = std::cos(ls);

    // Turn the sphere so that the fundamental point lies on the equator.
    const double sinBq = k.cosB0 * sinBs - k.sinB0 * cosBs * cosLs;
    const double bq = std::asin(sinBq);
    const double lq = std::asin(cosBs * sinLs / cosOfArcSine(sinBq));

    easting = k.radius * lq;
    northing = k.radius * std::log(std::tan(kQuarter + bq / 2.0));
}

void swissGridForward(double a, double b, double phi, double dl, double& easting,
                      double& northing) {
    swissGridForward(makeSwissGrid(a, b), phi, dl, easting, northing);
}

double swissGridLatitudeFromSphere(const SwissGrid& k, double bs) {
    const double e = k.eccentricity;
    const double e2 = k.eccentricitySquared;
    const double u = (k.k - std::log(std::tan(kQuarter + bs / 2.0))) / k.alpha;
    double phi = bs;
    for (int step = 1;; ++step) {
        const double sinPhi = std::sin(phi);
        const double es = e * sinPhi;
        const double f = std::log(std::tan(kQuarter + phi / 2.0)) + u -
                         e / 2.0 * std::log((1.0 + es) / (1.0 - es));
        const double w = f * std::cos(phi) * (1.0 - e2 * (sinPhi * sinPhi)) / (1.0 - e2);
        phi = phi - w;
        // A non-finite step would never satisfy the test; the cap keeps any
        // other input from iterating for ever.
        if (std::fabs(w) <= 0.00001 || !std::isfinite(w) || step >= kSwissMaxNewtonSteps) break;
    }
    return phi;
}

double swissGridLatitudeFromSphere(double a, double b, double bs) {
    return swissGridLatitudeFromSphere(makeSwissGrid(a, b), bs);
}

void swissGridInverse(const SwissGrid& k, double easting, double northing, double& phi,
                      double& dl) {
    const double bq = 2.0 * (std::atan(std::exp(northing / k.radius)) - kQuarter);
    const double lq = easting / k.radius;
    const double sinBq = std::sin(bq);
    const double cosBq = std::cos(bq);

    // Turn the sphere back from the fundamental point to the pole.
    const double sinBs = k.cosB0 * sinBq + k.sinB0 * cosBq * std::cos(lq);
    const double bs = std::asin(sinBs);
    const double ls = std::asin(cosBq * std::sin(lq) / cosOfArcSine(sinBs));

    dl = ls / k.alpha;
    phi = swissGridLatitudeFromSphere(k, bs);
}

void swissGridInverse(double a, double b, double easting, double northing, double& phi,
                      double& dl) {
    swissGridInverse(makeSwissGrid(a, b), easting, northing, phi, dl);
}

}  // namespace geodesy
