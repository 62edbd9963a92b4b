// The command line against the core operations it calls: a graticule of
// about one million points and the transformation of a text file of one
// million lines, each once through gitterwerk-batch's subcommand (options,
// definition files, checks, the run) and once as a direct call of the core
// operation with the same request, as the dialogs make it. The difference is
// what the command line adds; it should be a constant, not a cost per point.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch/console.h"
#include "bench_feedback.h"
#include "definition/definition_file.h"
#include "geodesy/engine.h"
#include "graticule/generate.h"
#include "graticule/illustrator_writer.h"
#include "graticule/run_setup.h"
#include "transform/modes.h"
#include "transform/text_file_transform.h"

namespace {

constexpr const char* kUtm32 = "projectionName = UTM\nstripNumber = 32\ndatum = ED50\n";
constexpr const char* kGk3 =
    "projectionName = Gauß-Krüger (Deutschland)\nstripNumber = 3\n"
    "datum = DHDN (Potsdam / Rauenberg)\n";

// S 0, N 50, W 0, E 100, spacing 1, both steps 0.01: 1,025,153 points.
const graticule::GraticuleExtent kDense = {0.0, 50.0, 0.0, 100.0, 1.0, 0.01, 0.01};
constexpr double kDensePoints = 1025153.0;
constexpr int kLines = 1000000;

std::string dir() {
    static const std::string d = [] {
        std::string p = "/tmp/gitterwerk-bench-batch-" + std::to_string(::getpid());
        ::mkdir(p.c_str(), 0700);
        // The files of the runs go when the benchmark ends.
        std::atexit([] {
            std::filesystem::remove_all("/tmp/gitterwerk-bench-batch-" +
                                        std::to_string(::getpid()));
        });
        std::ofstream(p + "/utm32.gwp") << kUtm32;
        std::ofstream(p + "/gk3.gwp") << kGk3;
        // One million geographic pairs inside Germany.
        std::ofstream in(p + "/in.txt");
        for (int i = 0; i < kLines; ++i) {
            in << 47.0 + (i % 8000) * 0.001 << ' ' << 6.0 + (i / 8000) * 0.07 << '\n';
        }
        return p;
    }();
    return d;
}

definition::DefinitionFile definitionOf(const char* text) {
    definition::DefinitionFile file;
    definition::parseDefinitionText(text, "x", file);
    return file;
}

int runBatch(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    batch::Console console{out, err, STDIN_FILENO, false};
    return batch::runBatch(args, console);
}

void BM_GraticuleCore(benchmark::State& state) {
    const definition::DefinitionFile d = definitionOf(kUtm32);
    const std::string out = dir() + "/core.txt";
    for (auto _ : state) {
        const auto writer =
            graticule::makeWriter("Textdatei", {}, out, 1000.0, graticule::localTimeOf(0));
        bench::SilentFeedback feedback;
        graticule::generateGraticule(d.params, {kDense, out}, *writer, feedback);
    }
    state.counters["points/s"] =
        benchmark::Counter(kDensePoints, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_GraticuleBatch(benchmark::State& state) {
    const std::vector<std::string> args = {"graticule",
                                           "--projection",
                                           dir() + "/utm32.gwp",
                                           "--format",
                                           "Textdatei",
                                           "--south",
                                           "0",
                                           "--north",
                                           "50",
                                           "--west",
                                           "0",
                                           "--east",
                                           "100",
                                           "--spacing",
                                           "1",
                                           "--parallel-step",
                                           "0.01",
                                           "--meridian-step",
                                           "0.01",
                                           "--out",
                                           dir() + "/batch.txt"};
    for (auto _ : state) {
        if (runBatch(args) != 0) state.SkipWithError("run failed");
    }
    state.counters["points/s"] =
        benchmark::Counter(kDensePoints, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_TransformCore(benchmark::State& state) {
    transform::FileTransformRequest request;
    request.snapshot.projection1 = definitionOf(kUtm32).params;
    request.snapshot.projection2 = definitionOf(kGk3).params;
    request.snapshot.projectionMode = transform::kProjection1To2;
    request.snapshot.coordinateMode = transform::kGeographicToCartesian;
    request.snapshot.angleFormat = transform::kDecimalAngles;
    request.snapshot.units1 = request.snapshot.units2 = "m ";
    request.sourcePath = dir() + "/in.txt";
    request.targetPath = dir() + "/core.out";
    for (auto _ : state) {
        bench::SilentFeedback feedback;
        transform::transformTextFile(request, feedback);
    }
    state.counters["lines/s"] =
        benchmark::Counter(kLines, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_TransformBatch(benchmark::State& state) {
    const std::vector<std::string> args = {"transform",
                                           "--projection1",
                                           dir() + "/utm32.gwp",
                                           "--projection2",
                                           dir() + "/gk3.gwp",
                                           "--projections",
                                           "Projektion 1 --> Projektion 2",
                                           "--coordinates",
                                           "geographisch --> kartesisch",
                                           "--in",
                                           dir() + "/in.txt",
                                           "--out",
                                           dir() + "/batch.out"};
    for (auto _ : state) {
        if (runBatch(args) != 0) state.SkipWithError("run failed");
    }
    state.counters["lines/s"] =
        benchmark::Counter(kLines, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_GraticuleCore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GraticuleBatch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TransformCore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TransformBatch)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
