#pragma once
// The projection definition record and its embedded datum: plain values,
// copied wherever they go. Strings hold UTF-8.

#include <cstdint>
#include <string>

namespace geodesy {

// Datum and ellipsoid of a projection, with the seven parameters of the
// transformation from this datum to WGS 84 (see datum_shift.h for their
// axes, signs and units).
struct DatumParams {
    std::string datumName;         // catalogue name, or "(individuell)" for typed values
    std::string ellipsoidName;     // catalogue name of the ellipsoid
    double semiMajorAxis = 0.0;    // a, metres
    double semiMinorAxis = 0.0;    // b, metres
    double shiftX = 0.0;           // metres, towards longitude 0 on the equator
    double shiftY = 0.0;           // metres, towards longitude 90° east
    double shiftZ = 0.0;           // metres, towards the north pole
    double rotationOmega = 0.0;    // degrees, about the Z axis
    double rotationPsi = 0.0;      // degrees, about the Y axis
    double rotationEpsilon = 0.0;  // degrees, about the X axis
    double scaleCorrection = 0.0;  // plain factor (1 ppm = 1e-6)

    bool operator==(const DatumParams&) const = default;
};

// One map projection with its metric calibration. Map X points right and
// Y up, both in the output unit; angles are degrees.
struct ProjectionParams {
    std::string projectionName;     // one of the sixteen type names (projection_names.h)
    double scaleDenominator = 0.0;  // M of the map scale 1 : M
    DatumParams datum;
    double sphereRadius = 0.0;  // radius R of the projection body, metres
    double mainPointLat = 0.0;
    double mainPointLon = 0.0;  // central meridian for "Gauß-Krüger (Allgemein)"
    double delta1 = 0.0;        // first standard parallel as polar distance
    double delta2 = 0.0;        // second standard parallel as polar distance
    int32_t stripNumber = 0;    // zone of the transverse Mercator types
    double refPointLat = 0.0;
    double refPointLon = 0.0;
    double refPointX = 0.0;        // X the reference point shall have, output units
    double refPointY = 0.0;        // Y the reference point shall have, output units
    double offsetX = 0.0;          // derived by updateOffsets, output units
    double offsetY = 0.0;          // derived by updateOffsets, output units
    double rotationAngle = 0.0;    // degrees, positive turns the map counter-clockwise
    double unitMillimetres = 0.0;  // map millimetres per output unit

    bool operator==(const ProjectionParams&) const = default;
};

}  // namespace geodesy
