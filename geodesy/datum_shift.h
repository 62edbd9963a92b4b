#pragma once
// First-order seven-parameter datum shift on latitude, longitude and height
// (an abridged Molodensky shift with three small rotations and a scale).

namespace geodesy {

// Moves (lat, lon in degrees, height in metres) from ellipsoid (a1, b1) to
// ellipsoid (a2, b2). Rotations in degrees, positive clockwise seen from the
// positive end of the axis (omega about Z, psi about Y, epsilon about X);
// scale as a plain factor. The longitude is not normalised.
void datumShift(double a1, double b1, double a2, double b2, double shiftX, double shiftY,
                double shiftZ, double omega, double psi, double epsilon, double scale, double lat,
                double lon, double height, double& latOut, double& lonOut, double& heightOut);

}  // namespace geodesy
