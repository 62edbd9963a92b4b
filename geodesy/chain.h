#pragma once
// The engine's chain with everything that depends only on the record worked
// out in advance. prepareChain finds the record's type in the type table and
// works out its central meridian, the aspect of the main point and the
// calibration; runForward and runInverse (chain_run.h) then take the
// per-point steps. The prepared values are the same numbers, computed by the
// same operations, as the chain computed afresh for every point. Some steps
// are computed differently where that is safe, each changing a result by at
// most a unit or two in its last place:
// - the map rotation about the origin turns the point with the matrix of cos
//   and sin of the angle instead of by radius and polar angle (sqrt, atan2,
//   cos, sin per point), in the forward direction of every type; with angle
//   0 the matrix leaves the point exactly as it is;
// - for the strip types and the Swiss grid the factors between the metres of
//   their formulas and output units (the sphere radius R, 0.9996 for UTM,
//   the calibration; the Swiss sphere's radius) are folded into that matrix,
//   in both directions;
// - the inverse gives degrees as radians times 180/pi, one multiplication.
// The results keep that order of difference (at most 6 units in the last
// place of the larger coordinate or of latitude and longitude in the tests).
// Everything before the turning of the sphere in the inverse of the
// spherical types is computed exactly as the chain does, rotation by radius
// and angle included: the arc cosines of that turning are ill-conditioned
// near the main point's meridian and would magnify any difference to
// thousands of units in the last place.

#include <cstdint>
#include <string_view>

#include "geodesy/bonne.h"
#include "geodesy/conic.h"
#include "geodesy/cylindrical.h"
#include "geodesy/projection.h"
#include "geodesy/projection_types.h"
#include "geodesy/sphere_turning.h"
#include "geodesy/swiss_grid.h"
#include "geodesy/transverse_mercator.h"

namespace geodesy::detail {

double stripCentralMeridian(std::int32_t strip, ProjectionType type);

struct ChainConstants {
    ProjectionType type;
    bool sphericalAspect;         // the sphere is turned onto the main point
    bool polar;                   // main point latitude exactly +90: y keeps its sign
    bool equatorialCylinder;      // transverse cylinder: alpha mapped, x and y exchanged
    double k;                     // calibration factor
    double rot;                   // map rotation, radians
    double cosRot, sinRot;        // the same as a turning matrix
    double lon0;                  // longitude the chain measures from, radians
    aspect::MainPoint mainPoint;  // longitude relative to lon0
    double radius;                // sphere radius R, metres
    // Ellipsoidal types: the turning matrix times the factor from the unit
    // of the type's formulas to output units: k / R for the metres of the
    // strip types (times 0.9996 for UTM), k / R times the radius of the
    // grid's sphere for the Swiss grid's radians.
    double formulaCos, formulaSin;
    // And back: output units (less the offsets) to the unit of the formulas,
    // with the turning by the negative angle.
    double inverseCos, inverseSin;
    double offsetX, offsetY;
    union Family {
        EquidistantConic equidistantConic;
        EqualAreaConic equalAreaConic;
        ConformalConic conformalConic;
        Cylinder cylinder;
        Bonne bonne;
        TransverseMercator transverseMercator;
        SwissGrid swissGrid;
    } family;
};

void prepareChain(const ProjectionParams& p, ChainConstants& c);

}  // namespace geodesy::detail
