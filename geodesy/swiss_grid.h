#pragma once
// The Swiss oblique conformal cylinder on an ellipsoid (semi-axes a > b > 0,
// metres): a conformal (Gauss) mapping of the ellipsoid onto a sphere, a
// rotation of that sphere bringing the fundamental point 46.95240556°
// 7.43958333° to the equator, and a Mercator projection of the rotated
// sphere. Easting east and northing north of the fundamental point in
// metres, no false values. Longitudes are differences from 7.43958333°.
//
// The inverse recovers the ellipsoidal latitude by Newton steps on the
// isometric latitude until a step is at most 1e-5 rad (the last one leaves an
// error of about 1e-10 rad, usually after two or three steps). The iteration
// also ends when a step is not finite (non-finite input, or an ellipsoid
// with b > a, gives NaN) and after 50 steps at most, whatever the input:
// it never hangs. Points far outside the grid give what the formulas give,
// NaN where an arc sine leaves its domain. The cosine of each arc sine of
// the sphere's turning is taken as sqrt((1 - v)(1 + v)) of its argument v,
// which agrees with the cosine of the rounded angle to about 1e-16 relative.

#include "geodesy/projection_types.h"  // the fundamental point

namespace geodesy {

// Everything that depends on the ellipsoid alone.
struct SwissGrid {
    double eccentricitySquared;  // E2, first eccentricity squared
    double eccentricity;         // e
    double alpha;                // ratio of sphere to ellipsoid longitudes
    double b0;                   // latitude of the fundamental point on the sphere
    double sinB0, cosB0;
    double k;       // constant of the isometric latitudes
    double radius;  // R of the sphere, metres
};

inline constexpr int kSwissMaxNewtonSteps = 50;

SwissGrid makeSwissGrid(double a, double b);

// phi latitude and dl longitude difference from 7.43958333°, radians.
void swissGridForward(double a, double b, double phi, double dl, double& easting, double& northing);
void swissGridForward(const SwissGrid& k, double phi, double dl, double& easting, double& northing);

// Latitude and longitude difference from 7.43958333°, radians.
void swissGridInverse(double a, double b, double easting, double northing, double& phi, double& dl);
void swissGridInverse(const SwissGrid& k, double easting, double northing, double& phi, double& dl);

// The same from radians of the grid's sphere: lq = easting / R and
// mercator = northing / R with the grid's sphere radius R.
void swissGridInverseOnSphere(const SwissGrid& k, double lq, double mercator, double& phi,
                              double& dl);

// Ellipsoidal latitude of the spherical latitude bs (radians).
double swissGridLatitudeFromSphere(double a, double b, double bs);
double swissGridLatitudeFromSphere(const SwissGrid& k, double bs);

}  // namespace geodesy
