// Writing a dense graticule (about one million points) in each format
// through the real writers into a file in /tmp, with the real message pump
// of an offscreen application in place; and the same points split into
// their parts: projection alone, formatting and writing alone, pumping alone.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "bench_feedback.h"
#include "geodesy/engine.h"
#include "geodesy/prepared_projection.h"
#include "geodesy/projection_names.h"
#include "graticule/generate.h"
#include "graticule/illustrator_writer.h"
#include "graticule/metafile_writer.h"
#include "graticule/stepping.h"
#include "graticule/text_writer.h"
#include "platform/run_frame.h"
#include "tests/support/bonne_record.h"

namespace {

using namespace graticule;

// S 0, N 50, W 0, E 100, spacing 1, both steps 0.01: 52 parallels of 10001
// points and 101 meridians of 5001 points, 1,025,153 points in all.
const GraticuleExtent kDense = {0.0, 50.0, 0.0, 100.0, 1.0, 0.01, 0.01};

// The pump of the application's run frame, without a dialog to lock.
class PumpingFeedback : public fileio::Feedback {
public:
    void started() override {}
    void setProgress(int) override {}
    void pump() override { platform::pumpMessages(); }
    void stopped() override {}
};

// Stands in for the projection: costs next to nothing.
class CheapProjector : public PointProjector {
public:
    void forward(double lat, double lon, double& x, double& y) const override {
        x = lon * 1234.5678 - 61728.39;
        y = lat * -2345.6789 + 58641.97;
    }
};

enum Format { kText, kMetafile, kIllustrator };

std::unique_ptr<GraticuleWriter> makeWriter(Format format, const std::string& path) {
    switch (format) {
        case kText:
            return std::make_unique<TextWriter>();
        case kMetafile:
            return std::make_unique<MetafileWriter>(ObjectKeys{});
        case kIllustrator:
            break;
    }
    return std::make_unique<IllustratorWriter>(path, 1.0, localTimeOf(std::time(nullptr)));
}

std::string targetPath(Format format) {
    static const char* const kSuffixes[] = {"txt", "met", "ai"};
    return "/tmp/bench_graticule_" + std::to_string(::getpid()) + "." + kSuffixes[format];
}

void report(benchmark::State& state, int64_t points) {
    state.counters["points/s"] =
        benchmark::Counter(double(points), benchmark::Counter::kIsIterationInvariantRate);
    // Seconds per point, shown with an SI prefix ("380n" is 380 ns).
    state.counters["s/point"] =
        benchmark::Counter(double(points), benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
}

void runWriters(benchmark::State& state, const PointProjector& projector,
                fileio::Feedback& feedback) {
    const Format format = static_cast<Format>(state.range(0));
    const std::string path = targetPath(format);
    int64_t points = 0;
    for (auto _ : state) {
        const std::unique_ptr<GraticuleWriter> writer = makeWriter(format, path);
        const GenerationResult result =
            generateGraticule(projector, {kDense, path}, *writer, feedback);
        if (result.status != GenerationStatus::Finished) state.SkipWithError("run failed");
        points = result.box.points;
    }
    std::remove(path.c_str());
    report(state, points);
}

// The whole run as the dialog makes it: engine, writer, file, pump.
void BM_Generate(benchmark::State& state) {
    const EngineProjector projector(test_records::bonne(1.0));
    PumpingFeedback feedback;
    runWriters(state, projector, feedback);
}
BENCHMARK(BM_Generate)
    ->Arg(kText)
    ->Arg(kMetafile)
    ->Arg(kIllustrator)
    ->Unit(benchmark::kMillisecond);

// The metafile with lines too long to be held until their count is known:
// one parallel of 1,000,001 points, counted in a pass of its own before it is
// written (compare s/point with BM_Generate/1, whose lines are held).
void BM_MetafileLongLine(benchmark::State& state) {
    const EngineProjector projector(test_records::bonne(1.0));
    PumpingFeedback feedback;
    const GraticuleExtent extent = {0.0, 0.0, 0.0, 100.0, 10.0, 0.0001, 1.0};
    const std::string path = targetPath(kMetafile);
    int64_t points = 0;
    for (auto _ : state) {
        MetafileWriter writer{ObjectKeys{}};
        const GenerationResult result =
            generateGraticule(projector, {extent, path}, writer, feedback);
        if (result.status != GenerationStatus::Finished) state.SkipWithError("run failed");
        points = result.box.points;
    }
    std::remove(path.c_str());
    report(state, points);
}
BENCHMARK(BM_MetafileLongLine)->Unit(benchmark::kMillisecond);

// Formatting and writing alone: a projection that costs nothing, no pump.
void BM_FormatAndWrite(benchmark::State& state) {
    const CheapProjector projector;
    bench::SilentFeedback feedback;
    runWriters(state, projector, feedback);
}
BENCHMARK(BM_FormatAndWrite)
    ->Arg(kText)
    ->Arg(kMetafile)
    ->Arg(kIllustrator)
    ->Unit(benchmark::kMillisecond);

// The projection of the same points alone.
void BM_ProjectionOnly(benchmark::State& state) {
    const geodesy::PreparedProjection projection(test_records::bonne(1.0));
    int64_t points = 0;
    for (auto _ : state) {
        points = 0;
        double sum = 0.0;
        auto project = [&](double lat, double lon) {
            double x, y;
            projection.forward(lat, lon, x, y);
            sum += x + y;
            ++points;
        };
        forEachStep(-90.0, 90.0, kDense.spacing, [&](double phi) {
            if (phi < kDense.south || phi > kDense.north) return;
            forEachStep(kDense.west, kDense.east, kDense.parallelStep,
                        [&](double lon) { project(phi, lon); });
        });
        forEachStep(-180.0, 180.0, kDense.spacing, [&](double lambda) {
            if (lambda < kDense.west || lambda > kDense.east) return;
            forEachStep(kDense.south, kDense.north, kDense.meridianStep,
                        [&](double lat) { project(lat, lambda); });
        });
        benchmark::DoNotOptimize(sum);
    }
    report(state, points);
}
BENCHMARK(BM_ProjectionOnly)->Unit(benchmark::kMillisecond);

// One pump call per point, as many as the dense graticule has points.
void BM_PumpOnly(benchmark::State& state) {
    constexpr int64_t kPoints = 1025153;
    for (auto _ : state) {
        for (int64_t i = 0; i < kPoints; ++i) platform::pumpMessages();
    }
    report(state, kPoints);
}
BENCHMARK(BM_PumpOnly)->Unit(benchmark::kMillisecond);

// For comparison: the text point line written with one fprintf per point.
void BM_TextViaFprintf(benchmark::State& state) {
    const std::string path = targetPath(kText);
    const CheapProjector projector;
    int64_t points = 0;
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        points = 0;
        forEachStep(kDense.west, kDense.east, kDense.parallelStep / 10.0, [&](double lon) {
            double x, y;
            projector.forward(25.0, lon, x, y);
            std::fprintf(file, "%.8lf\t%.8lf\t%.8lf\t%.8lf\n", 25.0, lon, x, y);
            ++points;
        });
        std::fclose(file);
    }
    std::remove(path.c_str());
    report(state, points);
}
BENCHMARK(BM_TextViaFprintf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The pump needs an application; no display is needed to measure it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
