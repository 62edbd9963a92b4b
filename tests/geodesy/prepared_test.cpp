#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string_view>
#include <vector>

#include "geodesy/engine.h"
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

// The engine keeps record constants between calls; a change of any field
// that enters the projection must be seen at once, also when records
// alternate (as the coordinate transformation alternates two sides).
TEST(Prepared, EveryFieldChangeIsSeenAtOnce) {
    const std::vector<std::function<void(ProjectionParams&)>> changes = {
        [](ProjectionParams& p) { p.scaleDenominator *= 2.0; },
        [](ProjectionParams& p) { p.datum.semiMajorAxis += 100.0; },
        [](ProjectionParams& p) { p.datum.semiMinorAxis -= 100.0; },
        [](ProjectionParams& p) { p.sphereRadius += 1000.0; },
        [](ProjectionParams& p) { p.mainPointLat += 1.0; },
        [](ProjectionParams& p) { p.mainPointLon += 1.0; },
        [](ProjectionParams& p) { p.delta1 += 1.0; },
        [](ProjectionParams& p) { p.delta2 += 1.0; },
        [](ProjectionParams& p) { p.stripNumber += 1; },
        [](ProjectionParams& p) { p.offsetX += 1.0; },
        [](ProjectionParams& p) { p.offsetY += 1.0; },
        [](ProjectionParams& p) { p.rotationAngle += 1.0; },
        [](ProjectionParams& p) { p.unitMillimetres *= 2.0; },
        [](ProjectionParams& p) { p.mainPointLat = -p.mainPointLat; },
        [](ProjectionParams& p) { p.offsetX = -0.0; },
    };
    for (std::string_view type : kProjectionNames) {
        const ProjectionParams base = recordFor(type);
        for (std::size_t i = 0; i < changes.size(); ++i) {
            ProjectionParams changed = base;
            changes[i](changed);
            const PreparedProjection expectBase(base), expectChanged(changed);
            for (int round = 0; round < 3; ++round) {
                const ProjectionParams* records[] = {&base, &changed};
                for (const ProjectionParams* pair : records) {
                    const PreparedProjection& expected = pair == &base ? expectBase : expectChanged;
                    double x1, y1, x2, y2, lat1, lon1, lat2, lon2;
                    projectForward(*pair, 46.5, 8.5 + round, x1, y1);
                    expected.forward(46.5, 8.5 + round, x2, y2);
                    EXPECT_TRUE(same(x1, x2) && same(y1, y2)) << type << " change " << i;
                    projectInverse(*pair, x1 + 1.0, y1 - 1.0, lat1, lon1);
                    expected.inverse(x1 + 1.0, y1 - 1.0, lat2, lon2);
                    EXPECT_TRUE(same(lat1, lat2) && same(lon1, lon2)) << type << " change " << i;
                }
            }
        }
    }
    // Another type name with the same numbers, and records in turn beyond the
    // number the engine keeps.
    std::vector<ProjectionParams> records;
    for (std::string_view type : kProjectionNames) {
        records.push_back(recordFor(kConicConformal));
        records.back().projectionName = type;
    }
    for (int round = 0; round < 2; ++round) {
        for (const ProjectionParams& p : records) {
            const PreparedProjection expected(p);
            double x1, y1, x2, y2;
            projectForward(p, 40.0, 10.0, x1, y1);
            expected.forward(40.0, 10.0, x2, y2);
            EXPECT_TRUE(same(x1, x2) && same(y1, y2)) << p.projectionName;
        }
    }
}

}  // namespace
}  // namespace geodesy
