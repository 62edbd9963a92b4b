#include "graticule/stepping.h"

#include <cmath>
#include <limits>

namespace graticule {

int64_t countSteps(double first, double last, double step) {
    int64_t count = 0;
    forEachStep(first, last, step, [&count](double) { ++count; });
    return count;
}

bool stepAdvances(double step, double magnitude) {
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(magnitude)) return false;
    // The widest gap between neighbouring doubles of magnitude up to m is the
    // one just above m (towards zero from -m the gaps are no wider). An
    // addition moves a value when the step exceeds half of its gap; exactly
    // half rounds to the even neighbour and may stay put.
    const double m = std::abs(magnitude);
    const double gap = std::nextafter(m, std::numeric_limits<double>::infinity()) - m;
    return step > gap / 2.0;
}

}  // namespace graticule
