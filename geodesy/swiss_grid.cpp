#include "geodesy/swiss_grid.h"

#include <cmath>

#include "geodesy/angles_inline.h"
#include "geodesy/swiss_grid_inline.h"

namespace geodesy {

using swiss::cosOfArcSine;
using swiss::isometricLatitude;
using swiss::kQuarter;

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
    swiss::forward(k, phi, dl, easting, northing);
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

void swissGridInverseOnSphere(const SwissGrid& k, double lq, double mercator, double& phi,
                              double& dl) {
    const double bq = 2.0 * (std::atan(std::exp(mercator)) - kQuarter);
    const double sinBq = std::sin(bq);
    const double cosBq = std::cos(bq);

    // Turn the sphere back from the fundamental point to the pole.
    const double sinBs = k.cosB0 * sinBq + k.sinB0 * cosBq * std::cos(lq);
    const double bs = std::asin(sinBs);
    const double ls = std::asin(cosBq * std::sin(lq) / cosOfArcSine(sinBs));

    dl = ls / k.alpha;
    phi = swissGridLatitudeFromSphere(k, bs);
}

void swissGridInverse(const SwissGrid& k, double easting, double northing, double& phi,
                      double& dl) {
    swissGridInverseOnSphere(k, easting / k.radius, northing / k.radius, phi, dl);
}

void swissGridInverse(double a, double b, double easting, double northing, double& phi,
                      double& dl) {
    swissGridInverse(makeSwissGrid(a, b), easting, northing, phi, dl);
}

}  // namespace geodesy
