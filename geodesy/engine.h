#pragma once
// The projection engine: geographic latitude and longitude in degrees to map
// X (right) and Y (up) in a record's output unit, and back, for the sixteen
// types of the type table (projection_types.h).
//
// Range: every latitude and longitude; the inverse gives longitudes in
// [-180, 180]. Inside the usable area of a type the inverse of the forward
// returns the point to 1e-7 degrees (the Swiss grid to 1e-9 degrees).
//
// Accuracy: the results are those of the chain of steps taken one by one
// (turning of the sphere onto the main point, formula of the type, sign, map
// rotation, scale and unit, offsets) to a few units in the last place; each
// family's header says how closely its formulas follow the earth.
//
// Degenerate input: nothing fails or reports. Positions outside a type's
// domain give what its formulas give (clamped arc sines and cosines keep them
// free of NaN), non-finite inputs give non-finite results, and a name outside
// the table gives x = y = 0 before the calibration, so that only the offsets
// remain; its inverse gives the main point. Scale, sphere radius and unit must
// be non-zero and, for the types on the ellipsoid, a ≥ b > 0: the engine does
// not check them.
//
// projectForward and projectInverse prepare the record for every call; a run
// over many points holds a PreparedProjection (prepared_projection.h). No
// call allocates, keeps state or changes the caller's record.

#include <cstdint>
#include <string>
#include <string_view>

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

}  // namespace geodesy
