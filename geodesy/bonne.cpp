#include "geodesy/bonne.h"

#include <cmath>

#include "geodesy/polar_form.h"

namespace geodesy {

Bonne makeBonne(double delta1) {
    return {delta1, std::tan(delta1)};
}

void bonneForward(const Bonne& k, double z, double alpha, double& x, double& y) {
    const double rho = k.tanDelta1 + z - k.delta1;
    const double e = alpha * std::sin(z) / rho;
    polar::toMap(rho, e, x, y);
}

void bonneInverse(const Bonne& k, double x, double y, double& z, double& alpha) {
    double rho, theta;
    if (k.tanDelta1 < 0.0)
        polar::fromMapNegative(x, y, rho, theta);
    else
        polar::fromMap(x, y, rho, theta);
    z = rho - k.tanDelta1 + k.delta1;
    alpha = theta / (std::sin(z) / rho);
}

}  // namespace geodesy
