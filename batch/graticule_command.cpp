// gitterwerk-batch graticule: the graticule dialog's "Speichern" without the
// dialog. The same checks in the same order, the same writer and run.

#include <array>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <ostream>
#include <sstream>

#include "batch/console.h"
#include "batch/options.h"
#include "batch/progress.h"
#include "fileio/file_formats.h"
#include "fileio/file_texts.h"
#include "geodesy/engine.h"
#include "graticule/generate.h"
#include "graticule/illustrator_writer.h"
#include "graticule/point_estimate.h"
#include "graticule/run_setup.h"

namespace batch {
namespace {

constexpr std::array<OptionRule, 12> kOptions = {{
    {"projection", 1},
    {"format", 1},
    {"out", 1},
    {"south", 1},
    {"north", 1},
    {"west", 1},
    {"east", 1},
    {"spacing", 1},
    {"parallel-step", 1},
    {"meridian-step", 1},
    {"keys", 1},
    {"yes", 0},
}};

// The option of each extent field, in the fields' order.
constexpr std::array<std::string_view, 7> kExtentOptions = {
    "south", "north", "west", "east", "spacing", "parallel-step", "meridian-step"};

double graticule::GraticuleExtent::*const kExtentMembers[7] = {
    &graticule::GraticuleExtent::south,        &graticule::GraticuleExtent::north,
    &graticule::GraticuleExtent::west,         &graticule::GraticuleExtent::east,
    &graticule::GraticuleExtent::spacing,      &graticule::GraticuleExtent::parallelStep,
    &graticule::GraticuleExtent::meridianStep,
};

int refuse(Console& console, int status, const std::string& message) {
    console.err << message << '\n';
    return status;
}

// "K10,K5,K2,K1,K30,KC,KO": the seven object keys of the metafile settings.
std::string parseKeys(const std::string& text, graticule::ObjectKeys& keys) {
    int32_t* const targets[7] = {&keys.key10, &keys.key5,       &keys.key2,    &keys.key1,
                                 &keys.key30, &keys.keyCircles, &keys.keyOther};
    std::stringstream list(text);
    std::string item;
    int count = 0;
    while (std::getline(list, item, ',')) {
        int value = 0;
        if (count == 7 || !parseWhole(item, value)) {
            return "sieben ganze Zahlen mit Kommas getrennt erwartet";
        }
        if (std::string problem = graticule::checkObjectKey(value); !problem.empty()) {
            return problem;
        }
        *targets[count++] = value;
    }
    return count == 7 ? std::string() : "sieben ganze Zahlen mit Kommas getrennt erwartet";
}

// The Illustrator header's creation date: SOURCE_DATE_EPOCH (in UTC) when it
// is set, for reproducible files; otherwise the local time.
std::tm creationTime() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch) {
        char* end = nullptr;
        const long long seconds = std::strtoll(epoch, &end, 10);
        if (end != nullptr && *end == '\0') {
            const std::time_t t = static_cast<std::time_t>(seconds);
            std::tm utc{};
            gmtime_r(&t, &utc);
            return utc;
        }
    }
    return graticule::localTimeOf(std::time(nullptr));
}

}  // namespace

int runGraticule(std::span<const std::string> args, Console& console) {
    ParsedOptions options;
    if (std::string problem = parseOptions(args, kOptions, options); !problem.empty()) {
        return refuse(console, kExitInput, problem);
    }
    if (!options.positional().empty()) {
        return refuse(console, kExitInput,
                      "Unerwartetes Argument \"" + options.positional().front() + "\"");
    }
    if (!options.has("projection")) {
        return refuse(console, kExitInput,
                      optionProblem("projection", "Sie haben keine Projektion ausgewählt !"));
    }
    if (!options.has("out")) {
        return refuse(console, kExitInput,
                      optionProblem("out", "Sie haben keine Zieldatei ausgewählt !"));
    }
    const std::string format = options.text("format", fileio::kIllustratorFormat);
    if (fileio::findFileFormat(format) == nullptr) {
        return refuse(console, kExitInput,
                      optionProblem("format", "unbekanntes Format \"" + format + "\""));
    }
    graticule::GraticuleExtent extent;
    for (size_t i = 0; i < kExtentOptions.size(); ++i) {
        if (!options.has(kExtentOptions[i])) continue;
        if (!parseDecimal(options.text(kExtentOptions[i]), extent.*kExtentMembers[i])) {
            return refuse(console, kExitInput,
                          optionProblem(kExtentOptions[i], "Bitte geben Sie eine Zahl ein."));
        }
    }
    graticule::ObjectKeys keys;
    if (options.has("keys")) {
        if (std::string problem = parseKeys(options.text("keys"), keys); !problem.empty()) {
            return refuse(console, kExitInput, optionProblem("keys", problem));
        }
    }

    definition::DefinitionFile projection;
    const std::string projectionPath = options.text("projection");
    if (Outcome read = readDefinition(projectionPath, console, projection); read.status) {
        return refuse(console, read.status, read.message);
    }
    const graticule::ExtentProblem extentProblem = graticule::checkWholeExtent(extent);
    if (!extentProblem.message.empty()) {
        const std::string_view option = kExtentOptions[static_cast<size_t>(extentProblem.field)];
        return refuse(console, kExitInput, optionProblem(option, extentProblem.message));
    }
    const graticule::PointEstimate estimate = graticule::estimatePoints(extent, format);
    if (const graticule::ExtentProblem problem = graticule::lineLimitProblem(estimate, format);
        !problem.message.empty()) {
        const std::string_view option = kExtentOptions[static_cast<size_t>(problem.field)];
        return refuse(console, kExitInput, optionProblem(option, problem.message));
    }
    const bool yes = options.has("yes");
    if (std::string question = graticule::largeRunQuestion(estimate); !question.empty() && !yes) {
        return refuse(console, kExitInput, question + "\n(mit --yes beantworten)");
    }
    const definition::ProjectionDefinition& d = projection.definition;
    if (graticule::needsUnitQuestion(format, d.units) && !yes) {
        return refuse(console, kExitInput,
                      std::string(graticule::kUnitsQuestion) + "\n(mit --yes beantworten)");
    }

    const std::string out = options.text("out");
    const bool toStdout = isStandardStream(out);
    const std::unique_ptr<graticule::GraticuleWriter> writer = graticule::makeWriter(
        format, keys, out, geodesy::unitMillimetres(d.units, d.resolution), creationTime());
    TerminalProgress progress(stderr, console.progress);
    const graticule::GenerationResult result =
        graticule::generateGraticule(projection.params, {extent, out}, *writer, progress);
    switch (result.status) {
        case graticule::GenerationStatus::Finished:
            (toStdout ? console.err : console.out)
                << graticule::summaryText(out, result.box, d.units) << '\n';
            return kExitOk;
        case graticule::GenerationStatus::InvalidInput:
            return refuse(console, kExitInput, result.problem.message);
        case graticule::GenerationStatus::OpenFailed:
        case graticule::GenerationStatus::WriteFailed:
            break;
    }
    return refuse(console, kExitFile, fileio::writeErrorText(out));
}

}  // namespace batch
