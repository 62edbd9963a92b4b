#include "geodesy/conic.h"

#include <cmath>

#include "geodesy/angles_inline.h"
#include "geodesy/polar_form.h"

namespace geodesy {

EquidistantConic makeEquidistantConic(double delta1, double delta2) {
    const double s1 = std::sin(delta1);
    const double s2 = std::sin(delta2);
    if (delta1 == delta2) {
        // Tangent cone: the limits of n and c as delta2 approaches delta1.
        const double n = std::cos(delta1);
        return {n, (s1 - delta1 * n) / n};
    }
    return {(s1 - s2) / (delta1 - delta2), (delta1 * s2 - delta2 * s1) / (s1 - s2)};
}

EqualAreaConic makeEqualAreaConic(double delta1, double delta2) {
    const double c1 = std::cos(delta1);
    const double c2 = std::cos(delta2);
    return {(c1 + c2) / 2.0, 4.0 * (c1 * c2 + 1.0) / inl::square(c1 + c2)};
}

ConformalConic makeConformalConic(double delta1, double delta2) {
    double n;
    if (delta1 == delta2) {
        n = std::cos(delta1);  // tangent cone: the limit of the quotient of logarithms
    } else {
        n = (std::log(std::sin(delta1)) - std::log(std::sin(delta2))) /
            (std::log(std::tan(delta1 / 2.0)) - std::log(std::tan(delta2 / 2.0)));
    }
    const double f = std::sin(delta1) / (std::pow(std::tan(delta1 / 2.0), n) * n);
    return {n, f};
}

}  // namespace geodesy
