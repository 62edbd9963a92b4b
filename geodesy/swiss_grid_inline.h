#pragma once
// The per-point forward of the Swiss grid as an inline function, so that the
// engine's chain runs it without a call; swissGridForward (swiss_grid.h)
// computes exactly the same numbers through it.

#include <cmath>

#include "geodesy/swiss_grid.h"

namespace geodesy::swiss {

inline constexpr double kQuarter = 0.7853981633974483;

// ln tan(pi/4 + phi/2) - (e/2) ln((1 + e sin phi) / (1 - e sin phi)): the
// isometric latitude of the ellipsoid.
inline double isometricLatitude(double e, double phi) {
    const double es = e * std::sin(phi);
    return std::log(std::tan(kQuarter + phi / 2.0)) - e / 2.0 * std::log((1.0 + es) / (1.0 - es));
}

// cos(asin v) without a cosine: sqrt(1 - v^2), as (1 - v)(1 + v) to keep
// its digits near |v| = 1. It differs from the cosine of the rounded arc sine
// by about 1e-16 relative, below a unit in the last place of grid
// coordinates (about 1e-10 m), and saves a cosine per point.
inline double cosOfArcSine(double v) {
    return std::sqrt((1.0 - v) * (1.0 + v));
}

// Easting and northing in radians of the grid's sphere (lq and
// ln tan(pi/4 + bq/2)); forward gives them in metres.
inline void forwardOnSphere(const SwissGrid& k, double phi, double dl, double& lq,
                            double& mercator) {
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
    lq = std::asin(cosBs * sinLs / cosOfArcSine(sinBq));
    mercator = std::log(std::tan(kQuarter + bq / 2.0));
}

inline void forward(const SwissGrid& k, double phi, double dl, double& easting, double& northing) {
    double lq, mercator;
    forwardOnSphere(k, phi, dl, lq, mercator);
    easting = k.radius * lq;
    northing = k.radius * mercator;
}

}  // namespace geodesy::swiss
