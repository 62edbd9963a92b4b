#pragma once
// The projection record that tests and benchmarks share: the Bonne projection
// on the sphere of radius 6371 km, main point at the pole, delta 1 = 30°,
// 1 : 1,000,000, offsets derived by the engine.

#include <string>

#include "geodesy/engine.h"
#include "geodesy/projection_names.h"

namespace test_records {

// unitMillimetres: millimetres per output unit (1 for "mm", 1 / resolution
// for pixels).
inline geodesy::ProjectionParams bonne(double unitMillimetres = 1.0) {
    geodesy::ProjectionParams p;
    p.projectionName = std::string(geodesy::kBonne);
    p.scaleDenominator = 1000000.0;
    p.sphereRadius = 6371000.0;
    p.mainPointLat = 90.0;
    p.delta1 = 30.0;
    p.delta2 = 50.0;
    p.unitMillimetres = unitMillimetres;
    geodesy::updateOffsets(p);
    return p;
}

}  // namespace test_records
