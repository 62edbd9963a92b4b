#pragma once
// The engine's chain with everything that depends only on the record worked
// out in advance. prepareChain follows the classification of a record (type,
// central meridian, aspect of the main point, calibration); forwardChain and
// inverseChain then run the per-point steps. The results are those of the
// chain computed afresh for every point: the prepared values are the same
// numbers, computed by the same operations.

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
    bool sphericalAspect;     // the sphere is turned onto the main point
    bool polar;               // main point latitude exactly +90: y keeps its sign
    bool equatorialCylinder;  // transverse cylinder: alpha mapped, x and y exchanged
    double k;                 // calibration factor
    double rot;               // map rotation, radians
    double lon0;              // longitude the chain measures from, radians
    aspect::MainPoint mainPoint;  // longitude relative to lon0
    double radius;            // sphere radius R, metres
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
