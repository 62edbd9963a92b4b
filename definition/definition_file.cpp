#include "definition/definition_file.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "definition/datum_rules.h"
#include "definition/record_checks.h"
#include "fileio/field_number.h"
#include "geodesy/catalogues.h"
#include "geodesy/projection_names.h"

namespace definition {
namespace {

using geodesy::DatumParams;

// The numeric fields of the projection dialog, each with its key, its member
// and the update its focus-loss handler makes after a passed check.
struct NumberKey {
    std::string_view key;
    Field field;
    double ProjectionDefinition::*member;
    void (*changed)(ProjectionDefinition&);
};

// The numeric fields of the datum dialog.
struct DatumNumberKey {
    std::string_view key;
    DatumField field;
    double DatumParams::*member;
};

constexpr std::string_view kProjectionName = "projectionName";
constexpr std::string_view kStripNumber = "stripNumber";
constexpr std::string_view kNatural = "natural";
constexpr std::string_view kUnits = "units";
constexpr std::string_view kDatum = "datum";
constexpr std::string_view kEllipsoid = "ellipsoid";

// clang-format off
// Before the datum button in tab order.
constexpr NumberKey kRadiusKey{"sphereRadius", Field::Radius, &ProjectionDefinition::radius, nullptr};
// Between the datum button and the strip number.
constexpr std::array<NumberKey, 4> kMainPointKeys = {{
    {"mainPointLat", Field::MainLat, &ProjectionDefinition::mainLat, nullptr},
    {"mainPointLon", Field::MainLon, &ProjectionDefinition::mainLon, mainLonChanged},
    {"delta1",       Field::Delta1,  &ProjectionDefinition::delta1,  nullptr},
    {"delta2",       Field::Delta2,  &ProjectionDefinition::delta2,  nullptr},
}};
constexpr NumberKey kCentralMeridianKey{"centralMeridian", Field::CentralMeridian,
                                        &ProjectionDefinition::centralMeridian,
                                        centralMeridianChanged};
// After the unit list.
constexpr std::array<NumberKey, 7> kCalibrationKeys = {{
    {"resolution",       Field::Resolution, &ProjectionDefinition::resolution, nullptr},
    {"scaleDenominator", Field::Scale,      &ProjectionDefinition::scale,      nullptr},
    {"refPointLat",      Field::RefLat,     &ProjectionDefinition::refLat,     nullptr},
    {"refPointLon",      Field::RefLon,     &ProjectionDefinition::refLon,     nullptr},
    {"refPointX",        Field::RefX,       &ProjectionDefinition::refX,       nullptr},
    {"refPointY",        Field::RefY,       &ProjectionDefinition::refY,       nullptr},
    {"rotationAngle",    Field::Rotation,   &ProjectionDefinition::rotation,   nullptr},
}};
// After the two lists of the datum dialog.
constexpr std::array<DatumNumberKey, 9> kDatumNumberKeys = {{
    {"semiMajorAxis",   DatumField::SemiMajorAxis,   &DatumParams::semiMajorAxis},
    {"semiMinorAxis",   DatumField::SemiMinorAxis,   &DatumParams::semiMinorAxis},
    {"shiftX",          DatumField::ShiftX,          &DatumParams::shiftX},
    {"shiftY",          DatumField::ShiftY,          &DatumParams::shiftY},
    {"shiftZ",          DatumField::ShiftZ,          &DatumParams::shiftZ},
    {"rotationOmega",   DatumField::RotationOmega,   &DatumParams::rotationOmega},
    {"rotationPsi",     DatumField::RotationPsi,     &DatumParams::rotationPsi},
    {"rotationEpsilon", DatumField::RotationEpsilon, &DatumParams::rotationEpsilon},
    {"scaleCorrection", DatumField::ScaleCorrection, &DatumParams::scaleCorrection},
}};
// clang-format on

// Every key, in tab order: the projection list, the radius, the datum
// dialog's fields, the main point to the central meridian, the natural box,
// the unit list and the calibration.
std::vector<std::string_view> allKeys() {
    std::vector<std::string_view> keys{kProjectionName, kRadiusKey.key, kDatum, kEllipsoid};
    for (const DatumNumberKey& k : kDatumNumberKeys) keys.push_back(k.key);
    for (const NumberKey& k : kMainPointKeys) keys.push_back(k.key);
    keys.insert(keys.end(), {kStripNumber, kCentralMeridianKey.key, kNatural, kUnits});
    for (const NumberKey& k : kCalibrationKeys) keys.push_back(k.key);
    return keys;
}

// The key of a projection dialog field, for the line of a refusal at OK.
std::string_view keyOfField(Field field) {
    for (const NumberKey* k : {&kRadiusKey, &kCentralMeridianKey}) {
        if (k->field == field) return k->key;
    }
    for (const NumberKey& k : kMainPointKeys) {
        if (k.field == field) return k.key;
    }
    for (const NumberKey& k : kCalibrationKeys) {
        if (k.field == field) return k.key;
    }
    if (field == Field::Strip) return kStripNumber;
    if (field == Field::Units) return kUnits;
    return kProjectionName;
}

std::string_view keyOfDatumField(DatumField field) {
    for (const DatumNumberKey& k : kDatumNumberKeys) {
        if (k.field == field) return k.key;
    }
    return field == DatumField::EllipsoidList ? kEllipsoid : kDatum;
}

std::string_view trim(std::string_view s) {
    const std::string_view blanks = " \t";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result.append(text).push_back('"');
    return result;
}

// A number as the dialog's fields take it, the whole text: the blanks around
// a value are already cut off at its line (spaces and tabs only), only the
// point is a decimal separator, and a nonzero value too small for a double is
// refused like one too large.
constexpr fileio::FieldRules kFileNumbers{
    .blanksAround = false, .decimalComma = false, .tinyAsZero = false};

bool parseNumber(std::string_view text, double& value) {
    return fileio::parseNumberField(text, value, kFileNumbers);
}

bool parseInteger(std::string_view text, int32_t& value) {
    return fileio::parseIntegerField(text, value, false);
}

struct Entry {
    std::string value;
    int line = 0;  // 0: not given
};

// The numbers of a dialog as its edit fields show them. Every take-over
// reads all of them back from their texts, so a member that was shown with
// the fields' 15 significant digits comes back rounded to them, and a typed
// text counts until the field is shown again: the same values the dialog's
// members go through.
template <class Record, size_t N>
class ShownNumbers {
public:
    explicit ShownNumbers(const std::array<double Record::*, N>& members) : members_(members) {}

    void show(const Record& r) {
        for (size_t i = 0; i < N; ++i) texts_[i] = fileio::formatNumberField(r.*members_[i]);
    }
    void takeOver(Record& r) const {
        for (size_t i = 0; i < N; ++i) parseNumber(texts_[i], r.*members_[i]);
    }
    void type(double Record::*member, std::string_view text) {
        for (size_t i = 0; i < N; ++i) {
            if (members_[i] == member) texts_[i] = std::string(text);
        }
    }

private:
    std::array<double Record::*, N> members_;
    std::array<std::string, N> texts_;
};

// clang-format off
constexpr std::array<double ProjectionDefinition::*, 13> kProjectionNumbers = {
    &ProjectionDefinition::radius,          &ProjectionDefinition::mainLat,
    &ProjectionDefinition::mainLon,         &ProjectionDefinition::delta1,
    &ProjectionDefinition::delta2,          &ProjectionDefinition::centralMeridian,
    &ProjectionDefinition::resolution,      &ProjectionDefinition::scale,
    &ProjectionDefinition::refLat,          &ProjectionDefinition::refLon,
    &ProjectionDefinition::refX,            &ProjectionDefinition::refY,
    &ProjectionDefinition::rotation,
};
// clang-format on

std::array<double DatumParams::*, 9> datumNumbers() {
    std::array<double DatumParams::*, 9> members{};
    for (size_t i = 0; i < members.size(); ++i) members[i] = kDatumNumberKeys[i].member;
    return members;
}

// One reading: the entries of the file and the dialog state they are
// entered into. Every step returns false after recording the problem.
class Reader {
public:
    Reader(std::string path) : path_(std::move(path)), keys_(allKeys()), entries_(keys_.size()) {}

    bool collect(std::string_view text);
    bool enter(DefinitionFile& state);
    const std::string& message() const { return message_; }

private:
    Entry* find(std::string_view key) {
        for (size_t i = 0; i < keys_.size(); ++i) {
            if (keys_[i] == key) return &entries_[i];
        }
        return nullptr;
    }
    const Entry* given(std::string_view key) {
        const Entry* e = find(key);
        return e != nullptr && e->line != 0 ? e : nullptr;
    }
    bool fail(int line, const std::string& problem) {
        message_ = "Datei " + quoted(path_);
        if (line != 0) message_ += ", Zeile " + std::to_string(line);
        message_ += ": " + problem;
        return false;
    }
    bool failKey(std::string_view key, const std::string& problem) {
        const Entry* e = given(key);
        return fail(e != nullptr ? e->line : 0, quoted(key) + ": " + problem);
    }
    // A given key whose field is hidden or disabled at this point.
    bool checkReachable(std::string_view key, bool shown, bool enabled, const std::string& why);

    bool enterNumber(DefinitionFile& s, const NumberKey& k);
    bool enterStrip(DefinitionFile& s);
    bool enterNatural(DefinitionFile& s);
    bool enterUnits(DefinitionFile& s);
    bool enterDatum(DefinitionFile& s);

    std::string path_;
    std::vector<std::string_view> keys_;
    std::vector<Entry> entries_;
    std::string message_;
    ShownNumbers<ProjectionDefinition, 13> shown_{kProjectionNumbers};
    ShownNumbers<DatumParams, 9> shownDatum_{datumNumbers()};
};

bool Reader::collect(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        line = trim(line);
        if (line.empty() || line.front() == '#') continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return fail(lineNumber, "\"Schlüssel = Wert\" erwartet");
        }
        const std::string_view key = trim(line.substr(0, equals));
        Entry* entry = find(key);
        if (entry == nullptr) return fail(lineNumber, "unbekannter Schlüssel " + quoted(key));
        if (entry->line != 0) {
            return fail(lineNumber, "Schlüssel " + quoted(key) + " schon in Zeile " +
                                        std::to_string(entry->line) + " angegeben");
        }
        *entry = {std::string(trim(line.substr(equals + 1))), lineNumber};
    }
    return true;
}

bool Reader::checkReachable(std::string_view key, bool shown, bool enabled,
                            const std::string& why) {
    if (shown && enabled) return true;
    return failKey(key, std::string(shown ? "Feld gesperrt" : "Feld nicht angezeigt") + why);
}

bool Reader::enterNumber(DefinitionFile& s, const NumberKey& k) {
    const Entry* e = given(k.key);
    if (e == nullptr) return true;
    const FieldState state = fieldState(s.definition, k.field);
    std::string why = " bei " + quoted(s.definition.projectionName);
    if (k.field == Field::Resolution) why = " (nur bei units = pixel)";
    if (state.shown && k.field > Field::Units) why = " bei natural = true";
    if (!checkReachable(k.key, state.shown, state.enabled, why)) return false;
    double value = 0.0;
    if (!parseNumber(e->value, value)) return failKey(k.key, fileio::kNumberMessage);
    // Typed into the field; leaving it takes every field over.
    shown_.type(k.member, e->value);
    shown_.takeOver(s.definition);
    if (std::string problem = checkField(s.definition, k.field); !problem.empty()) {
        return failKey(k.key, problem);
    }
    // The central meridian's handler updates and shows only with natural
    // coordinates; the main point longitude's always.
    if (k.changed == nullptr || (k.field == Field::CentralMeridian && !s.definition.natural)) {
        return true;
    }
    k.changed(s.definition);
    shown_.show(s.definition);
    return true;
}

bool Reader::enterStrip(DefinitionFile& s) {
    const Entry* e = given(kStripNumber);
    if (e == nullptr) return true;
    const FieldState state = fieldState(s.definition, Field::Strip);
    const std::string why = " bei " + quoted(s.definition.projectionName);
    if (!checkReachable(kStripNumber, state.shown, state.enabled, why)) return false;
    int32_t strip = 0;
    if (!parseInteger(e->value, strip)) return failKey(kStripNumber, fileio::kIntegerMessage);
    s.definition.strip = strip;
    shown_.takeOver(s.definition);
    if (std::string problem = checkField(s.definition, Field::Strip); !problem.empty()) {
        return failKey(kStripNumber, problem);
    }
    stripChanged(s.definition);
    shown_.show(s.definition);
    return true;
}

bool Reader::enterNatural(DefinitionFile& s) {
    const Entry* e = given(kNatural);
    if (e == nullptr) return true;
    if (e->value != "true" && e->value != "false") {
        return failKey(kNatural, "\"true\" oder \"false\" erwartet");
    }
    const bool natural = e->value == "true";
    // The box is clicked only when it has to change.
    if (natural == s.definition.natural) return true;
    shown_.takeOver(s.definition);
    s.definition.natural = natural;
    if (natural) {
        applyNaturalCalibration(s.definition, s.definition.projectionName);
        shown_.show(s.definition);
    }
    return true;
}

bool Reader::enterUnits(DefinitionFile& s) {
    const Entry* e = given(kUnits);
    if (e == nullptr) return true;
    const FieldState state = fieldState(s.definition, Field::Units);
    if (!checkReachable(kUnits, state.shown, state.enabled, " bei natural = true")) return false;
    // The metre is "m " in the list; the file's value has lost its blank.
    const std::string value = e->value == "m" ? std::string(geodesy::kUnitMetre) : e->value;
    bool listed = false;
    for (std::string_view unit : geodesy::kUnitNames) listed = listed || unit == value;
    if (!listed) {
        return failKey(kUnits,
                       "unbekannte Einheit " + quoted(e->value) + " (mm, cm, m, km oder pixel)");
    }
    shown_.takeOver(s.definition);
    s.definition.units = value;
    unitsChanged(s.definition);
    shown_.show(s.definition);
    return true;
}

bool Reader::enterDatum(DefinitionFile& s) {
    std::vector<std::string_view> datumKeys{kDatum, kEllipsoid};
    for (const DatumNumberKey& k : kDatumNumberKeys) datumKeys.push_back(k.key);
    std::optional<std::string_view> first;
    for (std::string_view key : datumKeys) {
        if (given(key) != nullptr) {
            first = key;
            break;
        }
    }
    if (!first) return true;
    const TypeRules* rules = findTypeRules(s.definition.projectionName);
    if (!checkReachable(*first, rules != nullptr && rules->datumShown, true,
                        " bei " + quoted(s.definition.projectionName))) {
        return false;
    }
    // The "..." button takes the projection fields over, then the datum
    // dialog opens on a copy; only its OK hands the record back.
    shown_.takeOver(s.definition);
    DatumParams datum = s.datum;
    shownDatum_.show(datum);
    const auto chooseFrom = [&](std::string_view key, const std::vector<std::string_view>& list,
                                std::string DatumParams::*member, const char* what) {
        const Entry* e = given(key);
        bool listed = false;
        for (std::string_view entry : list) listed = listed || entry == e->value;
        if (!listed) return failKey(key, std::string(what) + " " + quoted(e->value));
        datum.*member = e->value;
        return true;
    };
    // A list selection: the take-over, then the catalogue's values shown.
    const auto selected = [&](void (*lookUp)(DatumParams&), const std::string& name) {
        shownDatum_.takeOver(datum);
        keepCatalogueValues(datum);
        if (name == geodesy::kIndividual) return;
        lookUp(datum);
        shownDatum_.show(datum);
    };
    if (given(kDatum) != nullptr) {
        if (!chooseFrom(kDatum, datumListEntries(), &DatumParams::datumName, "unbekanntes Datum")) {
            return false;
        }
        selected(datumSelected, datum.datumName);
    }
    if (given(kEllipsoid) != nullptr) {
        if (!checkReachable(kEllipsoid, true, datumFieldEnabled(datum, DatumField::EllipsoidList),
                            " bei einem Katalogdatum")) {
            return false;
        }
        if (!chooseFrom(kEllipsoid, ellipsoidListEntries(), &DatumParams::ellipsoidName,
                        "unbekanntes Ellipsoid")) {
            return false;
        }
        selected(ellipsoidSelected, datum.ellipsoidName);
    }
    for (const DatumNumberKey& k : kDatumNumberKeys) {
        const Entry* e = given(k.key);
        if (e == nullptr) continue;
        const bool axis =
            k.field == DatumField::SemiMajorAxis || k.field == DatumField::SemiMinorAxis;
        if (!checkReachable(k.key, true, datumFieldEnabled(datum, k.field),
                            axis ? " bei einem Katalogellipsoid" : " bei einem Katalogdatum")) {
            return false;
        }
        double value = 0.0;
        if (!parseNumber(e->value, value)) return failKey(k.key, fileio::kNumberMessage);
        shownDatum_.type(k.member, e->value);
        shownDatum_.takeOver(datum);
        keepCatalogueValues(datum);
        if (std::string problem = checkDatumField(datum, k.field); !problem.empty()) {
            return failKey(k.key, problem);
        }
    }
    // OK of the datum dialog.
    shownDatum_.takeOver(datum);
    keepCatalogueValues(datum);
    if (std::optional<DatumRefusal> refusal = checkDatum(datum)) {
        const std::string_view key = keyOfDatumField(refusal->field);
        return failKey(given(key) != nullptr ? key : *first, refusal->message);
    }
    s.datum = datum;
    shown_.show(s.definition);
    return true;
}

bool Reader::enter(DefinitionFile& s) {
    const Entry* name = given(kProjectionName);
    if (name == nullptr) return fail(0, "Schlüssel " + quoted(kProjectionName) + " fehlt");
    if (findTypeRules(name->value) == nullptr) {
        return failKey(kProjectionName, "unbekannte Projektion " + quoted(name->value));
    }
    // Opening the dialog applies the type it holds and shows the fields; then
    // the list changes.
    applyProjectionType(s.definition, s.definition.projectionName);
    shown_.show(s.definition);
    shown_.takeOver(s.definition);
    applyProjectionType(s.definition, name->value);
    shown_.show(s.definition);

    if (!enterNumber(s, kRadiusKey) || !enterDatum(s)) return false;
    for (const NumberKey& k : kMainPointKeys) {
        if (!enterNumber(s, k)) return false;
    }
    if (!enterStrip(s) || !enterNumber(s, kCentralMeridianKey) || !enterNatural(s) ||
        !enterUnits(s)) {
        return false;
    }
    for (const NumberKey& k : kCalibrationKeys) {
        if (!enterNumber(s, k)) return false;
    }
    // The dialog's OK: the take-over, every check, the record, its offsets.
    shown_.takeOver(s.definition);
    if (std::optional<Refusal> refusal = acceptAtOk(s.definition, s.datum, s.params)) {
        const std::string_view key = keyOfField(refusal->field);
        return failKey(given(key) != nullptr ? key : kProjectionName, refusal->message);
    }
    return true;
}

}  // namespace

DefinitionFile initialDefinition() {
    DefinitionFile file;
    file.datum = geodesy::lookupDatum("ED50");
    return file;
}

std::string parseDefinitionText(std::string_view text, const std::string& path,
                                DefinitionFile& out) {
    Reader reader(path);
    DefinitionFile state = initialDefinition();
    if (!reader.collect(text) || !reader.enter(state)) return reader.message();
    out = state;
    return {};
}

std::string shortestNumber(double value) {
    // Plain decimals where they stay short (1000000, not 1e+06); the
    // exponent form for very large and very small values. Both are the
    // shortest digits that read back to the same double.
    constexpr size_t kPlainLimit = 24;
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc() || static_cast<size_t>(result.ptr - buffer) > kPlainLimit) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    return std::string(buffer, result.ptr);
}

std::string definitionText(const ProjectionDefinition& d, const DatumParams& datum) {
    std::string text;
    const auto line = [&text](std::string_view key, const std::string& value) {
        text.append(key).append(" = ").append(value).append("\n");
    };
    const auto number = [&](const NumberKey& k) {
        const FieldState state = fieldState(d, k.field);
        if (state.shown && state.enabled) line(k.key, shortestNumber(d.*k.member));
    };
    line(kProjectionName, d.projectionName);
    number(kRadiusKey);
    const TypeRules* rules = findTypeRules(d.projectionName);
    if (rules != nullptr && rules->datumShown) {
        line(kDatum, datum.datumName);
        if (datumFieldEnabled(datum, DatumField::EllipsoidList)) {
            line(kEllipsoid, datum.ellipsoidName);
        }
        for (const DatumNumberKey& k : kDatumNumberKeys) {
            if (datumFieldEnabled(datum, k.field)) line(k.key, shortestNumber(datum.*k.member));
        }
    }
    for (const NumberKey& k : kMainPointKeys) number(k);
    const FieldState strip = fieldState(d, Field::Strip);
    if (strip.shown && strip.enabled) line(kStripNumber, std::to_string(d.strip));
    number(kCentralMeridianKey);
    line(kNatural, d.natural ? "true" : "false");
    const FieldState units = fieldState(d, Field::Units);
    if (units.shown && units.enabled) line(kUnits, std::string(trim(d.units)));
    for (const NumberKey& k : kCalibrationKeys) number(k);
    return text;
}

}  // namespace definition
