#pragma once
// The datum chain of the transformation: a geographic point with its
// ellipsoidal height is carried from one datum to another in two legs
// through WGS 84. The first leg shifts with the source datum's seven
// parameters as stored (datum to WGS 84), the second with the target datum's
// parameters all negated (WGS 84 to datum), each with geodesy::datumShift.
//
// Shortcuts, decided by the datum names alone (exact comparison):
// - equal names other than "(individuell)": the two datums are taken as one,
//   and the point comes back exactly as it went in, even when the two
//   records' parameters differ;
// - "WGS 84 (ECEF)": that datum's leg is a plain copy.
// Whenever a shift was computed, the resulting longitude is brought into
// [-180, 180] by one correction of ±360, so that a point on the date line
// does not come back as 180.0000012. Nothing is reported; non-finite input
// gives non-finite output.
//
// Accuracy: that of the first-order shift (see geodesy/datum_shift.h), about
// a metre on the ground against a rigorous transformation.

#include <string_view>

#include "geodesy/projection.h"

namespace transform {

inline constexpr std::string_view kWgs84Datum = "WGS 84 (ECEF)";
inline constexpr double kWgs84SemiMajorAxis = 6378137.0;
inline constexpr double kWgs84SemiMinorAxis = 6356752.314245179;

struct GeoPoint {
    double lat = 0.0;     // degrees
    double lon = 0.0;     // degrees
    double height = 0.0;  // metres above the ellipsoid
};

// One leg: a point on `datum` to WGS 84 (copy for "WGS 84 (ECEF)").
GeoPoint datumToWgs84(const geodesy::DatumParams& datum, const GeoPoint& point);
// The other leg: a point on WGS 84 to `datum`, negated parameters (copy for
// "WGS 84 (ECEF)").
GeoPoint wgs84ToDatum(const geodesy::DatumParams& datum, const GeoPoint& point);

// One correction of ±360 towards [-180, 180]; NaN stays NaN.
double wrapLongitude(double lon);

// The chain for one pair of datums, with the shortcut decided once; for runs
// over many points. Holds copies of both records.
class DatumChain {
public:
    DatumChain(const geodesy::DatumParams& from, const geodesy::DatumParams& to);
    // viaWgs84, when given, receives the point after the first leg (also
    // when the shortcut makes the second leg unnecessary).
    GeoPoint apply(const GeoPoint& point, GeoPoint* viaWgs84 = nullptr) const;

private:
    geodesy::DatumParams from_;
    geodesy::DatumParams to_;
    bool shortcut_;
};

// The whole chain from datum `from` to datum `to` for one point.
GeoPoint chainDatums(const geodesy::DatumParams& from, const geodesy::DatumParams& to, double lat,
                     double lon, double height);

}  // namespace transform
