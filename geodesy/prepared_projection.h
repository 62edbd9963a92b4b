#pragma once
// A projection record prepared for runs over many points: its type, the
// trigonometry of its main point, its cone constants or series coefficients
// and its calibration are worked out once, and each point then takes only its
// own steps. forward and inverse give what projectForward and projectInverse
// (engine.h, which states range, accuracy and degenerate input) give for the
// record it was made from, bit for bit. The prepared record is a plain value:
// preparing allocates nothing and keeps no reference to the record.

#include "geodesy/chain.h"
#include "geodesy/projection.h"

namespace geodesy {

class PreparedProjection {
public:
    explicit PreparedProjection(const ProjectionParams& p);

    // Geographic (degrees) to map X right, Y up (output units).
    void forward(double lat, double lon, double& x, double& y) const;

    // Map X, Y (output units) to geographic degrees, longitude in [-180, 180].
    void inverse(double x, double y, double& lat, double& lon) const;

private:
    detail::ChainConstants chain_;
};

}  // namespace geodesy
