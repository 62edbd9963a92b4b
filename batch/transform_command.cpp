// gitterwerk-batch transform and point: the transformation dialog's file run
// and its point transformation without the dialog, on the same snapshot.

#include <array>
#include <cmath>
#include <ostream>

#include "batch/console.h"
#include "batch/options.h"
#include "batch/progress.h"
#include "fileio/file_formats.h"
#include "fileio/file_texts.h"
#include "fileio/line_reader.h"
#include "fileio/number_format.h"
#include "transform/file_messages.h"
#include "transform/file_transform.h"
#include "transform/metafile_transform.h"
#include "transform/mode_rules.h"
#include "transform/modes.h"
#include "transform/point_transform.h"
#include "transform/same_file.h"
#include "transform/text_file_transform.h"

namespace batch {
namespace {

constexpr std::array<OptionRule, 10> kTransformOptions = {{
    {"projection1", 1},
    {"projection2", 1},
    {"projections", 1},
    {"coordinates", 1},
    {"angles", 1},
    {"format", 1},
    {"height", 1},
    {"in", 1},
    {"out", 1},
    {"yes", 0},
}};

constexpr std::array<OptionRule, 6> kPointOptions = {{
    {"projection1", 1},
    {"projection2", 1},
    {"projections", 1},
    {"coordinates", 1},
    {"angles", 1},
    {"height", 1},
}};

int refuse(Console& console, int status, const std::string& message) {
    console.err << message << '\n';
    return status;
}

// An option whose value must be one entry of a dialog list; the dialog's
// selection when it is not given.
template <size_t N>
std::string chooseEntry(const ParsedOptions& options, std::string_view name,
                        const std::array<std::string_view, N>& entries, std::string_view fallback,
                        std::string& value) {
    value = options.text(name, fallback);
    for (std::string_view entry : entries) {
        if (entry == value) return {};
    }
    std::string problem = "unbekannter Eintrag \"" + value + "\"; möglich sind";
    for (size_t i = 0; i < N; ++i) problem += (i ? ", \"" : " \"") + std::string(entries[i]) + "\"";
    return optionProblem(name, problem);
}

// The record of a side the mode does not use: the projection dialog's
// construction values after its first opening.
definition::DefinitionFile unusedSide() {
    definition::DefinitionFile side = definition::initialDefinition();
    definition::applyProjectionType(side.definition, side.definition.projectionName);
    side.params = definition::buildParams(side.definition, side.datum);
    return side;
}

// The modes, the height and both sides of a transformation. A side is read
// when its option is given; it is required unless the mode works within the
// other projection.
struct Setup {
    transform::TransformSnapshot snapshot;
    std::string fileFormat{fileio::kTextFormat};
};

Outcome readSetup(const ParsedOptions& options, const Console& console, bool withFormat,
                  Setup& setup) {
    transform::TransformSnapshot& s = setup.snapshot;
    for (std::string problem : {chooseEntry(options, "projections", transform::kProjectionModes,
                                            transform::kWithinProjection1, s.projectionMode),
                                chooseEntry(options, "coordinates", transform::kCoordinateModes,
                                            transform::kGeographicToCartesian, s.coordinateMode),
                                chooseEntry(options, "angles", transform::kAngleFormats,
                                            transform::kDecimalAngles, s.angleFormat)}) {
        if (!problem.empty()) return {kExitInput, problem};
    }
    if (withFormat) {
        std::array<std::string_view, 3> names{};
        for (size_t i = 0; i < names.size(); ++i) names[i] = fileio::kFileFormats[i].name;
        if (std::string problem =
                chooseEntry(options, "format", names, fileio::kTextFormat, setup.fileFormat);
            !problem.empty()) {
            return {kExitInput, problem};
        }
    }
    const transform::ModeSelection selection{s.projectionMode, s.coordinateMode, setup.fileFormat};
    if (!transform::isReachable(selection)) {
        return {kExitInput, "Die Kombination \"" + s.projectionMode + "\", \"" + s.coordinateMode +
                                "\"" +
                                (withFormat ? ", \"" + setup.fileFormat + "\"" : std::string()) +
                                " ist im Transformationsdialog nicht möglich"};
    }
    if (options.has("height") && !parseDecimal(options.text("height"), s.sourceHeight)) {
        return {kExitInput, optionProblem("height", "Bitte geben Sie eine Zahl ein.")};
    }
    const std::array<std::string_view, 2> sideOptions = {"projection1", "projection2"};
    const std::array<std::string_view, 2> modeWithoutSide = {transform::kWithinProjection2,
                                                             transform::kWithinProjection1};
    const std::array<const char*, 2> missing = {"Sie haben keine Projektion 1 ausgewählt !",
                                                "Sie haben keine Projektion 2 ausgewählt !"};
    for (size_t side = 0; side < 2; ++side) {
        definition::DefinitionFile definition = unusedSide();
        if (options.has(sideOptions[side])) {
            Outcome read = readDefinition(options.text(sideOptions[side]), console, definition);
            if (read.status != kExitOk) return read;
        } else if (s.projectionMode != modeWithoutSide[side]) {
            return {kExitInput, optionProblem(sideOptions[side], missing[side])};
        }
        (side == 0 ? s.projection1 : s.projection2) = definition.params;
        (side == 0 ? s.units1 : s.units2) = definition.definition.units;
    }
    return {};
}

// Standard input can be read once: by one definition, the source or the
// point pairs.
bool readsInputTwice(const ParsedOptions& options, bool pairsFromInput) {
    int readers = pairsFromInput ? 1 : 0;
    for (std::string_view name : {"projection1", "projection2", "in"}) {
        if (options.has(name) && isStandardStream(options.text(name))) ++readers;
    }
    return readers > 1;
}

constexpr const char* kInputTwice = "Die Standardeingabe (\"-\") kann nur einmal gelesen werden";

// The eight-decimal result pair, or an empty line for a pair without a
// finite value.
void appendResult(std::string& out, double r1, double r2) {
    if (std::isfinite(r1) && std::isfinite(r2)) {
        char buffer[2 * fileio::kMaxFixedChars + 2];
        char* end = fileio::formatFixed(buffer, r1, 8);
        *end++ = '\t';
        end = fileio::formatFixed(end, r2, 8);
        out.append(buffer, end);
    }
    out.push_back('\n');
}

}  // namespace

int runTransform(std::span<const std::string> args, Console& console) {
    ParsedOptions options;
    if (std::string problem = parseOptions(args, kTransformOptions, options); !problem.empty()) {
        return refuse(console, kExitInput, problem);
    }
    if (!options.positional().empty()) {
        return refuse(console, kExitInput,
                      "Unerwartetes Argument \"" + options.positional().front() + "\"");
    }
    if (readsInputTwice(options, false)) return refuse(console, kExitInput, kInputTwice);
    Setup setup;
    if (Outcome read = readSetup(options, console, true, setup); read.status != kExitOk) {
        return refuse(console, read.status, read.message);
    }
    if (!options.has("in")) {
        return refuse(console, kExitInput,
                      optionProblem("in", "Sie haben keine Quelldatei ausgewählt !"));
    }
    if (!options.has("out")) {
        return refuse(console, kExitInput,
                      optionProblem("out", "Sie haben keine Zieldatei ausgewählt !"));
    }
    const std::string in = options.text("in");
    const std::string out = options.text("out");
    if (!isStandardStream(in) && !isStandardStream(out) && transform::isSameFile(in, out)) {
        return refuse(console, kExitInput,
                      optionProblem("out", "Quell- und Zieldatei identisch !"));
    }
    const fileio::FileFormat& format = *fileio::findFileFormat(setup.fileFormat);
    if (format.kind == fileio::FileFormatKind::Metafile && !options.has("yes")) {
        const std::vector<std::string> questions = transform::metafileUnitQuestions(setup.snapshot);
        if (!questions.empty()) {
            return refuse(console, kExitInput, questions.front() + "\n(mit --yes beantworten)");
        }
    }

    const transform::FileTransformRequest request{setup.snapshot, in, out};
    transform::FileRunOptions runOptions;
    if (isStandardStream(in)) runOptions.sourceDescriptor = console.inputFd;
    TerminalProgress progress(stderr, console.progress);
    const transform::FileTransformResult result =
        transform::transformFile(format.kind, request, progress, runOptions);
    const transform::FileMessage message =
        transform::fileTransformMessage(request, result, format.kind);
    if (message.icon == transform::FileMessageIcon::Error) {
        return refuse(console, kExitFile, message.text);
    }
    (isStandardStream(out) ? console.err : console.out) << message.text << '\n';
    return kExitOk;
}

int runPoint(std::span<const std::string> args, Console& console) {
    ParsedOptions options;
    if (std::string problem = parseOptions(args, kPointOptions, options); !problem.empty()) {
        return refuse(console, kExitInput, problem);
    }
    const std::vector<std::string>& pair = options.positional();
    if (pair.size() != 0 && pair.size() != 2) {
        return refuse(console, kExitInput,
                      "Ein Koordinatenpaar (zwei Zahlen) oder keines erwartet");
    }
    double a = 0.0;
    double b = 0.0;
    for (size_t i = 0; i < pair.size(); ++i) {
        if (!parseDecimal(pair[i], i == 0 ? a : b)) {
            return refuse(console, kExitInput,
                          optionProblem(i == 0 ? "A" : "B", "Bitte geben Sie eine Zahl ein."));
        }
    }
    if (readsInputTwice(options, pair.empty())) return refuse(console, kExitInput, kInputTwice);
    Setup setup;
    if (Outcome read = readSetup(options, console, false, setup); read.status != kExitOk) {
        return refuse(console, read.status, read.message);
    }
    const transform::PointTransformer transformer(setup.snapshot);
    std::string text;
    double r1 = 0.0;
    double r2 = 0.0;
    if (pair.size() == 2) {
        transformer.transform(a, b, r1, r2);
        appendResult(text, r1, r2);
        console.out << text;
        return kExitOk;
    }
    // One result line per input line, by the text-file reader's rules.
    fileio::LineReader reader;
    reader.openDescriptor(console.inputFd);
    reader.skipByteOrderMark();
    std::string_view line;
    while (reader.readLine(line)) {
        if (transform::readCoordinatePair(line, a, b)) {
            transformer.transform(a, b, r1, r2);
            appendResult(text, r1, r2);
        } else {
            text.push_back('\n');
        }
        if (text.size() >= (1u << 16)) {
            console.out << text;
            text.clear();
        }
    }
    console.out << text;
    if (reader.failed()) return refuse(console, kExitFile, fileio::readErrorText("-"));
    console.out.flush();
    return console.out ? kExitOk : refuse(console, kExitFile, fileio::writeErrorText("-"));
}

}  // namespace batch
