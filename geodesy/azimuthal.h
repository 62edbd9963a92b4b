#pragma once
// Azimuthal projections of the unit sphere about the main point: z is the
// polar distance of the point, alpha its azimuth (radians); x and y in sphere
// radii, the main point at the origin. Closed formulas, no failure.
//
// At the antipode (z = pi) the equal-area variant reaches its bounding
// circle (rho = 2); the stereographic one gives 2 tan(pi/2), a very large
// finite number. The equal-area inverse clamps through safeAcos: polar
// distances come back within [4.5e-6, pi - 4.5e-6].

namespace geodesy {

void azimuthalEquidistantForward(double z, double alpha, double& x, double& y);
void azimuthalEquidistantInverse(double x, double y, double& z, double& alpha);
void azimuthalEqualAreaForward(double z, double alpha, double& x, double& y);
void azimuthalEqualAreaInverse(double x, double y, double& z, double& alpha);
void azimuthalConformalForward(double z, double alpha, double& x, double& y);
void azimuthalConformalInverse(double x, double y, double& z, double& alpha);

}  // namespace geodesy
