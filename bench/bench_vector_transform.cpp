// Transforming a metafile and an Illustrator document of one million points
// each from a German strip system on its own datum into UTM on WGS 84 (the
// datum change runs for every point), through the whole run: reading,
// classification, the point transformation, formatting and writing. A
// counting feedback stands in for the dialog's progress and pump.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <string>

#include "bench_feedback.h"
#include "definition/type_rules.h"
#include "fileio/number_format.h"
#include "geodesy/catalogues.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "transform/illustrator_transform.h"
#include "transform/metafile_transform.h"
#include "transform/modes.h"
#include "transform/point_transform.h"

namespace {

constexpr int kRecords = 1000;
constexpr int kPointsPerRecord = 1000;
constexpr double kScale = 100000.0;

// The strip system's own calibration (metres on the ground, false easting
// and northing) taken to the map at 1 : 100,000 in the given unit.
geodesy::ProjectionParams mapRecord(std::string_view type, const std::string& datum,
                                    const std::string& units, double resolution) {
    definition::ProjectionDefinition d;
    d.natural = true;
    d.strip = type == geodesy::kUtm ? 32 : 3;
    definition::applyProjectionType(d, std::string(type));
    definition::stripChanged(d);
    d.natural = false;
    d.units = units;
    d.resolution = resolution;
    d.scale = kScale;
    const double unitsPerGroundMetre =
        1000.0 / kScale / geodesy::unitMillimetres(units, resolution);
    d.refX *= unitsPerGroundMetre;
    d.refY *= unitsPerGroundMetre;
    return definition::buildParams(d, geodesy::lookupDatum(datum));
}

transform::TransformSnapshot snapshot(const std::string& units, double resolution) {
    transform::TransformSnapshot s;
    s.projection1 =
        mapRecord(geodesy::kGaussKruegerGermany, "DHDN (Potsdam / Rauenberg)", units, resolution);
    s.projection2 = mapRecord(geodesy::kUtm, "WGS 84 (ECEF)", units, resolution);
    s.units1 = units;
    s.units2 = units;
    s.projectionMode = std::string(transform::kProjection1To2);
    s.coordinateMode = std::string(transform::kCartesianToCartesian);
    s.angleFormat = std::string(transform::kDecimalAngles);
    return s;
}

// Points of the strip system around Kassel (easting 3,500 to 3,600 km,
// northing 5,650 to 5,750 km on the ground), in map units.
void pointAt(int i, double unitsPerGroundMetre, double& x, double& y) {
    x = (3500000.0 + (i % 1000) * 100.0 + (i / 1000) * 0.37) * unitsPerGroundMetre;
    y = (5650000.0 + (i / 1000) * 100.0 + (i % 1000) * 0.23) * unitsPerGroundMetre;
}

std::string tempPath(const char* name) {
    return "/tmp/gitterwerk_bench_" + std::to_string(::getpid()) + "_" + name;
}

// A metafile as the graticule export writes it: pixel coordinates in
// right-aligned columns, an object key and a line record per 1000 points.
std::string writeMetafile() {
    const std::string path = tempPath("in.met");
    std::FILE* f = std::fopen(path.c_str(), "w");
    std::fputs("1 0 0\n5 2 0\nVIZ-METAFILE QUORIN (C)\n(Created by Gitterwerk)\n", f);
    const double perMetre = 1000.0 / kScale * 10.0;  // 10 pixels per millimetre
    for (int r = 0; r < kRecords; ++r) {
        std::fprintf(f, "21 0 9000\n11 %d 0\n", kPointsPerRecord);
        for (int k = 0; k < kPointsPerRecord; ++k) {
            double x = 0.0;
            double y = 0.0;
            pointAt(r * kPointsPerRecord + k, perMetre, x, y);
            std::fprintf(f, "%9.0f %9.0f 6\n", x, y);
        }
    }
    std::fputs("0 0 0\n", f);
    std::fclose(f);
    return path;
}

// An Illustrator body as the graticule export writes it: one layer per
// 1000 points, "m" then "L" lines in PostScript points.
std::string writeIllustrator() {
    const std::string path = tempPath("in.ai");
    std::FILE* f = std::fopen(path.c_str(), "w");
    std::fputs("%!PS-Adobe-3.0\n%%BoundingBox: 0 0 5669 5669\n", f);
    const double perMetre = 1000.0 / kScale * 72.0 / 25.4;  // millimetres to points
    for (int r = 0; r < kRecords; ++r) {
        std::fputs("%AI5_BeginLayer\n1 1 0 1 0 0 0 79 128 255 Lb\n(10\\260 Linien) Ln\n", f);
        std::fputs("300 Ar\n1 XR\n[1 1 0 0] K\n[] 0 d\n", f);
        for (int k = 0; k < kPointsPerRecord; ++k) {
            double x = 0.0;
            double y = 0.0;
            pointAt(r * kPointsPerRecord + k, perMetre, x, y);
            std::fprintf(f, "%.4f %.4f %s\n", x, y, k == 0 ? "m" : "L");
        }
        std::fputs("S\nLB\n%AI5_EndLayer--\n", f);
    }
    std::fputs("%%EOF\n", f);
    std::fclose(f);
    return path;
}

template <class Run>
void runFile(benchmark::State& state, const std::string& source, const char* targetName,
             const transform::TransformSnapshot& s, Run transformFile) {
    const transform::FileTransformRequest request{s, source, tempPath(targetName)};
    for (auto _ : state) {
        bench::CountingFeedback feedback;
        const transform::FileTransformResult result = transformFile(request, feedback, {});
        if (result.status != transform::FileTransformStatus::Finished ||
            result.unmappedPoints != 0) {
            state.SkipWithError("run failed");
        }
        benchmark::DoNotOptimize(feedback.pumps);
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kRecords} * kPointsPerRecord);
    std::remove(request.targetPath.c_str());
}

void BM_MetafileDatumChange(benchmark::State& state) {
    const std::string source = writeMetafile();
    runFile(state, source, "out.met", snapshot("pixel", 10.0), transform::transformMetafile);
    std::remove(source.c_str());
}
BENCHMARK(BM_MetafileDatumChange)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IllustratorDatumChange(benchmark::State& state) {
    const std::string source = writeIllustrator();
    runFile(state, source, "out.ai", snapshot("mm", 10.0), transform::transformIllustratorFile);
    std::remove(source.c_str());
}
BENCHMARK(BM_IllustratorDatumChange)->Unit(benchmark::kMillisecond)->UseRealTime();

// The point transformation alone over the same points, for comparison:
// what the runs spend beyond it is reading, classification and writing.
void BM_PointsOnly(benchmark::State& state) {
    const transform::PointTransformer points(snapshot("pixel", 10.0));
    const double perMetre = 1000.0 / kScale * 10.0;
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < kRecords * kPointsPerRecord; ++i) {
            double x = 0.0;
            double y = 0.0;
            pointAt(i, perMetre, x, y);
            double r1 = 0.0;
            double r2 = 0.0;
            points.transform(x, y, r1, r2);
            sum += r1 + r2;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kRecords} * kPointsPerRecord);
}
BENCHMARK(BM_PointsOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
