#include "geodesy/cylindrical.h"

#include <cmath>

#include "geodesy/angles_inline.h"

namespace geodesy {

Cylinder makeCylinder(double delta1) {
    return {std::sin(delta1)};
}

}  // namespace geodesy
