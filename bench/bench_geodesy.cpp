// Nanoseconds per call of the engine: projectForward / projectInverse for
// each of the sixteen types (each call prepares the record), the same points
// through one PreparedProjection as a run over many points holds it, and
// datumShift.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "geodesy/catalogues.h"
#include "geodesy/datum_shift.h"
#include "geodesy/engine.h"
#include "geodesy/prepared_projection.h"
#include "geodesy/projection_names.h"

namespace {

using geodesy::ProjectionParams;

constexpr int kPoints = 256;

struct Setup {
    ProjectionParams record;
    double south, north, west, east;  // area the points are spread over
};

// A typical record of each type: map 1 : 1 000 000 in millimetres, an oblique
// main point for the spherical types (the costliest aspect), a rotation, and
// the reference point the projection dialog proposes.
Setup setupFor(std::string_view type) {
    ProjectionParams p;
    p.projectionName = std::string(type);
    p.scaleDenominator = 1000000.0;
    p.datum = geodesy::lookupDatum("DHDN (Potsdam / Rauenberg)");
    p.sphereRadius = 6371000.0;
    p.mainPointLat = 50.0;
    p.mainPointLon = 10.0;
    p.delta1 = 30.0;
    p.delta2 = 50.0;
    p.stripNumber = 3;
    p.rotationAngle = 5.0;
    p.unitMillimetres = 1.0;
    p.refPointLat = 50.0;
    p.refPointLon = 10.0;
    p.refPointX = 100.0;
    p.refPointY = 200.0;
    Setup s{p, 40.0, 60.0, 0.0, 20.0};
    if (type == geodesy::kBonne) s.record.delta1 = 40.0;
    if (type == geodesy::kSwissGrid) {
        s.record.datum = geodesy::lookupDatum("CH1903 (Obs. Bern)");
        s = {s.record, 45.8, 47.8, 6.0, 10.5};
    }
    if (type == geodesy::kUtm) s.record.stripNumber = 32;
    if (type == geodesy::kGaussKruegerAustria) s.record.stripNumber = 31;
    if (type == geodesy::kKrassovsky) s.record.stripNumber = 2;
    if (type == geodesy::kGaussKruegerGeneral) s.record.mainPointLon = 9.0;
    geodesy::updateOffsets(s.record);
    return s;
}

struct Points {
    std::array<double, kPoints> lat, lon, x, y;
};

Points pointsFor(const Setup& s) {
    Points pts{};
    for (int i = 0; i < kPoints; ++i) {
        const double u = (i % 16) / 15.0;
        const double v = (i / 16) / 15.0;
        pts.lat[i] = s.south + (s.north - s.south) * u;
        pts.lon[i] = s.west + (s.east - s.west) * v;
        geodesy::projectForward(s.record, pts.lat[i], pts.lon[i], pts.x[i], pts.y[i]);
    }
    return pts;
}

void forward(benchmark::State& state, std::string_view type) {
    const Setup s = setupFor(type);
    const Points pts = pointsFor(s);
    int i = 0;
    for (auto _ : state) {
        double x, y;
        geodesy::projectForward(s.record, pts.lat[i], pts.lon[i], x, y);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        i = (i + 1) % kPoints;
    }
}

void inverse(benchmark::State& state, std::string_view type) {
    const Setup s = setupFor(type);
    const Points pts = pointsFor(s);
    int i = 0;
    for (auto _ : state) {
        double lat, lon;
        geodesy::projectInverse(s.record, pts.x[i], pts.y[i], lat, lon);
        benchmark::DoNotOptimize(lat);
        benchmark::DoNotOptimize(lon);
        i = (i + 1) % kPoints;
    }
}

void preparedForward(benchmark::State& state, std::string_view type) {
    const Setup s = setupFor(type);
    const Points pts = pointsFor(s);
    const geodesy::PreparedProjection prepared(s.record);
    int i = 0;
    for (auto _ : state) {
        double x, y;
        prepared.forward(pts.lat[i], pts.lon[i], x, y);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        i = (i + 1) % kPoints;
    }
}

void preparedInverse(benchmark::State& state, std::string_view type) {
    const Setup s = setupFor(type);
    const Points pts = pointsFor(s);
    const geodesy::PreparedProjection prepared(s.record);
    int i = 0;
    for (auto _ : state) {
        double lat, lon;
        prepared.inverse(pts.x[i], pts.y[i], lat, lon);
        benchmark::DoNotOptimize(lat);
        benchmark::DoNotOptimize(lon);
        i = (i + 1) % kPoints;
    }
}

void datumShift(benchmark::State& state) {
    const geodesy::DatumParams d = geodesy::lookupDatum("DHDN (Potsdam / Rauenberg)");
    int i = 0;
    for (auto _ : state) {
        const double lat = 47.0 + (i % 16) * 0.5;
        const double lon = 6.0 + (i / 16) * 0.5;
        double latOut, lonOut, hOut;
        geodesy::datumShift(d.semiMajorAxis, d.semiMinorAxis, 6378137.0, 6356752.314245179,
                            d.shiftX, d.shiftY, d.shiftZ, d.rotationOmega, d.rotationPsi,
                            d.rotationEpsilon, d.scaleCorrection, lat, lon, 100.0, latOut, lonOut,
                            hOut);
        benchmark::DoNotOptimize(latOut);
        benchmark::DoNotOptimize(lonOut);
        benchmark::DoNotOptimize(hOut);
        i = (i + 1) % kPoints;
    }
}

// Short ASCII labels, in the order of kProjectionNames.
constexpr std::array<const char*, 16> kLabels = {
    "conic_equidistant",
    "conic_equal_area",
    "conic_conformal",
    "azimuthal_equidistant",
    "azimuthal_equal_area",
    "azimuthal_conformal",
    "cylinder_equidistant",
    "cylinder_equal_area",
    "cylinder_conformal",
    "bonne",
    "swiss_grid",
    "gauss_krueger_germany",
    "gauss_krueger_austria",
    "gauss_krueger_general",
    "utm",
    "krassovsky",
};

// The least time over repetitions: on a shared machine the fastest run is
// the one least disturbed.
double minimum(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

void add(const std::string& name, void (*fn)(benchmark::State&, std::string_view),
         std::string_view type) {
    benchmark::RegisterBenchmark(name.c_str(), fn, type)->ComputeStatistics("min", minimum);
}

const int kRegistered = [] {
    for (std::size_t t = 0; t < geodesy::kProjectionNames.size(); ++t) {
        const std::string_view type = geodesy::kProjectionNames[t];
        const std::string name = kLabels[t];
        add("forward/" + name, forward, type);
        add("inverse/" + name, inverse, type);
        add("prepared_forward/" + name, preparedForward, type);
        add("prepared_inverse/" + name, preparedInverse, type);
    }
    benchmark::RegisterBenchmark("datumShift", datumShift)->ComputeStatistics("min", minimum);
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
