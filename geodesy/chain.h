#pragma once
// The engine's chain with everything that depends only on the record worked
// out in advance. prepareChain follows the classification of a record (type,
// central meridian, aspect of the main point, calibration); forwardChain and
// inverseChain then run the per-point steps. The prepared values are the same
// numbers, computed by the same operations, as the chain computed afresh for
// every point. One step is computed differently where that is safe: the map
// rotation about the origin turns the point with the matrix of cos and sin of
// the angle instead of by radius and polar angle (sqrt, atan2, cos, sin per
// point), in the forward direction of every type and in the inverse of the
// strip types and the Swiss grid. The two agree within a few units in the
// last place of the point's distance from the origin (with angle 0 the matrix
// leaves the point exactly as it is), and the results keep that order of
// difference (at most 6 units in the last place of the larger coordinate or
// of latitude and longitude in the tests). The inverse of the spherical types
// keeps the turning by radius and angle: the arc cosines of its turning of
// the sphere are ill-conditioned near the main point's meridian and would
// magnify any difference.

#include <cstdint>
#include <string_view>

#include "geodesy/aspect.h"
#include "geodesy/bonne.h"
#include "geodesy/conic.h"
#include "geodesy/cylindrical.h"
#include "geodesy/projection.h"
#include "geodesy/swiss_grid.h"
#include "geodesy/transverse_mercator.h"

namespace geodesy::detail {

// In the order of kProjectionNames; Unknown for any other text.
enum class ProjectionType : std::uint8_t {
    ConicEquidistant,
    ConicEqualArea,
    ConicConformal,
    AzimuthalEquidistant,
    AzimuthalEqualArea,
    AzimuthalConformal,
    CylinderEquidistant,
    CylinderEqualArea,
    CylinderConformal,
    Bonne,
    SwissGrid,
    GaussKruegerGermany,
    GaussKruegerAustria,
    GaussKruegerGeneral,
    Utm,
    Krassovsky,
    Unknown,
};

// Byte-for-byte comparison with the sixteen type names.
ProjectionType classifyProjection(std::string_view name);

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
void forwardChain(const ChainConstants& c, double lat, double lon, double& x, double& y);
void inverseChain(const ChainConstants& c, double x, double y, double& lat, double& lon);

}  // namespace geodesy::detail
