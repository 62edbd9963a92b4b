#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

#include "geodesy/engine.h"
#include "geodesy/prepared_projection.h"
#include "geodesy/projection_names.h"
#include "test_records.h"

namespace geodesy {
namespace {

using testing::naturalRecord;

ProjectionParams recordFor(std::string_view type) {
    ProjectionParams p = naturalRecord(type, 6371000.0, "DHDN (Potsdam / Rauenberg)");
    if (type == kSwissGrid) p.datum = lookupDatum("CH1903 (Obs. Bern)");
    p.scaleDenominator = 100000.0;
    p.unitMillimetres = 10.0;
    p.mainPointLat = 35.0;
    p.mainPointLon = 12.0;
    p.delta1 = 50.0;
    p.delta2 = 30.0;
    p.stripNumber = type == kUtm ? 32 : (type == kGaussKruegerAustria ? 31 : 4);
    p.rotationAngle = 7.5;
    p.refPointLat = 47.0;
    p.refPointLon = 9.0;
    p.refPointX = 10.0;
    p.refPointY = 20.0;
    return updateOffsets(p);
}

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// PreparedProjection gives what projectForward and projectInverse give,
// bit for bit, on points inside and far outside the usable area.
TEST(Prepared, SameResultsAsTheEngine) {
    for (std::string_view type : kProjectionNames) {
        const ProjectionParams p = recordFor(type);
        const PreparedProjection prepared(p);
        for (double lat = -89.0; lat <= 89.0; lat += 8.9) {
            for (double lon = -179.0; lon <= 179.0; lon += 17.9) {
                double x1, y1, x2, y2;
                projectForward(p, lat, lon, x1, y1);
                prepared.forward(lat, lon, x2, y2);
                EXPECT_TRUE(same(x1, x2) && same(y1, y2)) << type << " " << lat << " " << lon;
                double lat1, lon1, lat2, lon2;
                projectInverse(p, x1, y1, lat1, lon1);
                prepared.inverse(x1, y1, lat2, lon2);
                EXPECT_TRUE(same(lat1, lat2) && same(lon1, lon2)) << type;
            }
        }
    }
}

// A prepared record keeps its own numbers: changing the record it was made
// from afterwards changes none of its results.
TEST(Prepared, KeepsNoReferenceToTheRecord) {
    for (std::string_view type : kProjectionNames) {
        const ProjectionParams original = recordFor(type);
        ProjectionParams p = original;
        const PreparedProjection prepared(p);
        p.projectionName = std::string(kAzimuthalConformal);
        p.sphereRadius *= 2.0;
        p.datum.semiMinorAxis -= 1000.0;
        p.mainPointLat = -p.mainPointLat;
        p.stripNumber += 1;
        p.offsetX += 5.0;
        double x1, y1, x2, y2;
        projectForward(original, 47.0, 9.5, x1, y1);
        prepared.forward(47.0, 9.5, x2, y2);
        EXPECT_TRUE(same(x1, x2) && same(y1, y2)) << type;
    }
}

}  // namespace
}  // namespace geodesy
