#include "transform/point_transform.h"

#include "geodesy/angles.h"
#include "geodesy/engine.h"
#include "transform/modes.h"

namespace transform {
namespace {

Modes decodeModes(const TransformSnapshot& snapshot) {
    Modes modes;
    modes.known = decodeProjectionMode(snapshot.projectionMode, modes.projection) &&
                  decodeCoordinateMode(snapshot.coordinateMode, modes.coordinate);
    modes.packedDms = isPackedDmsFormat(snapshot.angleFormat);
    return modes;
}

bool geographicInput(const Modes& modes) {
    return modes.known && (modes.coordinate == CoordinateMode::GeographicToGeographic ||
                           modes.coordinate == CoordinateMode::GeographicToCartesian);
}

bool geographicOutput(const Modes& modes) {
    return modes.known && (modes.coordinate == CoordinateMode::GeographicToGeographic ||
                           modes.coordinate == CoordinateMode::CartesianToGeographic);
}

// A projection side through the engine's functions on the record itself.
struct EngineSide {
    const geodesy::ProjectionParams& params;
    void forward(double lat, double lon, double& x, double& y) const {
        geodesy::projectForward(params, lat, lon, x, y);
    }
    void inverse(double x, double y, double& lat, double& lon) const {
        geodesy::projectInverse(params, x, y, lat, lon);
    }
};

// Within one projection: forward or inverse, or the pair as it is for the two
// combinations the dialog never lets through.
template <class Side>
void within(const Modes& modes, const Side& side, double a, double b, double& r1, double& r2) {
    if (modes.coordinate == CoordinateMode::GeographicToCartesian) {
        side.forward(a, b, r1, r2);
    } else if (modes.coordinate == CoordinateMode::CartesianToGeographic) {
        side.inverse(a, b, r1, r2);
    } else {
        r1 = a;
        r2 = b;
    }
}

// From the source side to the target side: geographic on the source's datum
// (inverse projection for cartesian input), the datum chain with the one
// source height, then the target side's projection for cartesian output.
template <class Side>
void between(const Modes& modes, const Side& source, const Side& target, const DatumChain& chain,
             double height, double a, double b, double& r1, double& r2) {
    GeoPoint point{a, b, height};
    if (!geographicInput(modes)) source.inverse(a, b, point.lat, point.lon);
    const GeoPoint moved = chain.apply(point);
    if (geographicOutput(modes)) {
        r1 = moved.lat;
        r2 = moved.lon;
    } else {
        target.forward(moved.lat, moved.lon, r1, r2);
    }
}

template <class Side>
void transformWith(const Modes& modes, const Side& side1, const Side& side2,
                   const DatumChain& chain12, const DatumChain& chain21, double height, double a,
                   double b, double& r1, double& r2) {
    if (modes.packedDms && geographicInput(modes)) {
        a = geodesy::packedDmsToDegrees(a);
        b = geodesy::packedDmsToDegrees(b);
    }
    double x = a;
    double y = b;
    if (modes.known) {
        switch (modes.projection) {
            case ProjectionMode::WithinProjection1:
                within(modes, side1, a, b, x, y);
                break;
            case ProjectionMode::WithinProjection2:
                within(modes, side2, a, b, x, y);
                break;
            case ProjectionMode::Projection1To2:
                between(modes, side1, side2, chain12, height, a, b, x, y);
                break;
            case ProjectionMode::Projection2To1:
                between(modes, side2, side1, chain21, height, a, b, x, y);
                break;
        }
    }
    if (modes.packedDms && geographicOutput(modes)) {
        x = geodesy::degreesToPackedDms(x);
        y = geodesy::degreesToPackedDms(y);
    }
    r1 = x;
    r2 = y;
}

bool isSource1(const TransformSnapshot& snapshot) {
    return snapshot.projectionMode != kProjection2To1;
}

}  // namespace

bool decodeProjectionMode(std::string_view text, ProjectionMode& mode) {
    static constexpr ProjectionMode kModes[] = {
        ProjectionMode::WithinProjection1, ProjectionMode::WithinProjection2,
        ProjectionMode::Projection1To2, ProjectionMode::Projection2To1};
    for (std::size_t i = 0; i < kProjectionModes.size(); ++i) {
        if (text == kProjectionModes[i]) {
            mode = kModes[i];
            return true;
        }
    }
    return false;
}

bool decodeCoordinateMode(std::string_view text, CoordinateMode& mode) {
    static constexpr CoordinateMode kModes[] = {
        CoordinateMode::GeographicToGeographic, CoordinateMode::GeographicToCartesian,
        CoordinateMode::CartesianToGeographic, CoordinateMode::CartesianToCartesian};
    for (std::size_t i = 0; i < kCoordinateModes.size(); ++i) {
        if (text == kCoordinateModes[i]) {
            mode = kModes[i];
            return true;
        }
    }
    return false;
}

bool isPackedDmsFormat(std::string_view angleFormat) {
    return angleFormat == kPackedDmsAngles;
}

void transformPoint(const TransformSnapshot& snapshot, double a, double b, double& r1, double& r2) {
    const Modes modes = decodeModes(snapshot);
    const geodesy::DatumParams& datum1 = snapshot.projection1.datum;
    const geodesy::DatumParams& datum2 = snapshot.projection2.datum;
    transformWith(modes, EngineSide{snapshot.projection1}, EngineSide{snapshot.projection2},
                  DatumChain(datum1, datum2), DatumChain(datum2, datum1), snapshot.sourceHeight, a,
                  b, r1, r2);
}

PointTransformer::PointTransformer(const TransformSnapshot& snapshot)
    : projection1_(snapshot.projection1),
      projection2_(snapshot.projection2),
      chain12_(snapshot.projection1.datum, snapshot.projection2.datum),
      chain21_(snapshot.projection2.datum, snapshot.projection1.datum),
      modes_(decodeModes(snapshot)),
      sourceHeight_(snapshot.sourceHeight),
      sourceUnitMillimetres_(isSource1(snapshot) ? snapshot.projection1.unitMillimetres
                                                 : snapshot.projection2.unitMillimetres),
      targetUnitMillimetres_(isSource1(snapshot) ? snapshot.projection2.unitMillimetres
                                                 : snapshot.projection1.unitMillimetres) {}

void PointTransformer::transform(double a, double b, double& r1, double& r2) const {
    transformWith(modes_, projection1_, projection2_, chain12_, chain21_, sourceHeight_, a, b, r1,
                  r2);
}

}  // namespace transform
