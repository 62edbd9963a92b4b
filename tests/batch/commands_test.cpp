// The subcommands of gitterwerk-batch: the same bytes as a direct call of the
// core operation that the dialogs call, the exit statuses and messages of
// bad command lines, and a few rows through the real executable.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch/console.h"
#include "definition/definition_file.h"
#include "fileio/file_formats.h"
#include "geodesy/engine.h"
#include "graticule/generate.h"
#include "graticule/run_setup.h"
#include "tests/support/recording_feedback.h"
#include "transform/illustrator_transform.h"
#include "transform/metafile_transform.h"
#include "transform/modes.h"
#include "transform/text_file_transform.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kUtm32 = "projectionName = UTM\nstripNumber = 32\ndatum = ED50\n";
constexpr const char* kGk3 =
    "projectionName = Gauß-Krüger (Deutschland)\nstripNumber = 3\n"
    "datum = DHDN (Potsdam / Rauenberg)\n";
// A pixel calibration: the metafile runs without a unit question.
constexpr const char* kUtm32Pixel =
    "projectionName = UTM\nstripNumber = 32\ndatum = ED50\nnatural = false\nunits = pixel\n"
    "resolution = 4\nscaleDenominator = 1000000\nrefPointLon = 9\nrefPointLat = 50\n";
constexpr const char* kGk3Pixel =
    "projectionName = Gauß-Krüger (Deutschland)\nstripNumber = 3\n"
    "datum = DHDN (Potsdam / Rauenberg)\nnatural = false\nunits = pixel\nresolution = 4\n"
    "scaleDenominator = 1000000\nrefPointLon = 9\nrefPointLat = 50\n";
constexpr const char* kEpoch = "1700000000";

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void spit(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("gitterwerk-batch-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        spit(path("utm32.gwp"), kUtm32);
        spit(path("gk3.gwp"), kGk3);
        spit(path("utm32px.gwp"), kUtm32Pixel);
        spit(path("gk3px.gwp"), kGk3Pixel);
        ::setenv("SOURCE_DATE_EPOCH", kEpoch, 1);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    RunResult run(std::vector<std::string> args, const std::string& input = {}) {
        spit(path("stdin"), input);
        const int fd = ::open(path("stdin").c_str(), O_RDONLY);
        std::ostringstream out;
        std::ostringstream err;
        batch::Console console{out, err, fd, false};
        const int status = batch::runBatch(args, console);
        ::close(fd);
        return {status, out.str(), err.str()};
    }

    static definition::DefinitionFile definitionOf(const char* text) {
        definition::DefinitionFile file;
        EXPECT_EQ(definition::parseDefinitionText(text, "x", file), "");
        return file;
    }

    fs::path dir_;
};

// ---- the same bytes as the core operations ----

struct GraticuleCase {
    const char* format;
    const char* definition;
    std::vector<std::string> extentArgs;
    graticule::GraticuleExtent extent;
};

const GraticuleCase kGraticuleCases[] = {
    {"Textdatei",
     kUtm32,
     {"--south", "47", "--north", "55", "--west", "6", "--east", "15"},
     {47, 55, 6, 15, 10, 1, 1}},
    {"Quorin Meta-Datei",
     kUtm32Pixel,
     {"--spacing", "5", "--parallel-step", "0.5"},
     {-90, 90, -180, 180, 5, 0.5, 1}},
    {"Adobe Illustrator / FreeHand",
     kGk3,
     {"--south", "45", "--north", "56", "--west", "2", "--east", "17", "--spacing", "1",
      "--meridian-step", "0.25"},
     {45, 56, 2, 17, 1, 1, 0.25}},
};

TEST_F(BatchTest, GraticuleWritesTheBytesOfTheDialogsRun) {
    for (const GraticuleCase& c : kGraticuleCases) {
        SCOPED_TRACE(c.format);
        spit(path("p.gwp"), c.definition);
        std::vector<std::string> args = {"graticule", "--projection", path("p.gwp"),    "--format",
                                         c.format,    "--out",        path("batch.out")};
        args.insert(args.end(), c.extentArgs.begin(), c.extentArgs.end());
        const RunResult r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;

        // The dialog's way: its writer for the same values, the same run.
        const definition::DefinitionFile d = definitionOf(c.definition);
        const std::time_t epoch = std::atoll(kEpoch);
        std::tm created{};
        gmtime_r(&epoch, &created);
        const auto writer = graticule::makeWriter(
            c.format, {}, path("batch.out"),
            geodesy::unitMillimetres(d.definition.units, d.definition.resolution), created);
        RecordingFeedback feedback;
        const graticule::GenerationResult result =
            graticule::generateGraticule(d.params, {c.extent, path("core.out")}, *writer, feedback);
        ASSERT_EQ(result.status, graticule::GenerationStatus::Finished);
        EXPECT_GT(fs::file_size(path("core.out")), 100u);
        EXPECT_EQ(slurp(path("batch.out")), slurp(path("core.out")));
        EXPECT_EQ(r.out,
                  graticule::summaryText(path("batch.out"), result.box, d.definition.units) + "\n");
    }
}

struct TransformCase {
    const char* format;
    const char* projections;
    const char* coordinates;
    const char* angles;
};

// Every format, every reachable pair of modes, both angle notations.
const TransformCase kTransformCases[] = {
    {"Textdatei", "innerhalb Projektion 1", "geographisch --> kartesisch", nullptr},
    {"Textdatei", "innerhalb Projektion 1", "kartesisch --> geographisch", nullptr},
    {"Textdatei", "innerhalb Projektion 2", "geographisch --> kartesisch",
     "Gradielle Notation (dd.mmssss)"},
    {"Textdatei", "innerhalb Projektion 2", "kartesisch --> geographisch", nullptr},
    {"Textdatei", "Projektion 1 --> Projektion 2", "geographisch --> geographisch", nullptr},
    {"Textdatei", "Projektion 1 --> Projektion 2", "geographisch --> kartesisch", nullptr},
    {"Textdatei", "Projektion 1 --> Projektion 2", "kartesisch --> geographisch",
     "Gradielle Notation (dd.mmssss)"},
    {"Textdatei", "Projektion 1 --> Projektion 2", "kartesisch --> kartesisch", nullptr},
    {"Textdatei", "Projektion 2 --> Projektion 1", "geographisch --> geographisch",
     "Gradielle Notation (dd.mmssss)"},
    {"Textdatei", "Projektion 2 --> Projektion 1", "kartesisch --> kartesisch", nullptr},
    {"Quorin Meta-Datei", "Projektion 1 --> Projektion 2", "kartesisch --> kartesisch", nullptr},
    {"Quorin Meta-Datei", "Projektion 2 --> Projektion 1", "kartesisch --> kartesisch", nullptr},
    {"Adobe Illustrator / FreeHand", "Projektion 1 --> Projektion 2", "kartesisch --> kartesisch",
     nullptr},
    {"Adobe Illustrator / FreeHand", "Projektion 2 --> Projektion 1", "kartesisch --> kartesisch",
     nullptr},
};

TEST_F(BatchTest, TransformWritesTheBytesOfTheDialogsRun) {
    for (const TransformCase& c : kTransformCases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.projections + " " + c.coordinates);
        const bool text = std::string(c.format) == fileio::kTextFormat;
        const bool fromSide2 = std::string(c.projections).find("2 -->") != std::string::npos ||
                               std::string(c.projections) == transform::kWithinProjection2;
        const char* side1 = text ? kUtm32 : kUtm32Pixel;
        const char* side2 = text ? kGk3 : kGk3Pixel;
        // A source in the source side's coordinates: a graticule of it for
        // the vector formats, pairs of both kinds for text.
        if (text) {
            spit(path("in"),
                 "# Punkte\n50.3 9.5\n512345.5 5567890.25\n49,8\n\nabc 1\n"
                 "47.1230 10.2545\n90 400\n");
        } else {
            spit(path("src.gwp"), fromSide2 ? side2 : side1);
            const RunResult g = run({"graticule", "--projection", path("src.gwp"), "--format",
                                     c.format, "--south", "47", "--north", "55", "--west", "6",
                                     "--east", "15", "--spacing", "2", "--out", path("in")});
            ASSERT_EQ(g.status, 0) << g.err;
        }
        spit(path("p1.gwp"), side1);
        spit(path("p2.gwp"), side2);
        std::vector<std::string> args = {
            "transform",     "--projection1",  path("p1.gwp"),  "--projection2", path("p2.gwp"),
            "--projections", c.projections,    "--coordinates", c.coordinates,   "--format",
            c.format,        "--height",       "120.5",         "--in",          path("in"),
            "--out",         path("batch.out")};
        if (c.angles) args.insert(args.end(), {"--angles", c.angles});
        const RunResult r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;

        transform::FileTransformRequest request;
        transform::TransformSnapshot& s = request.snapshot;
        const definition::DefinitionFile d1 = definitionOf(side1);
        const definition::DefinitionFile d2 = definitionOf(side2);
        s.projection1 = d1.params;
        s.projection2 = d2.params;
        s.units1 = d1.definition.units;
        s.units2 = d2.definition.units;
        s.projectionMode = c.projections;
        s.coordinateMode = c.coordinates;
        s.angleFormat = c.angles ? c.angles : std::string(transform::kDecimalAngles);
        s.sourceHeight = 120.5;
        request.sourcePath = path("in");
        request.targetPath = path("core.out");
        RecordingFeedback feedback;
        const transform::FileTransformResult result =
            text ? transform::transformTextFile(request, feedback)
            : std::string(c.format) == fileio::kMetafileFormat
                ? transform::transformMetafile(request, feedback)
                : transform::transformIllustratorFile(request, feedback);
        ASSERT_EQ(result.status, transform::FileTransformStatus::Finished);
        const std::string expected = slurp(path("core.out"));
        EXPECT_GT(expected.size(), 20u);
        EXPECT_EQ(slurp(path("batch.out")), expected);
    }
}

TEST_F(BatchTest, PointGivesTheTextRunsResultsPerLine) {
    const std::string input = "50.3 9.5\nTitel\n47.123;10.2545|x\n91 0\n";
    spit(path("in"), input);
    const std::vector<std::string> modes = {"--projection2", path("gk3.gwp"),
                                            "--projections", "Projektion 1 --> Projektion 2",
                                            "--coordinates", "geographisch --> kartesisch",
                                            "--projection1", path("utm32.gwp")};
    std::vector<std::string> args = {"transform", "--in", path("in"), "--out", path("t.txt")};
    args.insert(args.end(), modes.begin(), modes.end());
    ASSERT_EQ(run(args).status, 0);
    // The text run's lines without the two input columns.
    std::istringstream lines(slurp(path("t.txt")));
    std::string expected;
    for (std::string line; std::getline(lines, line);) {
        const size_t second = line.empty() ? 0 : line.find('\t', line.find('\t') + 1) + 1;
        expected += line.substr(second) + "\n";
    }
    std::vector<std::string> point = {"point"};
    point.insert(point.end(), modes.begin(), modes.end());
    const RunResult piped = run(point, input);
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, expected);
    // A pair as arguments prints like the first line.
    point.insert(point.end(), {"50.3", "9.5"});
    EXPECT_EQ(run(point).out, expected.substr(0, expected.find('\n') + 1));
}

// A quarter of the equator on the 6371 km sphere: pi / 2 * 6371 km, due
// east, arriving heading west of north.
TEST_F(BatchTest, DistanceShowsTheDialogsRoundedValues) {
    const RunResult r = run({"distance", "0", "0", "0", "90"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Entfernung der Standorte\t10007.543398 km\n"), std::string::npos);
    EXPECT_NE(r.out.find("Abflugwinkel am Standort 1\t90 °\n"), std::string::npos);
    EXPECT_NE(r.out.find("Abflugwinkel am Standort 2\t-90 °\n"), std::string::npos);
    EXPECT_NE(r.out.find("Loxodrom\t90 °\n"), std::string::npos);
    const RunResult full = run({"distance", "0", "0", "0", "90", "--full-circle"});
    EXPECT_NE(full.out.find("Abflugwinkel am Standort 2\t270 °\n"), std::string::npos);
}

// ---- bad command lines ----

struct ErrorCase {
    std::vector<std::string> args;  // "@x" stands for the path of x in the test directory
    int status;
    const char* message;  // a part of standard error
};

const ErrorCase kErrors[] = {
    {{}, 1, "Aufruf: gitterwerk-batch BEFEHL"},
    {{"frobnicate"}, 1, "Unbekannter Befehl \"frobnicate\""},
    {{"graticule", "--out", "@o"},
     1,
     "Option --projection: Sie haben keine Projektion ausgewählt !"},
    {{"graticule", "--projection", "@utm32.gwp"},
     1,
     "Option --out: Sie haben keine Zieldatei ausgewählt !"},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--bogus"},
     1,
     "Unbekannte Option \"--bogus\""},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--south", "abc"},
     1,
     "Option --south: Bitte geben Sie eine Zahl ein."},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--south", "-95"},
     1,
     "Option --south: Wert für Geographische Breite zwischen -90.0° und 90.0°"},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--south", "10", "--north", "5"},
     1,
     "Option --south: Wert für südliche Breite muss kleiner sein als für nördliche Breite"},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--spacing", "0"},
     1,
     "Option --spacing: Wert über 0"},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--keys", "1,2,3"},
     1,
     "Option --keys: sieben ganze Zahlen"},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--keys", "1,2,3,4,5,6,10000"},
     1,
     "Option --keys: Wert für Objekt-Nummer zwischen 1 und 9999"},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--format", "PDF"},
     1,
     "Option --format: unbekanntes Format \"PDF\""},
    {{"graticule", "--projection", "@missing.gwp", "--out", "@o"},
     2,
     "Fehler beim Öffnen von Datei : \"@missing.gwp\""},
    {{"graticule", "--projection", "@", "--out", "@o"}, 2, "Fehler beim Öffnen von Datei"},
    {{"graticule", "--projection", "@bad.gwp", "--out", "@o"},
     1,
     "Datei \"@bad.gwp\", Zeile 2: \"stripNumber\": Streifennummer zwischen 1 und 60"},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@no/such/dir/o"},
     2,
     "Fehler beim Schreiben von Datei : \"@no/such/dir/o\""},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "/dev/full", "--format", "Textdatei"},
     2,
     "Fehler beim Schreiben von Datei : \"/dev/full\""},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--format", "Quorin Meta-Datei"},
     1,
     "Die Einheiten sind nicht auf Pixel eingestellt !"},
    {{"graticule", "--projection", "@utm32.gwp", "--out", "@o", "--spacing", "0.001",
      "--parallel-step", "0.001", "--meridian-step", "0.001"},
     1,
     "Millionen Punkte"},
    {{"transform", "--projection1", "@utm32.gwp", "--in", "@in", "--out", "@o", "--projections",
      "Projektion 1 -> Projektion 2"},
     1,
     "Option --projections: unbekannter Eintrag \"Projektion 1 -> Projektion 2\""},
    {{"transform", "--projection1", "@utm32.gwp", "--in", "@in", "--out", "@o", "--coordinates",
      "geographisch --> geographisch"},
     1,
     "Die Kombination \"innerhalb Projektion 1\", \"geographisch --> geographisch\", "
     "\"Textdatei\" ist im Transformationsdialog nicht möglich"},
    {{"transform", "--projection1", "@utm32px.gwp", "--projection2", "@gk3px.gwp", "--in", "@in",
      "--out", "@o", "--projections", "Projektion 1 --> Projektion 2", "--format",
      "Quorin Meta-Datei"},
     1,
     "\"geographisch --> kartesisch\", \"Quorin Meta-Datei\" ist im Transformationsdialog"},
    {{"transform", "--projection1", "@utm32.gwp", "--in", "@in", "--out", "@o", "--projections",
      "Projektion 1 --> Projektion 2"},
     1,
     "Option --projection2: Sie haben keine Projektion 2 ausgewählt !"},
    {{"transform", "--projection2", "@utm32.gwp", "--in", "@in", "--out", "@o"},
     1,
     "Option --projection1: Sie haben keine Projektion 1 ausgewählt !"},
    {{"transform", "--projection1", "@utm32.gwp", "--out", "@o"},
     1,
     "Option --in: Sie haben keine Quelldatei ausgewählt !"},
    {{"transform", "--projection1", "@utm32.gwp", "--in", "@in", "--out", "@in"},
     1,
     "Option --out: Quell- und Zieldatei identisch !"},
    {{"transform", "--projection1", "@utm32.gwp", "--in", "@in", "--out", "@o", "--height", "x"},
     1,
     "Option --height: Bitte geben Sie eine Zahl ein."},
    {{"transform", "--projection1", "@utm32.gwp", "--in", "@missing", "--out", "@o"},
     2,
     "Fehler beim Öffnen von Datei : \"@missing\""},
    {{"transform", "--projection1", "@utm32.gwp", "--projection2", "@gk3.gwp", "--in", "@in",
      "--out", "@o", "--projections", "Projektion 1 --> Projektion 2", "--coordinates",
      "kartesisch --> kartesisch", "--format", "Quorin Meta-Datei"},
     1,
     "Die Einheiten"},
    {{"point", "--projection1", "@utm32.gwp", "50", "x"},
     1,
     "Argument B: Bitte geben Sie eine Zahl ein."},
    {{"point", "--projection1", "@utm32.gwp", "50"}, 1, "Ein Koordinatenpaar"},
    {{"distance", "0", "0", "0"}, 1, "Vier Zahlen erwartet"},
    {{"distance", "95", "0", "0", "0"},
     1,
     "Argument LAT1: Wert für Geographische Breite zwischen -90.0° und 90.0°"},
    {{"distance", "0", "0", "0", "1", "--radius", "0"}, 1, "Option --radius: Wert über 0"},
    {{"distance", "0", "0", "0", "1", "--declination", "400", "0"},
     1,
     "Option --declination: Winkel zwischen -360° und +360°"},
    {{"distance", "0", "0", "0", "1", "--declination", "1"},
     1,
     "Option --declination braucht 2 Werte"},
};

TEST_F(BatchTest, BadCommandLinesGiveTheirStatusAndMessage) {
    spit(path("bad.gwp"), "projectionName = UTM\nstripNumber = 61\n");
    spit(path("in"), "50 9\n");
    const auto expand = [this](std::string text) {
        for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1)) {
            text.replace(at, 1, dir_.string() + "/");
        }
        return text;
    };
    for (const ErrorCase& c : kErrors) {
        std::vector<std::string> args;
        for (const std::string& a : c.args) args.push_back(expand(a));
        SCOPED_TRACE(args.empty() ? "(none)" : args.back());
        const std::string inBefore = slurp(path("in"));
        const RunResult r = run(args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(expand(c.message)), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        // Nothing is written on a refused run.
        EXPECT_FALSE(fs::exists(path("o")));
        EXPECT_EQ(slurp(path("in")), inBefore);
    }
}

// ---- the real executable ----

int shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(BatchTest, TheExecutableStandsInAPipeline) {
    const std::string exe = GITTERWERK_BATCH_EXE;
    EXPECT_EQ(shell(exe + " --version > " + path("v")), 0);
    EXPECT_EQ(slurp(path("v")), "Gitterwerk 1.1.2\n");

    // A definition from standard input, the Illustrator file to standard output.
    const RunResult inProcess =
        run({"graticule", "--projection", path("gk3.gwp"), "--south", "47", "--north", "55",
             "--west", "6", "--east", "15", "--out", path("a.ai")});
    ASSERT_EQ(inProcess.status, 0);
    EXPECT_EQ(shell("SOURCE_DATE_EPOCH=" + std::string(kEpoch) + " " + exe +
                    " graticule --projection - --south 47 --north 55 --west 6 --east 15"
                    " --out - < " +
                    path("gk3.gwp") + " > " + path("b.ai") + " 2> " + path("err")),
              0);
    std::string expected = slurp(path("a.ai"));
    // The title names the target as given.
    const std::string title = path("a.ai");
    for (size_t at = expected.find(title); at != std::string::npos; at = expected.find(title)) {
        expected.replace(at, title.size(), "-");
    }
    EXPECT_EQ(slurp(path("b.ai")), expected);
    EXPECT_NE(slurp(path("err")).find("Datei : \"-\" erzeugt !"), std::string::npos);

    // A text transformation from standard input to standard output.
    spit(path("in"), "50.3 9.5\n47.5 11\n");
    ASSERT_EQ(run({"transform", "--projection1", path("utm32.gwp"), "--in", path("in"), "--out",
                   path("t1")})
                  .status,
              0);
    EXPECT_EQ(shell("cat " + path("in") + " | " + exe + " transform --projection1 " +
                    path("utm32.gwp") + " --in - --out - > " + path("t2") + " 2>/dev/null"),
              0);
    EXPECT_EQ(slurp(path("t2")), slurp(path("t1")));

    // A metafile through a pipe: the same bytes as from and to files.
    ASSERT_EQ(run({"graticule", "--projection", path("utm32px.gwp"), "--format",
                   "Quorin Meta-Datei", "--spacing", "30", "--out", path("m.met")})
                  .status,
              0);
    const std::string metafileArgs =
        " transform --projection1 " + path("utm32px.gwp") + " --projection2 " + path("gk3px.gwp") +
        " --projections 'Projektion 1 --> Projektion 2' --coordinates 'kartesisch --> "
        "kartesisch' --format 'Quorin Meta-Datei'";
    EXPECT_EQ(shell(exe + metafileArgs + " --in " + path("m.met") + " --out " + path("m1.met") +
                    " > /dev/null"),
              0);
    EXPECT_EQ(shell("cat " + path("m.met") + " | " + exe + metafileArgs + " --in - --out - > " +
                    path("m2.met") + " 2>/dev/null"),
              0);
    EXPECT_GT(fs::file_size(path("m1.met")), 100u);
    EXPECT_EQ(slurp(path("m2.met")), slurp(path("m1.met")));

    EXPECT_EQ(shell(exe + " transform --projection1 " + path("utm32.gwp") + " --in " +
                    path("none") + " --out " + path("t3") + " 2>/dev/null"),
              2);
    EXPECT_EQ(shell(exe + " graticule --projection " + path("utm32.gwp") + " --out " + path("t4") +
                    " --nonsense 2>/dev/null"),
              1);
    EXPECT_FALSE(fs::exists(path("t4")));
}

}  // namespace
