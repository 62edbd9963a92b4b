// Transforming a text file of one million coordinate lines through the run
// frame of the file transformations (open, read, parse, transform, format,
// write, progress and pump through a counting Feedback), for a projection
// within one sphere type and for a datum change between two strip systems;
// and the same work split into its parts: reading lines, splitting and
// reading numbers, the point transformation, formatting, the feedback calls.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench_feedback.h"
#include "fileio/line_reader.h"
#include "fileio/number_format.h"
#include "fileio/number_reader.h"
#include "geodesy/catalogues.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "transform/file_run.h"
#include "transform/modes.h"
#include "transform/point_transform.h"
#include "transform/text_file_transform.h"

namespace {

using namespace transform;

constexpr int kLines = 1'000'000;

geodesy::ProjectionParams sphereType(std::string_view type) {
    geodesy::ProjectionParams p;
    p.projectionName = std::string(type);
    p.scaleDenominator = 1'000'000.0;
    p.sphereRadius = 6371000.0;
    p.mainPointLat = 50.0;
    p.mainPointLon = 10.0;
    p.delta1 = 35.0;
    p.delta2 = 45.0;
    p.unitMillimetres = 1.0;
    p.datum = geodesy::lookupDatum("ED50");
    p.refPointLat = 50.0;
    p.refPointLon = 10.0;
    return geodesy::updateOffsets(p);
}

geodesy::ProjectionParams stripSystem(std::string_view type, int strip, double falseEasting,
                                      const char* datum) {
    geodesy::ProjectionParams p;
    p.projectionName = std::string(type);
    p.scaleDenominator = 1.0;
    p.unitMillimetres = 1000.0;
    p.sphereRadius = 6371000.0;
    p.datum = geodesy::lookupDatum(datum);
    p.stripNumber = strip;
    p.refPointLon = geodesy::stripCentralMeridian(strip, p.projectionName);
    p.refPointX = falseEasting;
    return geodesy::updateOffsets(p);
}

TransformSnapshot snapshot(geodesy::ProjectionParams p1, geodesy::ProjectionParams p2,
                           std::string_view projectionMode, std::string_view coordinateMode) {
    TransformSnapshot s;
    s.projection1 = std::move(p1);
    s.projection2 = std::move(p2);
    s.projectionMode = std::string(projectionMode);
    s.coordinateMode = std::string(coordinateMode);
    s.angleFormat = std::string(kDecimalAngles);
    s.sourceHeight = 400.0;
    return s;
}

// Geographic pairs with six decimals in central Europe.
const TransformSnapshot& projectionOnly() {
    static const TransformSnapshot s =
        snapshot(sphereType(geodesy::kConicConformal), sphereType(geodesy::kConicConformal),
                 kWithinProjection1, kGeographicToCartesian);
    return s;
}

// Gauß-Krüger strip 4 on DHDN to UTM zone 32 on WGS 84, metres with two decimals.
const TransformSnapshot& datumChange() {
    static const TransformSnapshot s = snapshot(
        stripSystem(geodesy::kGaussKruegerGermany, 4, 4'500'000.0, "DHDN (Potsdam / Rauenberg)"),
        stripSystem(geodesy::kUtm, 32, 500'000.0, "WGS 84 (ECEF)"), kProjection1To2,
        kCartesianToCartesian);
    return s;
}

std::string writeSource(const char* name, bool geographic) {
    const std::string path = "/tmp/bench_transform_" + std::to_string(::getpid()) + "_" + name;
    std::FILE* f = std::fopen(path.c_str(), "w");
    std::mt19937 random(7);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int i = 0; i < kLines; ++i) {
        if (geographic) {
            std::fprintf(f, "%.6f\t%.6f\n", 47.0 + 8.0 * u(random), 6.0 + 9.0 * u(random));
        } else {
            std::fprintf(f, "%.2f %.2f\n", 4'400'000.0 + 200'000.0 * u(random),
                         5'300'000.0 + 250'000.0 * u(random));
        }
    }
    std::fclose(f);
    return path;
}

struct Sources {
    std::string geographic = writeSource("geographic.txt", true);
    std::string cartesian = writeSource("cartesian.txt", false);
    ~Sources() {
        std::remove(geographic.c_str());
        std::remove(cartesian.c_str());
    }
};

const Sources& sources() {
    static const Sources s;
    return s;
}

void runWhole(benchmark::State& state, const TransformSnapshot& s, const std::string& source) {
    const std::string target = source + ".out";
    const FileTransformRequest request{s, source, target};
    for (auto _ : state) {
        bench::CountingFeedback feedback;
        const FileTransformResult result = transformTextFile(request, feedback);
        if (result.status != FileTransformStatus::Finished || feedback.pumps != kLines) {
            state.SkipWithError("run failed");
        }
    }
    std::remove(target.c_str());
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_TextFileProjectionOnly(benchmark::State& state) {
    runWhole(state, projectionOnly(), sources().geographic);
}
void BM_TextFileDatumChange(benchmark::State& state) {
    runWhole(state, datumChange(), sources().cartesian);
}

// ---- The parts ----------------------------------------------------------------------

void BM_ReadLines(benchmark::State& state) {
    for (auto _ : state) {
        fileio::LineReader reader;
        reader.open(sources().cartesian);
        std::string_view line;
        std::size_t bytes = 0;
        while (reader.readLine(line)) bytes += line.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

// Lines in memory: splitting and reading the two numbers.
std::vector<std::string> memoryLines(const std::string& path) {
    std::vector<std::string> lines;
    fileio::LineReader reader;
    reader.open(path);
    std::string_view line;
    while (reader.readLine(line)) lines.emplace_back(line);
    return lines;
}

void BM_SplitAndReadNumbers(benchmark::State& state) {
    static const std::vector<std::string> lines = memoryLines(sources().cartesian);
    constexpr fileio::DelimiterSet kDelimiters(fileio::kFieldDelimiters);
    for (auto _ : state) {
        double sum = 0.0;
        for (const std::string& line : lines) {
            std::string_view fields[2];
            fileio::splitFields(line, kDelimiters, fields, 2);
            if (fileio::startsWithNumber(fields[0]) && fileio::startsWithNumber(fields[1])) {
                sum += fileio::readNumber(fields[0]) + fileio::readNumber(fields[1]);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

std::vector<double> memoryPairs(const std::string& path) {
    std::vector<double> pairs;
    for (const std::string& line : memoryLines(path)) {
        pairs.push_back(fileio::readNumber(fileio::getField(0, fileio::kFieldDelimiters, line)));
        pairs.push_back(fileio::readNumber(fileio::getField(1, fileio::kFieldDelimiters, line)));
    }
    return pairs;
}

void runPoints(benchmark::State& state, const TransformSnapshot& s, const std::string& source) {
    const std::vector<double> pairs = memoryPairs(source);
    const PointTransformer points(s);
    for (auto _ : state) {
        double sum = 0.0;
        for (std::size_t i = 0; i < pairs.size(); i += 2) {
            double r1, r2;
            points.transform(pairs[i], pairs[i + 1], r1, r2);
            sum += r1 + r2;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_PointsProjectionOnly(benchmark::State& state) {
    runPoints(state, projectionOnly(), sources().geographic);
}
void BM_PointsDatumChange(benchmark::State& state) {
    runPoints(state, datumChange(), sources().cartesian);
}

// The datum chain alone, both legs.
void BM_DatumChainOnly(benchmark::State& state) {
    const DatumChain chain(datumChange().projection1.datum, datumChange().projection2.datum);
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < kLines; ++i) {
            const GeoPoint p = chain.apply({47.0 + i * 1e-6, 9.0 + i * 2e-6, 400.0});
            sum += p.lat + p.lon;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

// Four values with eight decimals and their separators, as a target line.
void BM_FormatLines(benchmark::State& state) {
    std::vector<char> buffer(4 * (fileio::kMaxFixedChars + 1));
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int i = 0; i < kLines; ++i) {
            const double v = 4'400'000.0 + i * 0.37;
            char* out = buffer.data();
            for (int k = 0; k < 4; ++k) {
                out = fileio::formatFixed(out, v + k, 8);
                *out++ = k < 3 ? '\t' : '\n';
            }
            bytes += static_cast<std::size_t>(out - buffer.data());
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

// One progress position and one pump per line through the interface.
void BM_FeedbackCalls(benchmark::State& state) {
    bench::CountingFeedback counting;
    fileio::Feedback& feedback = counting;
    for (auto _ : state) {
        for (int i = 0; i < kLines; ++i) {
            feedback.setProgress(
                progressPosition(static_cast<std::uint64_t>(i) * 37, std::uint64_t{kLines} * 37));
            feedback.pump();
        }
        benchmark::DoNotOptimize(counting.pumps);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

BENCHMARK(BM_TextFileProjectionOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TextFileDatumChange)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitAndReadNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointsProjectionOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointsDatumChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatumChainOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FeedbackCalls)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
