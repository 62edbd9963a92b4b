#pragma once
// Transverse Mercator (Gauss-Krüger) mapping of an ellipsoid with semi-axes
// a >= b > 0 (metres): a spherical transverse Mercator on the sphere of the
// prime-vertical radius N, corrected by the leading ellipsoidal terms, with
// the meridian arc as a series in the second eccentricity (to its fourth
// power). Easting from the central meridian and northing from the equator in
// metres, scale 1 on the central meridian, no false values.
//
// Accuracy (Bessel ellipsoid): the meridian arc agrees with the exact arc
// within 0.1 mm; forward then inverse returns the position within 0.3 mm in
// latitude and 3 mm in longitude for |l| <= 3°, |phi| <= 60°. The inverse is
// closed (one evaluation of the footpoint series, no iteration) and its
// longitude difference lies within (-90°, +90°). Non-finite input gives
// non-finite output; nothing traps.

namespace geodesy {

// Everything that depends on the ellipsoid alone.
struct TransverseMercator {
    double e2;              // second eccentricity squared
    double c;               // polar radius of curvature a^2 / b
    double a0, a2, a4, a6;  // meridian arc coefficients
    double b2, b4, b6;      // footpoint latitude coefficients
};

TransverseMercator makeTransverseMercator(double a, double b);

// Meridian arc from the equator to latitude phi (radians), metres.
double meridianArc(const TransverseMercator& k, double phi);

// phi latitude and l longitude difference from the central meridian, radians.
void transverseMercatorForward(double a, double b, double phi, double l, double& easting,
                               double& northing);
void transverseMercatorForward(const TransverseMercator& k, double phi, double l, double& easting,
                               double& northing);

// Latitude and longitude difference from the central meridian, radians.
void transverseMercatorInverse(double a, double b, double easting, double northing, double& phi,
                               double& l);
void transverseMercatorInverse(const TransverseMercator& k, double easting, double northing,
                               double& phi, double& l);

}  // namespace geodesy
