// Projection definition files: reading along the dialog's path, writing, the
// round trip for every kind of type, and every kind of refusal with its line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "definition/definition_file.h"
#include "geodesy/catalogues.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_projection_dlg.h"

namespace {

using definition::DefinitionFile;

DefinitionFile read(const std::string& text) {
    DefinitionFile file;
    const std::string problem = definition::parseDefinitionText(text, "t.gwp", file);
    EXPECT_EQ(problem, "");
    return file;
}

struct RoundTripCase {
    const char* kind;
    const char* text;
};

// One definition per kind of type, each entered as a user would.
const RoundTripCase kRoundTrips[] = {
    {"sphere, typed calibration in pixels",
     "projectionName = Kegelabbildung (winkeltreu)\nsphereRadius = 6370997.5\n"
     "mainPointLat = 51.25\nmainPointLon = 10.1\ndelta1 = 35\ndelta2 = 43.7\n"
     "natural = false\nunits = pixel\nresolution = 11.811\nscaleDenominator = 250000\n"
     "refPointLat = 50.1\nrefPointLon = 9.9\nrefPointX = 0.1\nrefPointY = -2e-7\n"
     "rotationAngle = -12.5\n"},
    {"sphere, natural",
     "projectionName = Azimutalabbildung (flächentreu)\nmainPointLat = 52\n"
     "mainPointLon = -0.3\n"},
    {"Gauß-Krüger (Deutschland)",
     "projectionName = Gauß-Krüger (Deutschland)\nstripNumber = 4\n"
     "datum = DHDN (Potsdam / Rauenberg)\n"},
    {"UTM in km",
     "projectionName = UTM\nstripNumber = 33\ndatum = WGS 84 (ECEF)\n"
     "natural = false\nunits = km\nrefPointLon = 15\nrefPointX = 500\n"},
    {"Krassovsky", "projectionName = Krassovsky\nstripNumber = 7\ndatum = System 42/83 (Pulkov)\n"},
    {"Austrian strip",
     "projectionName = Gauß-Krüger (Österreich Meldenetz)\nstripNumber = 34\n"
     "datum = MGI (Hermannskogel)\n"},
    {"Gauß-Krüger (Allgemein)",
     "projectionName = Gauß-Krüger (Allgemein)\n"
     "centralMeridian = 10.5\n"},
    {"Swiss grid", "projectionName = Schweizer Landesgitter\ndatum = CH1903 (Obs. Bern)\n"},
    {"individual datum and ellipsoid",
     "projectionName = UTM\nstripNumber = 32\ndatum = (individuell)\n"
     "ellipsoid = (individuell)\nsemiMajorAxis = 6378137.25\nsemiMinorAxis = 6356752.1\n"
     "shiftX = -87.1\nshiftY = -98\nshiftZ = -121.3\nrotationOmega = 0.1\n"
     "rotationPsi = -0.2\nrotationEpsilon = 1e-5\nscaleCorrection = 3.4e-6\n"},
};

TEST(DefinitionFile, EveryKindOfTypeReadsBackBitForBit) {
    for (const RoundTripCase& c : kRoundTrips) {
        SCOPED_TRACE(c.kind);
        const DefinitionFile first = read(c.text);
        const std::string written = definition::definitionText(first.definition, first.datum);
        const DefinitionFile second = read(written);
        EXPECT_EQ(first.definition, second.definition);
        EXPECT_EQ(first.datum, second.datum);
        EXPECT_EQ(first.params, second.params);
        EXPECT_EQ(written, definition::definitionText(second.definition, second.datum));
    }
}

TEST(DefinitionFile, OrderCommentsBlanksAndLineEndsDoNotMatter) {
    const DefinitionFile plain = read(
        "projectionName = Bonn'sche Abbildung\nmainPointLon = 12\nnatural = false\n"
        "refPointLon = 3\n");
    const DefinitionFile shuffled = read(
        "\xEF\xBB\xBF# Bonne\r\n\r\n  refPointLon=3  \r\nnatural =false\r\n"
        "\tmainPointLon\t= 12\r\nprojectionName = Bonn'sche Abbildung\r\n");
    EXPECT_EQ(plain.definition, shuffled.definition);
    EXPECT_EQ(plain.params, shuffled.params);
    // The main point was entered before the box was cleared: the reference
    // longitude followed it, then the typed value replaced it.
    EXPECT_EQ(plain.params.refPointLon, 3.0);
    EXPECT_EQ(plain.definition.centralMeridian, 12.0);
}

struct NumberCase {
    double value;
    const char* text;
};

const NumberCase kNumbers[] = {
    {1000000.0, "1000000"},
    {0.1, "0.1"},
    {0.1 + 0.2, "0.30000000000000004"},
    {-2e-7, "-0.0000002"},
    {6356752.314245179, "6356752.314245179"},
    {1e300, "1e+300"},
    {5e-324, "5e-324"},
    {-0.0, "-0"},
};

TEST(DefinitionFile, NumbersAreWrittenShortAndReadBackExactly) {
    for (const NumberCase& c : kNumbers) {
        EXPECT_EQ(definition::shortestNumber(c.value), c.text);
        const DefinitionFile file =
            read(std::string("projectionName = UTM\nnatural = false\nrefPointX = ") + c.text);
        EXPECT_EQ(std::signbit(file.definition.refX), std::signbit(c.value));
        EXPECT_EQ(file.definition.refX, c.value);
    }
}

struct ErrorCase {
    const char* text;
    int line;  // 0: the file as a whole
    const char* problem;
};

const ErrorCase kErrors[] = {
    {"projectionName = UTM\nfoo = 1\n", 2, "unbekannter Schlüssel \"foo\""},
    {"projectionName = UTM\n\nprojectionName = UTM\n", 3, "schon in Zeile 1 angegeben"},
    {"projectionName UTM\n", 1, "\"Schlüssel = Wert\" erwartet"},
    {"stripNumber = 3\n", 0, "Schlüssel \"projectionName\" fehlt"},
    {"projectionName = utm\n", 1, "unbekannte Projektion \"utm\""},
    {"projectionName = UTM\nrefPointX = 1\n", 2, "\"refPointX\": Feld gesperrt bei natural = true"},
    {"projectionName = UTM\ncentralMeridian = 9\n", 2, "\"centralMeridian\": Feld gesperrt"},
    {"projectionName = Bonn'sche Abbildung\ndelta2 = 40\n", 2, "\"delta2\": Feld nicht angezeigt"},
    {"projectionName = Bonn'sche Abbildung\ndatum = WGS 84 (ECEF)\n", 2,
     "\"datum\": Feld nicht angezeigt"},
    {"projectionName = UTM\nnatural = false\nresolution = 3\n", 3,
     "\"resolution\": Feld nicht angezeigt (nur bei units = pixel)"},
    {"projectionName = UTM\nstripNumber = 61\n", 2, "Streifennummer zwischen 1 und 60"},
    {"projectionName = UTM\nstripNumber = 3.5\n", 2, "Bitte geben Sie eine ganze Zahl ein."},
    {"projectionName = Bonn'sche Abbildung\nmainPointLat = 91\n", 2,
     "Wert für Geographische Breite zwischen -90.0° und 90.0°"},
    {"projectionName = Bonn'sche Abbildung\nsphereRadius = 0\n", 2, "Wert über 0"},
    {"projectionName = Bonn'sche Abbildung\nsphereRadius = 63e5x\n", 2,
     "Bitte geben Sie eine Zahl ein."},
    {"projectionName = Bonn'sche Abbildung\nsphereRadius = nan\n", 2,
     "Bitte geben Sie eine Zahl ein."},
    {"projectionName = UTM\nnatural = ja\n", 2, "\"true\" oder \"false\" erwartet"},
    {"projectionName = UTM\nnatural = false\nunits = m  m\n", 3, "unbekannte Einheit"},
    {"projectionName = UTM\ndatum = ED 50\n", 2, "unbekanntes Datum \"ED 50\""},
    {"projectionName = UTM\ndatum = ED50\nellipsoid = WGS 84\n", 3,
     "\"ellipsoid\": Feld gesperrt bei einem Katalogdatum"},
    {"projectionName = UTM\ndatum = (individuell)\nsemiMajorAxis = 6378137\n", 3,
     "Feld gesperrt bei einem Katalogellipsoid"},
    {"projectionName = UTM\ndatum = (individuell)\nrotationPsi = 400\n", 3,
     "Wert für Winkel zwischen -360° und +360°"},
    {"projectionName = UTM\ndatum = (individuell)\nellipsoid = (individuell)\n"
     "semiMajorAxis = 6356000\nsemiMinorAxis = 6378000\n",
     5, "Wert für b nicht größer als a"},
    // The checks of OK: a record that maps onto one point, parallels that
    // give no projection.
    {"projectionName = Bonn'sche Abbildung\nnatural = false\nunits = pixel\n"
     "resolution = 1e-300\nscaleDenominator = 1e308\n",
     1, "Mit diesen Werten ist keine Abbildung möglich"},
    {"projectionName = Zylinderabbildung (winkeltreu)\ndelta1 = 180\n", 2,
     "Mit diesen Parallelkreisen ist keine Abbildung möglich"},
};

TEST(DefinitionFile, EveryRefusalNamesFileLineAndProblem) {
    for (const ErrorCase& c : kErrors) {
        SCOPED_TRACE(c.text);
        DefinitionFile file = definition::initialDefinition();
        file.definition.radius = 42.0;  // a marker: nothing half-read is used
        const DefinitionFile before = file;
        const std::string message = definition::parseDefinitionText(c.text, "a/b.gwp", file);
        const std::string where = c.line
                                      ? "Datei \"a/b.gwp\", Zeile " + std::to_string(c.line) + ": "
                                      : "Datei \"a/b.gwp\": ";
        EXPECT_EQ(message.rfind(where, 0), 0u) << message;
        EXPECT_NE(message.find(c.problem), std::string::npos) << message;
        EXPECT_EQ(file.definition, before.definition);
        EXPECT_EQ(file.datum, before.datum);
    }
}

// The examples of the README, as a reader would type them; the strip's
// meridian is 3 * 3 = 9° with the false easting 500 km, worked by hand.
TEST(DefinitionFile, TheReadmeExamplesRead) {
    const DefinitionFile gk = read(
        "# Gauß-Krüger, 3rd strip, Potsdam datum, natural coordinates in metres\n"
        "projectionName = Gauß-Krüger (Deutschland)\n"
        "datum = DHDN (Potsdam / Rauenberg)\n"
        "stripNumber = 3\n"
        "natural = true\n");
    EXPECT_EQ(gk.params.refPointLon, 9.0);
    EXPECT_EQ(gk.params.refPointX, 500000.0);
    EXPECT_EQ(gk.params.datum.ellipsoidName, "Bessel (1841)");

    const DefinitionFile swiss = read(
        "projectionName = Schweizer Landesgitter\n"
        "datum = CH1903 (Obs. Bern)\n"
        "natural = false\n"
        "units = km\n"
        "scaleDenominator = 1\n"
        "refPointLat = 46.95240556\n"
        "refPointLon = 7.43958333\n"
        "refPointX = 600\n"
        "refPointY = 200\n"
        "rotationAngle = 0\n");
    EXPECT_EQ(swiss.params.unitMillimetres, 1e6);
    EXPECT_EQ(swiss.params.refPointX, 600.0);
    EXPECT_EQ(swiss.params.datum.datumName, "CH1903 (Obs. Bern)");

    const DefinitionFile individual = read(
        "projectionName = UTM\nstripNumber = 32\ndatum = (individuell)\n"
        "ellipsoid = International (1924) = Hayford (1909)\nshiftX = -87\nshiftY = -98\n"
        "shiftZ = -121\nrotationOmega = 0\nrotationPsi = 0\nrotationEpsilon = 0\n"
        "scaleCorrection = 0\n");
    EXPECT_EQ(individual.params.datum.datumName, "(individuell)");
    EXPECT_EQ(individual.params.datum.semiMajorAxis, 6378388.0);
    EXPECT_EQ(individual.params.datum.shiftY, -98.0);
}

// ---- the same record as the dialog ----

// A user's session in the dialog: every key of a file entered into its
// control in tab order. The fields show 15 significant digits and every
// take-over reads them back, so these sessions hold values where that
// rounding shows: computed strip meridians, 17-digit entries followed by a
// handler that shows the fields again, catalogue axes of an individual datum.
struct DialogSession {
    const char* kind;
    const char* text;
};

const DialogSession kSessions[] = {
    {"Austrian strip",
     "projectionName = Gauß-Krüger (Österreich Meldenetz)\nstripNumber = 31\n"
     "datum = MGI (Hermannskogel)\n"},
    {"general strip, 17 digits",
     "projectionName = Gauß-Krüger (Allgemein)\ncentralMeridian = 10.123456789012345\n"},
    {"sphere, typed calibration",
     "projectionName = Kegelabbildung (flächentreu)\nsphereRadius = 6370997.123456789\n"
     "mainPointLat = 48.12345678901234\nmainPointLon = 11.5\ndelta1 = 40\ndelta2 = 45\n"
     "natural = false\nunits = pixel\nresolution = 11.811\nscaleDenominator = 750000\n"
     "refPointLat = 47.5\nrefPointLon = 11.123456789012345\nrefPointX = 0.30000000000000004\n"
     "refPointY = -12.5\nrotationAngle = 2.5\n"},
    {"individual ellipsoid, axes kept",
     "projectionName = UTM\nstripNumber = 33\ndatum = (individuell)\n"
     "ellipsoid = (individuell)\nshiftX = -87.123456789012345\nrotationPsi = 0.5\n"},
    {"catalogue datum",
     "projectionName = Krassovsky\nstripNumber = 12\n"
     "datum = System 42/83 (Pulkov)\n"},
};

class DialogSessionTest : public ::testing::Test {
protected:
    platform::RecordingMessageService messages;
};

std::string valueOf(const std::string& text, const std::string& key) {
    const std::string start = key + " = ";
    const size_t at = text.find(start);
    if (at == std::string::npos) return {};
    const size_t from = at + start.size();
    return text.substr(from, text.find('\n', from) - from);
}

TEST_F(DialogSessionTest, AFileGivesTheDialogsRecordBitForBit) {
    using namespace projection_ids;
    using driver::qs;
    for (const DialogSession& c : kSessions) {
        SCOPED_TRACE(c.kind);
        const std::string text = c.text;
        const auto value = [&text](const char* key) { return valueOf(text, key); };
        // A dialog with its construction values, as at program start.
        TestProjectionDlg dlg;
        driver::open(&dlg);
        driver::choose(&dlg, kProjection, qs(value("projectionName")));
        const auto typeIfGiven = [&](const char* key, int id) {
            if (!value(key).empty()) driver::type(&dlg, id, qs(value(key)));
        };
        typeIfGiven("sphereRadius", kRadius);
        if (!value("datum").empty()) {
            dlg.datumRun = [&](CDatumDlg& datum) {
                driver::open(&datum);
                driver::choose(&datum, datum_ids::kDatum, qs(value("datum")));
                if (!value("ellipsoid").empty()) {
                    driver::choose(&datum, datum_ids::kEllipsoid, qs(value("ellipsoid")));
                }
                for (auto [key, id] : {std::pair{"shiftX", int(datum_ids::kShiftX)},
                                       {"rotationPsi", datum_ids::kPsi}}) {
                    if (!value(key).empty()) driver::type(&datum, id, qs(value(key)));
                }
                driver::click(&datum, datum_ids::kOk);
                return datum.result();
            };
            driver::click(&dlg, kDatumButton);
            // Back in the projection dialog once the datum dialog has closed.
            driver::open(&dlg);
        }
        typeIfGiven("mainPointLat", kMainLat);
        typeIfGiven("mainPointLon", kMainLon);
        typeIfGiven("delta1", kDelta1);
        typeIfGiven("delta2", kDelta2);
        typeIfGiven("stripNumber", kStrip);
        typeIfGiven("centralMeridian", kCentralMeridian);
        if (value("natural") == "false") driver::click(&dlg, kNatural);
        if (!value("units").empty()) driver::choose(&dlg, kUnits, qs(value("units")));
        typeIfGiven("resolution", kResolution);
        typeIfGiven("scaleDenominator", kScale);
        typeIfGiven("refPointLat", kRefLat);
        typeIfGiven("refPointLon", kRefLon);
        typeIfGiven("refPointX", kRefX);
        typeIfGiven("refPointY", kRefY);
        typeIfGiven("rotationAngle", kRotation);
        driver::click(&dlg, kOk);
        ASSERT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_TRUE(messages.messages.empty());

        const DefinitionFile file = read(text);
        EXPECT_EQ(file.params, dlg.m_params);
        EXPECT_EQ(file.datum, dlg.m_dlgDatum.m_datum);
        EXPECT_EQ(file.definition.refLon, dlg.m_dRefLon);
        EXPECT_EQ(file.definition.centralMeridian, dlg.m_dCentralMeridian);
    }
}

}  // namespace
