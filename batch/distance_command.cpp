// gitterwerk-batch distance: what the distance dialog shows for two places.

#include <array>
#include <ostream>

#include "batch/console.h"
#include "batch/options.h"
#include "definition/field_checks.h"
#include "distance/distance_calculation.h"
#include "fileio/field_number.h"

namespace batch {
namespace {

constexpr std::array<OptionRule, 4> kOptions = {{
    {"radius", 1},
    {"declination", 2},
    {"full-circle", 0},
    {"with-declination", 0},
}};

struct Input {
    std::string_view name;
    std::string (*check)(double);
};

}  // namespace

int runDistance(std::span<const std::string> args, Console& console) {
    ParsedOptions options;
    if (std::string problem = parseOptions(args, kOptions, options); !problem.empty()) {
        console.err << problem << '\n';
        return kExitInput;
    }
    const std::vector<std::string>& places = options.positional();
    if (places.size() != 4) {
        console.err << "Vier Zahlen erwartet: LAT1 LON1 LAT2 LON2\n";
        return kExitInput;
    }
    distance::DistanceInputs inputs;
    inputs.earthRadius = 6371.0;
    inputs.fullCircle = options.has("full-circle");
    inputs.withDeclination = options.has("with-declination");
    // The seven fields of the dialog, each with its check, in the dialog's order.
    const std::array<Input, 7> fields = {{
        {"LAT1", definition::checkLatitude},
        {"LON1", definition::checkLongitude},
        {"LAT2", definition::checkLatitude},
        {"LON2", definition::checkLongitude},
        {"declination", distance::checkDeclination},
        {"declination", distance::checkDeclination},
        {"radius", definition::checkPositive},
    }};
    double* const targets[7] = {&inputs.place1Lat,  &inputs.place1Lon,    &inputs.place2Lat,
                                &inputs.place2Lon,  &inputs.declination1, &inputs.declination2,
                                &inputs.earthRadius};
    std::array<std::string, 7> texts = {places[0], places[1], places[2], places[3]};
    if (options.has("declination")) {
        texts[4] = options.values("declination")[0];
        texts[5] = options.values("declination")[1];
    }
    texts[6] = options.text("radius");
    for (size_t i = 0; i < fields.size(); ++i) {
        if (texts[i].empty() && i >= 4) continue;  // the dialog's value stays
        std::string problem;
        if (!parseDecimal(texts[i], *targets[i])) {
            problem = "Bitte geben Sie eine Zahl ein.";
        } else {
            problem = fields[i].check(*targets[i]);
        }
        if (!problem.empty()) {
            console.err << optionProblem(fields[i].name, problem) << '\n';
            return kExitInput;
        }
    }
    const distance::DistanceResults r = distance::computeDistanceAndBearings(inputs);
    console.out << "Entfernung der Standorte\t" << fileio::formatNumberField(r.distance) << " km\n"
                << "Abflugwinkel am Standort 1\t" << fileio::formatNumberField(r.bearing1) << " °\n"
                << "Abflugwinkel am Standort 2\t" << fileio::formatNumberField(r.bearing2) << " °\n"
                << "Loxodrom\t" << fileio::formatNumberField(r.rhumbCourse) << " °\n"
                << r.angleNote << '\n';
    return kExitOk;
}

}  // namespace batch
