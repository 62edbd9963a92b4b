#include "geodesy/bonne.h"

#include <cmath>

#include "geodesy/polar_form.h"

namespace geodesy {

Bonne makeBonne(double delta1) {
    return {delta1, std::tan(delta1)};
}

}  // namespace geodesy
