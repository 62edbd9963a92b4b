#include "transform/datum_chain.h"

#include "geodesy/catalogues.h"
#include "geodesy/datum_shift.h"

namespace transform {
namespace {

bool isWgs84(const geodesy::DatumParams& datum) {
    return datum.datumName == kWgs84Datum;
}

// Two records stand for one datum when they carry the same catalogue name;
// typed-in datums are never taken to be the same, whatever their values.
bool sameDatum(const geodesy::DatumParams& from, const geodesy::DatumParams& to) {
    return from.datumName == to.datumName && from.datumName != geodesy::kIndividual;
}

}  // namespace

GeoPoint datumToWgs84(const geodesy::DatumParams& datum, const GeoPoint& point) {
    if (isWgs84(datum)) return point;
    GeoPoint out;
    geodesy::datumShift(datum.semiMajorAxis, datum.semiMinorAxis, kWgs84SemiMajorAxis,
                        kWgs84SemiMinorAxis, datum.shiftX, datum.shiftY, datum.shiftZ,
                        datum.rotationOmega, datum.rotationPsi, datum.rotationEpsilon,
                        datum.scaleCorrection, point.lat, point.lon, point.height, out.lat, out.lon,
                        out.height);
    return out;
}

GeoPoint wgs84ToDatum(const geodesy::DatumParams& datum, const GeoPoint& point) {
    if (isWgs84(datum)) return point;
    GeoPoint out;
    geodesy::datumShift(kWgs84SemiMajorAxis, kWgs84SemiMinorAxis, datum.semiMajorAxis,
                        datum.semiMinorAxis, -datum.shiftX, -datum.shiftY, -datum.shiftZ,
                        -datum.rotationOmega, -datum.rotationPsi, -datum.rotationEpsilon,
                        -datum.scaleCorrection, point.lat, point.lon, point.height, out.lat,
                        out.lon, out.height);
    return out;
}

double wrapLongitude(double lon) {
    if (lon > 180.0) return lon - 360.0;
    if (lon < -180.0) return lon + 360.0;
    return lon;
}

DatumChain::DatumChain(const geodesy::DatumParams& from, const geodesy::DatumParams& to)
    : from_(from), to_(to), shortcut_(sameDatum(from, to)) {}

GeoPoint DatumChain::apply(const GeoPoint& point, GeoPoint* viaWgs84) const {
    if (shortcut_) {
        if (viaWgs84 != nullptr) *viaWgs84 = datumToWgs84(from_, point);
        return point;
    }
    const GeoPoint wgs84 = datumToWgs84(from_, point);
    if (viaWgs84 != nullptr) *viaWgs84 = wgs84;
    GeoPoint out = wgs84ToDatum(to_, wgs84);
    out.lon = wrapLongitude(out.lon);
    return out;
}

GeoPoint chainDatums(const geodesy::DatumParams& from, const geodesy::DatumParams& to, double lat,
                     double lon, double height) {
    return DatumChain(from, to).apply(GeoPoint{lat, lon, height});
}

}  // namespace transform
