#pragma once
// The Bonne projection of the unit sphere about the main point: z is the
// polar distance of the point, alpha its azimuth, delta1 the polar distance
// of the parallel that all meridians cut at right angles (radians). x and y
// in sphere radii, the cone's apex at the origin. Closed formulas, no failure.
//
// For delta1 beyond 90° (tan delta1 < 0) the forward radius is negative; the
// inverse then takes the radius as negative, so that it inverts the forward.
// At the apex (rho = 0) the forward divides by zero and gives NaN.

namespace geodesy {

struct Bonne {
    double delta1;
    double tanDelta1;
};

Bonne makeBonne(double delta1);

void bonneForward(const Bonne& k, double z, double alpha, double& x, double& y);
void bonneInverse(const Bonne& k, double x, double y, double& z, double& alpha);

}  // namespace geodesy
