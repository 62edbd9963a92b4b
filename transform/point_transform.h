#pragma once
// The transformation of one coordinate pair by the three modes of the
// transformation dialog, on an explicit snapshot of its inputs:
// 1. geographic input in "Gradielle Notation (dd.mmssss)" is converted to
//    decimal degrees;
// 2. by projection mode and coordinate mode: the inverse projection of the
//    source side (cartesian input), the datum chain from the source side's
//    datum to the target side's with the snapshot's source height (between
//    two projections), the forward projection of the target side (cartesian
//    output);
// 3. geographic output in "Gradielle Notation (dd.mmssss)" is converted back.
// Geographic pairs are (latitude, longitude) in degrees, cartesian pairs
// (X, Y) in the output unit of their side. Within one projection the two
// pairs "geographisch --> geographisch" and "kartesisch --> kartesisch", and
// any mode text outside the lists, give the pair back through steps 1 and 3
// only. Nothing is reported: a point outside a projection's domain comes back
// with the engine's non-finite values.

#include <string_view>

#include "geodesy/prepared_projection.h"
#include "transform/datum_chain.h"
#include "transform/transform_request.h"

namespace transform {

enum class ProjectionMode { WithinProjection1, WithinProjection2, Projection1To2, Projection2To1 };
enum class CoordinateMode {
    GeographicToGeographic,
    GeographicToCartesian,
    CartesianToGeographic,
    CartesianToCartesian,
};

// The mode of an exact list text; false for any other text.
bool decodeProjectionMode(std::string_view text, ProjectionMode& mode);
bool decodeCoordinateMode(std::string_view text, CoordinateMode& mode);
// True only for "Gradielle Notation (dd.mmssss)".
bool isPackedDmsFormat(std::string_view angleFormat);

// A snapshot's three mode texts decoded; the projection and coordinate modes
// count only when known (both texts were list entries).
struct Modes {
    bool known = false;
    ProjectionMode projection = ProjectionMode::WithinProjection1;
    CoordinateMode coordinate = CoordinateMode::GeographicToCartesian;
    bool packedDms = false;
};

// One pair through the snapshot's modes, with projectForward and
// projectInverse of the snapshot's records.
void transformPoint(const TransformSnapshot& snapshot, double a, double b, double& r1, double& r2);

// The same for runs over many points: both records prepared, the modes
// decoded and the datum shortcut decided once. Its results equal those of
// transformPoint with the same snapshot, bit for bit.
class PointTransformer {
public:
    explicit PointTransformer(const TransformSnapshot& snapshot);
    void transform(double a, double b, double& r1, double& r2) const;

    // The source and target side's unit factors (millimetres per unit): the
    // source is projection 1 unless the mode is "Projektion 2 --> Projektion 1".
    double sourceUnitMillimetres() const { return sourceUnitMillimetres_; }
    double targetUnitMillimetres() const { return targetUnitMillimetres_; }

private:
    geodesy::PreparedProjection projection1_;
    geodesy::PreparedProjection projection2_;
    DatumChain chain12_;
    DatumChain chain21_;
    const Modes modes_;
    double sourceHeight_;
    double sourceUnitMillimetres_;
    double targetUnitMillimetres_;
};

}  // namespace transform
