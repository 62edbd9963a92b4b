#pragma once
// Great-circle and rhumb-line geometry of two places on a sphere. Qt-free.
//
// Latitudes are positive north, longitudes positive east of Greenwich.
// Bearings and courses are measured from north, positive towards the east.
// Places are "the same" only when they are exactly equal: equal latitudes and
// equal longitudes, longitudes exactly one full turn apart (180° and -180°),
// or both exactly at the same pole (±pi/2 as geodesy::degToRad gives ±90°).

namespace distance {

// The angle at the centre of the sphere between place a and place b, by the
// spherical law of cosines. Radians in, radians out, in [0, pi]. The same
// place gives exactly 0; the arc cosine's argument is limited to [-1, 1], so
// rounding never makes the result undefined. NaN input gives NaN.
double centralAngle(double latA, double lonA, double latB, double lonB);

// The initial great-circle bearing at place a towards place b. Degrees in,
// degrees out, in [-180, 180]. 0 for the same place; 180 from the north pole
// and 0 from the south pole; 0 towards the north pole and 180 towards the
// south pole; along a meridian 0 or 180.
double initialBearing(double latA, double lonA, double latB, double lonB);

// The constant course of the rhumb line (loxodrome) from place 1 to place 2.
// Radians in, radians out, in (-pi, pi]: north 0 (never -0), east pi/2,
// south pi (never -pi), west -pi/2. The longitude difference is not reduced,
// so a line across the 180° meridian goes the long way round. The poles lie
// at isometric latitude ±infinity: the course to the north pole is 0, to the
// south pole pi; between two places at the same pole 0.
double rhumbCourse(double lat1, double lon1, double lat2, double lon2);

}  // namespace distance
