#pragma once
// The projection engine: geographic degrees to map coordinates in output
// units and back, for all sixteen types, through one fixed chain (aspect
// rotation, formula of the type, sign, map rotation, scale and unit, offsets).
// Nothing here fails or reports: positions outside a type's domain give what
// its formulas give, non-finite inputs give non-finite outputs, and a type
// name outside the table gives x = y = 0 before the calibration (the inverse
// gives the main point). No call allocates or changes the caller's record.
//
// Speed: everything that depends only on the record (type, trigonometry of
// the main point, cone constants, series coefficients, calibration) is worked
// out once. projectForward and projectInverse keep it for the last four
// records per thread, found again by the type name (compared byte for byte on
// every call) and every number that enters the chain, bit for bit; a changed
// field is seen at once. PreparedProjection holds it for one record.
//
// Results: those of the chain as the record defines it, with a few
// differences in the order of operations (chain.h lists them): the map
// rotation is applied as a rotation matrix (cos and sin of the angle computed
// once) in the forward direction of every type and in both directions of the
// ellipsoidal types, with their scale factors folded in, and the inverse
// converts to degrees by one multiplication. Results differ from the chain
// taken step by step by at most a few units in the last place of the
// coordinates; with rotation 0 the turning of the spherical types is exact.

#include <cstdint>
#include <string>
#include <string_view>

#include "geodesy/chain.h"
#include "geodesy/projection.h"

namespace geodesy {

// Geographic (degrees) to map X right, Y up (output units).
void projectForward(const ProjectionParams& p, double lat, double lon, double& x, double& y);

// Map X, Y (output units) to geographic degrees, longitude in [-180, 180].
void projectInverse(const ProjectionParams& p, double x, double y, double& lat, double& lon);

// Sets offsetX and offsetY so that the reference point lands on
// (refPointX, refPointY); returns the record.
ProjectionParams& updateOffsets(ProjectionParams& p);

// True when the two names are byte for byte equal.
bool isProjection(const std::string& name, std::string_view type);

// Central meridian in degrees of strip n of a transverse Mercator type
// (0 for any other name). Computed in double: no range check on n.
double stripCentralMeridian(int32_t strip, const std::string& name);

// Map millimetres per output unit: 1, 10, 1000, 1e6, or 1 / resolution for
// "pixel" (resolution in pixels per millimetre); 1 for any other text.
double unitMillimetres(std::string_view unit, double resolution);

// sphereRadius · 1000 / scaleDenominator / unitMillimetres.
double calibrationFactor(const ProjectionParams& p);

// Turning of the sphere onto a main point (all radians): z is the polar
// distance from the main point, alpha the azimuth from north, positive east.
void geographicToAspect(double lat, double lon, double lat0, double lon0, double& z, double& alpha);
void aspectToGeographic(double z, double alpha, double lat0, double lon0, double& lat, double& lon);

// A record prepared for runs over many points: everything that depends only
// on the record (type, trigonometry of the main point, cone constants, series
// coefficients, calibration) is computed once. Its results are those of
// projectForward and projectInverse with the record it was made from.
class PreparedProjection {
public:
    explicit PreparedProjection(const ProjectionParams& p);
    void forward(double lat, double lon, double& x, double& y) const;
    void inverse(double x, double y, double& lat, double& lon) const;

private:
    detail::ChainConstants chain_;  // plain numbers: preparing allocates nothing
};

}  // namespace geodesy
