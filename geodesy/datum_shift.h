#pragma once
// First-order seven-parameter datum shift on latitude, longitude and height
// (an abridged Molodensky shift with three small rotations and a scale).

namespace geodesy {

// Moves (lat, lon in degrees, height in metres) from ellipsoid (a1, b1) to
// ellipsoid (a2, b2). Rotations in degrees, positive clockwise seen from the
// positive end of the axis (omega about Z, psi about Y, epsilon about X);
// scale as a plain factor. The longitude is not normalised.
//
// Closed first-order formulas with a2 as the radius of curvature: against a
// rigorous Cartesian seven-parameter transformation they differ by up to
// about 1 m on the ground and 1.5 m in height for the catalogue datums; there
// and back (negated parameters, ellipsoids exchanged) returns within a few
// centimetres. At latitude ±90° the longitude change divides by cos phi,
// which is about 6e-17 for the radian value of 90°: latitude and height come
// back as usual, the longitude as a huge finite number without meaning.
// Non-finite input gives non-finite output; nothing traps.
void datumShift(double a1, double b1, double a2, double b2, double shiftX, double shiftY,
                double shiftZ, double omega, double psi, double epsilon, double scale, double lat,
                double lon, double height, double& latOut, double& lonOut, double& heightOut);

}  // namespace geodesy
