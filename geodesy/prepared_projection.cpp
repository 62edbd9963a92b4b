#include "geodesy/prepared_projection.h"

#include "geodesy/chain_run.h"

namespace geodesy {

PreparedProjection::PreparedProjection(const ProjectionParams& p) {
    detail::prepareChain(p, chain_);
}

// The per-point steps are inlined here, so that a point costs one call.
void PreparedProjection::forward(double lat, double lon, double& x, double& y) const {
    detail::runForward(chain_, lat, lon, x, y);
}

void PreparedProjection::inverse(double x, double y, double& lat, double& lon) const {
    detail::runInverse(chain_, x, y, lat, lon);
}

}  // namespace geodesy
