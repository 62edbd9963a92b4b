#include "geodesy/engine.h"

#include "geodesy/chain.h"
#include "geodesy/prepared_projection.h"
#include "geodesy/projection_names.h"
#include "geodesy/projection_types.h"
#include "geodesy/sphere_turning.h"

namespace geodesy {

void projectForward(const ProjectionParams& p, double lat, double lon, double& x, double& y) {
    PreparedProjection(p).forward(lat, lon, x, y);
}

void projectInverse(const ProjectionParams& p, double x, double y, double& lat, double& lon) {
    PreparedProjection(p).inverse(x, y, lat, lon);
}

ProjectionParams& updateOffsets(ProjectionParams& p) {
    p.offsetX = 0.0;
    p.offsetY = 0.0;
    double x = 0.0;
    double y = 0.0;
    projectForward(p, p.refPointLat, p.refPointLon, x, y);
    p.offsetX = p.refPointX - x;
    p.offsetY = p.refPointY - y;
    return p;
}

bool isProjection(const std::string& name, std::string_view type) {
    return std::string_view(name) == type;
}

double stripCentralMeridian(int32_t strip, const std::string& name) {
    const ProjectionTypeRow* row = findProjectionType(name);
    return row != nullptr ? detail::stripCentralMeridian(strip, row->type) : 0.0;
}

double unitMillimetres(std::string_view unit, double resolution) {
    if (unit == kUnitMillimetre) return 1.0;
    if (unit == kUnitCentimetre) return 10.0;
    if (unit == kUnitMetre) return 1000.0;
    if (unit == kUnitKilometre) return 1000000.0;
    if (unit == kUnitPixel) return 1.0 / resolution;
    return 1.0;
}

double calibrationFactor(const ProjectionParams& p) {
    return p.sphereRadius * 1000.0 / p.scaleDenominator / p.unitMillimetres;
}

void geographicToAspect(double lat, double lon, double lat0, double lon0, double& z,
                        double& alpha) {
    aspect::toAspect(aspect::makeMainPoint(lat0, lon0), lat, lon, z, alpha);
}

void aspectToGeographic(double z, double alpha, double lat0, double lon0, double& lat,
                        double& lon) {
    aspect::fromAspect(aspect::makeMainPoint(lat0, lon0), z, alpha, lat, lon);
}

}  // namespace geodesy
