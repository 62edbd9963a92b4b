#pragma once
// The one way latitudes and longitudes are stepped: start at the lower bound
// and add the step after each value while the running value is not greater
// than the upper bound. The upper bound itself is reached only when the sum
// hits it exactly (−25 to −5 by 0.1 ends at −5.1); every caller uses this
// helper so that all outputs see the same sequence of values.

#include <cstdint>
#include <type_traits>

namespace graticule {

// Calls visit(v) for v = first, first + step, first + 2·step (by repeated
// addition) while v <= last. A visitor that returns bool ends the walk by
// returning false. The caller makes sure the step advances (stepAdvances),
// otherwise the loop would not end.
template <class Visit>
void forEachStep(double first, double last, double step, Visit&& visit) {
    for (double v = first; v <= last; v += step) {
        if constexpr (std::is_same_v<decltype(visit(v)), bool>) {
            if (!visit(v)) return;
        } else {
            visit(v);
        }
    }
}

// The number of values forEachStep visits, counted by the same addition.
int64_t countSteps(double first, double last, double step);

// True when step is a finite number greater than 0 that changes every value
// of magnitude up to `magnitude` when added to it, so that a stepping loop
// over such values always ends. False for NaN, infinite or non-positive steps
// and for steps lost to rounding (1e-15 at 100°).
bool stepAdvances(double step, double magnitude);

}  // namespace graticule
