#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

#include "geodesy/angles.h"
#include "geodesy/datum_shift.h"
#include "geodesy/engine.h"
#include "geodesy/prepared_projection.h"
#include "geodesy/projection_names.h"
#include "test_records.h"

namespace geodesy {
namespace {

using testing::naturalRecord;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kHuge = 1e308;

const double kBadValues[] = {kNaN, kInf, -kInf, kHuge, -kHuge, 1e-310, 0.0};

ProjectionParams recordFor(std::string_view type) {
    ProjectionParams p = naturalRecord(type, 6371000.0, "CH1903 (Obs. Bern)");
    p.mainPointLat = 40.0;
    p.mainPointLon = 10.0;
    p.delta1 = 40.0;
    p.delta2 = 60.0;
    p.stripNumber = 31;
    return p;
}

// Every type takes any input, finite or not, and returns: no trap, no hang,
// no complaint of the sanitizers. Non-finite input gives non-finite output
// wherever it enters the formulas (the unknown name gives only the offsets).
TEST(BadInput, NonFinitePositionsInEveryType) {
    for (std::string_view type : kProjectionNames) {
        const ProjectionParams p = recordFor(type);
        const PreparedProjection prepared(p);
        for (double a : kBadValues) {
            for (double b : {a, 45.0}) {
                double x, y, lat, lon;
                projectForward(p, a, b, x, y);
                projectForward(p, b, a, x, y);
                prepared.forward(a, b, x, y);
                projectInverse(p, a, b, lat, lon);
                projectInverse(p, b, a, lat, lon);
                prepared.inverse(a, b, lat, lon);
            }
        }
        double x, y;
        projectForward(p, kNaN, 10.0, x, y);
        EXPECT_TRUE(std::isnan(x) || std::isnan(y)) << type;
    }
}

TEST(BadInput, NonFiniteRecordsInEveryType) {
    for (std::string_view type : kProjectionNames) {
        for (double bad : kBadValues) {
            for (int field = 0; field < 8; ++field) {
                ProjectionParams p = recordFor(type);
                double* fields[] = {&p.scaleDenominator,    &p.sphereRadius,
                                    &p.datum.semiMajorAxis, &p.datum.semiMinorAxis,
                                    &p.mainPointLat,        &p.delta1,
                                    &p.rotationAngle,       &p.unitMillimetres};
                *fields[field] = bad;
                double x, y, lat, lon;
                projectForward(p, 46.0, 8.0, x, y);
                projectInverse(p, 600.0, 200.0, lat, lon);
                updateOffsets(p);
            }
        }
    }
}

TEST(BadInput, DegenerateStandardParallels) {
    // 0° and 180° parallels for the cylinders and conics, and equal ones:
    // values or documented infinities, never a trap.
    for (std::string_view type : {kCylinderEquidistant, kCylinderEqualArea, kCylinderConformal,
                                  kConicEquidistant, kConicEqualArea, kConicConformal, kBonne}) {
        for (double d1 : {0.0, 90.0, 180.0}) {
            for (double d2 : {0.0, d1, 180.0}) {
                ProjectionParams p = recordFor(type);
                p.mainPointLat = 90.0;
                p.delta1 = d1;
                p.delta2 = d2;
                double x, y, lat, lon;
                projectForward(p, 30.0, 20.0, x, y);
                projectInverse(p, x, y, lat, lon);
            }
        }
    }
}

TEST(BadInput, HelpersAndDatumShift) {
    for (double v : kBadValues) {
        double x, y;
        rotateAboutPoint(v, 1.0, 0.0, 0.0, v, x, y);
        packedDmsToDegrees(v);
        degreesToPackedDms(v);
        normalizeAngle(v);
        EXPECT_FALSE(std::isnan(safeAcos(v)) && !std::isnan(v));
        double lat, lon, h;
        datumShift(6377397.155, 6356078.962818189, 6378137.0, 6356752.314245179, v, 1.0, 1.0, v,
                   0.0, 0.0, v, v, v, v, lat, lon, h);
        datumShift(v, v, v, v, 0, 0, 0, 0, 0, 0, 0, 45.0, 10.0, 0.0, lat, lon, h);
    }
    EXPECT_EQ(roundToDecimals(kInf, 3), kInf);
}

}  // namespace
}  // namespace geodesy
