// The transformation dialog: its first opening, the definition of a side,
// the mode rules and file choosers as wired to the lists and buttons, the
// checks of "&Speichern", the snapshot a run works on and the lock during it.
#include <unistd.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "transform/file_messages.h"
#include "transform/metafile_transform.h"
#include "transform/modes.h"
#include "transform_dlg_fixture.h"

namespace {

using namespace transform_dlg_test;
using driver::choose;
using driver::click;
using driver::focused;
using driver::text;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
namespace fs = std::filesystem;

const char* const kUndefinedProjection = "(undefinierte Projektion)";

class TempDir {
public:
    TempDir() {
        std::random_device seed;
        path_ = fs::temp_directory_path() /
                ("transform_dlg_" + std::to_string(::getpid()) + "_" + std::to_string(seed()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

class TransformDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.setModal(true);
        driver::open(&dialog);
    }

    void setPaths(const std::string& source, const std::string& target) {
        dialog.m_strSourceFile = source;
        dialog.m_strTargetFile = target;
        dialog.updateData(false);
    }
    void setModes(std::string_view projection, std::string_view coordinates,
                  std::string_view format = fileio::kTextFormat) {
        dialog.m_strProjectionMode = projection;
        dialog.m_strCoordinateMode = coordinates;
        dialog.m_strFileFormat = format;
        dialog.updateData(false);
    }
    // Both sides defined, a source file with one point, a target beside it.
    std::string prepareRun() {
        dialog.define(0, plateCarree());
        dialog.define(1, plateCarree(true));
        const std::string source = dir.file("punkte.txt");
        writeFile(source, "10.5\t20.25\n");
        setPaths(source, dir.file("ergebnis.txt"));
        messages.clear();
        return source;
    }

    TempDir dir;
    platform::RecordingMessageService messages;
    TestTransformDlg dialog;
};

TEST_F(TransformDialog, FirstOpening) {
    EXPECT_EQ(dialog.windowTitle(), "Kartennetz / Koordinaten transformieren");
    std::vector<std::pair<int, QString>> shown = {
        {kProjection[0], kUndefinedProjection},
        {kProjection[1], kUndefinedProjection},
        {kDatum[0], "(undefiniertes Datum)"},
        {kDatum[1], "(undefiniertes Datum)"},
        {kSourceFile, "(undefinierte Datei)"},
        {kTargetFile, "(undefinierte Datei)"},
        {kUnitX[0], ""},
        {kUnitY[0], ""},
        {kUnitX[1], ""},
        {kUnitY[1], ""},
        {kProjectionMode, "innerhalb Projektion 1"},
        {kCoordinateMode, "geographisch --> kartesisch"},
        {kAngleFormat, "Dezimale Notation (dd.dddddd)"},
        {kFileFormat, "Textdatei"},
    };
    for (const auto& ids : kPanel) {
        for (int id : ids) shown.emplace_back(id, "0");
    }
    for (const auto& [id, expected] : shown) EXPECT_EQ(text(&dialog, id), expected) << id;
    for (int id : {kProjection[0], kProjection[1], kDatum[0], kDatum[1]}) {
        EXPECT_TRUE(driver::find<QLineEdit>(&dialog, id)->isReadOnly()) << id;
    }
    EXPECT_EQ(driver::find<QProgressBar>(&dialog, kProgress)->value(), 0);

    const auto items = [this](int id) {
        QStringList result;
        auto* combo = driver::find<QComboBox>(&dialog, id);
        for (int i = 0; i < combo->count(); ++i) result << combo->itemText(i);
        return result;
    };
    EXPECT_EQ(items(kProjectionMode),
              QStringList({"innerhalb Projektion 1", "innerhalb Projektion 2",
                           "Projektion 1 --> Projektion 2", "Projektion 2 --> Projektion 1"}));
    EXPECT_EQ(items(kCoordinateMode),
              QStringList({"geographisch --> geographisch", "geographisch --> kartesisch",
                           "kartesisch --> geographisch", "kartesisch --> kartesisch"}));
    EXPECT_EQ(items(kAngleFormat),
              QStringList({"Dezimale Notation (dd.dddddd)", "Gradielle Notation (dd.mmssss)"}));
    EXPECT_EQ(items(kFileFormat),
              QStringList({"Textdatei", "Quorin Meta-Datei", "Adobe Illustrator / FreeHand"}));
}

// The projection line after OK, the unit labels copied, the datum line after
// OK and after "Abbrechen" (from the projection dialog's current state).
TEST_F(TransformDialog, DefiningASide) {
    struct Case {
        definition::ProjectionDefinition definition;
        const char* datum;
        const char* projectionLine;
        const char* datumLine;
        const char* unit;
    };
    definition::ProjectionDefinition general = definitionOf(geodesy::kGaussKruegerGeneral);
    general.centralMeridian = -3.5;
    const Case cases[] = {
        {definitionOf(geodesy::kUtm, 32), "ED50", "UTM (Streifen 32)",
         "ED50, International (1924) = Hayford (1909)", "m "},
        {general, "ED50", "Gauß-Krüger (Allgemein) (M=-3.50°)", "(keine Datumsreferenz)", "m "},
        {definitionOf(geodesy::kSwissGrid), "WGS 84 (ECEF)", "Schweizer Landesgitter",
         "WGS 84 (ECEF), WGS 84", "m "},
        {plateCarree(true), "ED50", "Zylinderabbildung (mittabstandstreu)",
         "(keine Datumsreferenz)", "km"},
    };
    for (int side : {0, 1}) {
        for (const Case& c : cases) {
            dialog.define(side, c.definition, c.datum);
            EXPECT_EQ(text(&dialog, kProjection[side]), QString::fromUtf8(c.projectionLine));
            EXPECT_EQ(text(&dialog, kDatum[side]), QString::fromUtf8(c.datumLine));
            EXPECT_EQ(text(&dialog, kUnitX[side]), c.unit);
            EXPECT_EQ(text(&dialog, kUnitY[side]), c.unit);
            EXPECT_EQ(text(&dialog, kProjection[1 - side]), kUndefinedProjection);
        }
        // "Abbrechen" keeps the projection line; the datum line follows what
        // the projection dialog holds now.
        dialog.projectionRun[side] = [](CProjectionDlg& projection) {
            projection.m_strProjectionName = std::string(geodesy::kUtm);
            projection.m_dlgDatum.m_datum = geodesy::lookupDatum("WGS 84 (ECEF)");
            return int(QDialog::Rejected);
        };
        click(&dialog, kProjectionButton[side]);
        EXPECT_EQ(text(&dialog, kProjection[side]), "Zylinderabbildung (mittabstandstreu)");
        EXPECT_EQ(text(&dialog, kDatum[side]), "WGS 84 (ECEF), WGS 84");
        dialog.undefineBoth();
    }
}

// The three rules as the lists apply them, one selection after the other.
TEST_F(TransformDialog, ModeRulesFollowEverySelection) {
    struct Step {
        int list;
        const char* entry;
        const char* projectionMode;
        const char* coordinateMode;
        const char* fileFormat;
    };
    const Step steps[] = {
        {kFileFormat, "Adobe Illustrator / FreeHand", "Projektion 1 --> Projektion 2",
         "kartesisch --> kartesisch", "Adobe Illustrator / FreeHand"},
        {kProjectionMode, "innerhalb Projektion 2", "innerhalb Projektion 2",
         "geographisch --> kartesisch", "Textdatei"},
        {kCoordinateMode, "geographisch --> geographisch", "Projektion 1 --> Projektion 2",
         "geographisch --> geographisch", "Textdatei"},
        {kFileFormat, "Quorin Meta-Datei", "Projektion 1 --> Projektion 2",
         "kartesisch --> kartesisch", "Quorin Meta-Datei"},
        {kCoordinateMode, "kartesisch --> geographisch", "Projektion 1 --> Projektion 2",
         "kartesisch --> geographisch", "Textdatei"},
        {kAngleFormat, "Gradielle Notation (dd.mmssss)", "Projektion 1 --> Projektion 2",
         "kartesisch --> geographisch", "Textdatei"},
    };
    for (const Step& s : steps) {
        choose(&dialog, s.list, QString::fromUtf8(s.entry));
        EXPECT_EQ(dialog.m_strProjectionMode, s.projectionMode) << s.entry;
        EXPECT_EQ(dialog.m_strCoordinateMode, s.coordinateMode) << s.entry;
        EXPECT_EQ(dialog.m_strFileFormat, s.fileFormat) << s.entry;
        EXPECT_EQ(text(&dialog, kProjectionMode), s.projectionMode);
        EXPECT_EQ(text(&dialog, kCoordinateMode), s.coordinateMode);
        EXPECT_EQ(text(&dialog, kFileFormat), s.fileFormat);
    }
    EXPECT_EQ(dialog.m_strAngleFormat, "Gradielle Notation (dd.mmssss)");
}

// A list changed while a field holds no number: the framework's message, and
// the lists show the members again instead of an unchecked selection.
TEST_F(TransformDialog, ListsNeverDifferFromTheMembersAfterAFailedTakeOver) {
    for (int list : {kProjectionMode, kCoordinateMode, kAngleFormat, kFileFormat}) {
        messages.clear();
        auto* combo = driver::find<QComboBox>(&dialog, list);
        combo->setFocus(Qt::TabFocusReason);  // the bad text is never left
        driver::find<QLineEdit>(&dialog, kPanel[0][4])->setText("abc");
        choose(&dialog, list, combo->itemText(combo->count() - 1));
        ASSERT_EQ(messages.texts(), QStringList({"Bitte geben Sie eine Zahl ein."})) << list;
        EXPECT_EQ(dialog.m_strProjectionMode, "innerhalb Projektion 1");
        EXPECT_EQ(dialog.m_strCoordinateMode, "geographisch --> kartesisch");
        EXPECT_EQ(dialog.m_strAngleFormat, "Dezimale Notation (dd.dddddd)");
        EXPECT_EQ(dialog.m_strFileFormat, "Textdatei");
        EXPECT_EQ(text(&dialog, list),
                  combo->itemText(list == kProjectionMode || list == kCoordinateMode
                                      ? (list == kProjectionMode ? 0 : 1)
                                      : 0));
        EXPECT_EQ(text(&dialog, kPanel[0][4]), "0");
    }
}

TEST_F(TransformDialog, FileChoosersUseTheFormatsExtensionAndFilter) {
    struct Case {
        const char* format;
        const char* suffix;
        const char* filter;
    };
    const Case cases[] = {
        {"Quorin Meta-Datei", "met", "Quorin Metadatei (*.met)"},
        {"Adobe Illustrator / FreeHand", "ai", "Adobe Illustrator (*.ai)"},
        {"Textdatei", "txt", "Textdatei (Tabs getrennt) (*.txt)"},
    };
    for (const Case& c : cases) {
        choose(&dialog, kFileFormat, c.format);
        for (bool save : {false, true}) {
            const QString path = QString("/daten/%1.%2").arg(save).arg(c.suffix);
            messages.files.push_back(path);
            click(&dialog, save ? kTargetButton : kSourceButton);
            ASSERT_FALSE(messages.fileDialogs.empty());
            const platform::RecordedFileDialog& d = messages.fileDialogs.back();
            EXPECT_EQ(d.save, save);
            EXPECT_EQ(d.defaultSuffix, c.suffix);
            EXPECT_EQ(d.filter, c.filter);
            EXPECT_TRUE(d.currentPath.isEmpty());
            EXPECT_EQ(text(&dialog, save ? kTargetFile : kSourceFile), path);
            // Cancelled: the path stays.
            click(&dialog, save ? kTargetButton : kSourceButton);
            EXPECT_EQ(save ? dialog.m_strTargetFile : dialog.m_strSourceFile, path.toStdString());
        }
    }
}

// The five checks of "&Speichern" in their order; a side that the mode does
// not use may stay undefined.
TEST_F(TransformDialog, SaveChecksInOrder) {
    struct Case {
        std::string_view projectionMode;
        bool defined1, defined2;
        const char* source;
        const char* target;
        const char* message;  // nullptr: the run starts
        int focus;
    };
    const char* const undefinedFile = "(undefinierte Datei)";
    const Case cases[] = {
        {transform::kWithinProjection1, false, false, undefinedFile, undefinedFile,
         "Sie haben keine Projektion 1 ausgewählt !", kProjectionButton[0]},
        {transform::kProjection2To1, false, true, "/a", "/b",
         "Sie haben keine Projektion 1 ausgewählt !", kProjectionButton[0]},
        {transform::kWithinProjection2, false, false, undefinedFile, undefinedFile,
         "Sie haben keine Projektion 2 ausgewählt !", kProjectionButton[1]},
        {transform::kProjection1To2, true, false, "/a", "/b",
         "Sie haben keine Projektion 2 ausgewählt !", kProjectionButton[1]},
        {transform::kWithinProjection2, false, true, undefinedFile, undefinedFile,
         "Sie haben keine Quelldatei ausgewählt !", kSourceButton},
        {transform::kWithinProjection1, true, false, "", "/b",
         "Sie haben keine Quelldatei ausgewählt !", kSourceButton},
        {transform::kWithinProjection1, true, false, "/a", undefinedFile,
         "Sie haben keine Zieldatei ausgewählt !", kTargetButton},
        {transform::kProjection1To2, true, true, "/a", "", "Sie haben keine Zieldatei ausgewählt !",
         kTargetButton},
        {transform::kProjection1To2, true, true, "/daten/a.txt", "/daten/a.txt",
         "Quell- und Zieldatei identisch !", kSourceButton},
        {transform::kWithinProjection2, false, true, "/daten/b.txt", "/daten/./b.txt",
         "Quell- und Zieldatei identisch !", kSourceButton},
        {transform::kWithinProjection2, false, true, "/daten/a.txt", "/daten/A.txt", nullptr, 0},
        {transform::kWithinProjection1, true, false, "/daten/a.txt", "/daten/b.txt", nullptr, 0},
    };
    for (const Case& c : cases) {
        const std::string where = std::string(c.projectionMode) + " " + c.source + " " + c.target;
        dialog.undefineBoth();
        if (c.defined1) dialog.define(0, plateCarree());
        if (c.defined2) dialog.define(1, plateCarree());
        setModes(c.projectionMode, transform::kGeographicToCartesian);
        setPaths(c.source, c.target);
        messages.clear();
        dialog.requests.clear();
        dialog.fileRun = [](const transform::FileTransformRequest&, fileio::Feedback&) {
            return transform::FileTransformResult{};
        };
        click(&dialog, kSave);
        if (c.message == nullptr) {
            EXPECT_EQ(dialog.requests.size(), 1u) << where;
            continue;
        }
        EXPECT_TRUE(dialog.requests.empty()) << where;
        ASSERT_EQ(messages.messages.size(), 1u) << where;
        EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(c.message)) << where;
        EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
        EXPECT_EQ(messages.messages[0].icon, Icon::Error);
        EXPECT_TRUE(focused(&dialog, c.focus)) << where;
    }
}

// One file under another name: a symbolic link, a hard link, a "./" and a
// "sub/.." spelling are refused and the source keeps its bytes; two files
// whose names differ only in case are two files.
TEST_F(TransformDialog, SameFileUnderAnotherNameIsRefused) {
    const std::string source = prepareRun();
    const std::string content = readFile(source);
    fs::create_symlink(source, dir.file("verweis.txt"));
    fs::create_hard_link(source, dir.file("zweitname.txt"));
    fs::create_directory(dir.file("unter"));
    const std::string targets[] = {
        dir.file("verweis.txt"),
        dir.file("zweitname.txt"),
        (dir.path() / "." / "punkte.txt").string(),
        (dir.path() / "unter" / ".." / "punkte.txt").string(),
    };
    for (const std::string& target : targets) {
        setPaths(source, target);
        messages.clear();
        click(&dialog, kSave);
        EXPECT_EQ(messages.texts(), QStringList({"Quell- und Zieldatei identisch !"})) << target;
        EXPECT_TRUE(focused(&dialog, kSourceButton));
        EXPECT_EQ(readFile(source), content);
    }
    EXPECT_TRUE(dialog.requests.empty());

    writeFile(dir.file("Punkte.txt"), "anders\n");
    setPaths(source, dir.file("Punkte.txt"));
    messages.clear();
    click(&dialog, kSave);
    EXPECT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(readFile(source), content);
}

TEST_F(TransformDialog, FailedTakeOverStopsSave) {
    prepareRun();
    driver::find<QLineEdit>(&dialog, kPanel[1][5])->setText("1..2");
    click(&dialog, kSave);
    EXPECT_EQ(messages.texts(), QStringList({"Bitte geben Sie eine Zahl ein."}));
    EXPECT_TRUE(focused(&dialog, kPanel[1][5]));
    EXPECT_TRUE(dialog.requests.empty());
    EXPECT_TRUE(messages.fileDialogs.empty());
}

// The metafile asks one question per side whose unit is not "pixel" before
// anything is opened; a No ends the command.
TEST_F(TransformDialog, MetafileAsksAboutUnitsFirst) {
    prepareRun();
    setModes(transform::kProjection1To2, transform::kCartesianToCartesian, fileio::kMetafileFormat);
    const std::vector<std::string> questions =
        transform::metafileUnitQuestions({dialog.m_dlgProjection1.m_params,
                                          dialog.m_dlgProjection2.m_params,
                                          {},
                                          {},
                                          {},
                                          0.0,
                                          "m ",
                                          "km"});
    ASSERT_EQ(questions.size(), 2u);
    struct Case {
        std::vector<Answer> answers;
        size_t asked;
        bool runs;
    };
    const Case cases[] = {
        {{Answer::No}, 1, false},
        {{Answer::Yes, Answer::No}, 2, false},
        {{Answer::Yes, Answer::Yes}, 3, true},  // the questions, then the final box
    };
    for (const Case& c : cases) {
        messages.clear();
        dialog.requests.clear();
        messages.answers.assign(c.answers.begin(), c.answers.end());
        dialog.fileRun = [](const transform::FileTransformRequest&, fileio::Feedback&) {
            return transform::FileTransformResult{};
        };
        click(&dialog, kSave);
        ASSERT_EQ(messages.messages.size(), c.asked);
        for (size_t i = 0; i < std::min<size_t>(c.asked, 2); ++i) {
            EXPECT_EQ(messages.messages[i].text, QString::fromStdString(questions[i]));
            EXPECT_EQ(messages.messages[i].caption, "Einheiten");
            EXPECT_EQ(messages.messages[i].icon, Icon::Question);
            EXPECT_EQ(messages.messages[i].buttons, Buttons::YesNo);
        }
        EXPECT_EQ(dialog.requests.size(), c.runs ? 1u : 0u);
    }
}

// A run works on a snapshot taken at its start and changes no member; its
// final box comes from the core's outcome.
TEST_F(TransformDialog, RunWorksOnASnapshot) {
    prepareRun();
    setModes(transform::kProjection2To1, transform::kGeographicToGeographic);
    choose(&dialog, kAngleFormat, "Gradielle Notation (dd.mmssss)");
    dialog.m_dHeight1 = 11.0;
    dialog.m_dHeight2 = 22.0;
    dialog.updateData(false);
    const std::vector<std::pair<transform::FileTransformStatus, Icon>> outcomes = {
        {transform::FileTransformStatus::Finished, Icon::None},
        {transform::FileTransformStatus::WriteFailed, Icon::Error},
        {transform::FileTransformStatus::SourceOpenFailed, Icon::Error},
    };
    for (const auto& [status, icon] : outcomes) {
        messages.clear();
        dialog.requests.clear();
        const transform::FileTransformResult result{status, 2};
        dialog.fileRun = [this, result](const transform::FileTransformRequest&,
                                        fileio::Feedback& feedback) {
            feedback.started();
            dialog.m_dHeight2 = 99.0;  // what a run must not see
            return result;
        };
        const std::string before = dialog.m_strProjection1 + dialog.m_strTargetFile;
        click(&dialog, kSave);
        ASSERT_EQ(dialog.requests.size(), 1u);
        const transform::FileTransformRequest& r = dialog.requests[0];
        EXPECT_EQ(r.snapshot.projection1, dialog.m_dlgProjection1.m_params);
        EXPECT_EQ(r.snapshot.projection2, dialog.m_dlgProjection2.m_params);
        EXPECT_EQ(r.snapshot.projectionMode, "Projektion 2 --> Projektion 1");
        EXPECT_EQ(r.snapshot.coordinateMode, "geographisch --> geographisch");
        EXPECT_EQ(r.snapshot.angleFormat, "Gradielle Notation (dd.mmssss)");
        EXPECT_EQ(r.snapshot.sourceHeight, 22.0);
        EXPECT_EQ(r.snapshot.units1, "m ");
        EXPECT_EQ(r.snapshot.units2, "km");
        EXPECT_EQ(r.sourcePath, dialog.m_strSourceFile);
        EXPECT_EQ(r.targetPath, dialog.m_strTargetFile);
        EXPECT_EQ(dialog.m_strProjection1 + dialog.m_strTargetFile, before);
        const transform::FileMessage expected =
            transform::fileTransformMessage(r, result, fileio::FileFormatKind::Text);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, QString::fromStdString(expected.text));
        EXPECT_EQ(messages.messages[0].caption, QString::fromStdString(expected.caption));
        EXPECT_EQ(messages.messages[0].icon, icon);
        dialog.m_dHeight2 = 22.0;
    }
}

// While a run lasts every input is disabled, Escape, the close box and a
// second "&Speichern" do nothing; the progress bar moves; everything comes
// back after the final box.
TEST_F(TransformDialog, RunLocksTheDialog) {
    prepareRun();
    std::vector<int> inputs = {
        kProjectionButton[0], kProjectionButton[1], kSourceFile,  kTargetFile,
        kSourceButton,        kTargetButton,        kSave,        kClose,
        kProjectionMode,      kCoordinateMode,      kAngleFormat, kFileFormat};
    for (const auto& ids : kPanel) inputs.insert(inputs.end(), std::begin(ids), std::end(ids));
    const auto allDisabled = [&] {
        for (int id : inputs) {
            if (driver::enabled(&dialog, id)) return false;
        }
        return true;
    };
    bool lockedDuringRun = false;
    bool lockedDuringBox = false;
    dialog.fileRun = [&](const transform::FileTransformRequest&, fileio::Feedback& feedback) {
        feedback.started();
        feedback.setProgress(40);
        EXPECT_EQ(driver::find<QProgressBar>(&dialog, kProgress)->value(), 40);
        lockedDuringRun = allDisabled();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        driver::find<QPushButton>(&dialog, kSave)->click();
        feedback.pump();
        return transform::FileTransformResult{};
    };
    messages.onMessage = [&](const platform::RecordedMessage&) { lockedDuringBox = allDisabled(); };
    click(&dialog, kSave);
    EXPECT_TRUE(lockedDuringRun);
    EXPECT_TRUE(lockedDuringBox);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(messages.messages.size(), 1u);
    for (int id : inputs) EXPECT_TRUE(driver::enabled(&dialog, id)) << id;
    EXPECT_EQ(driver::find<QProgressBar>(&dialog, kProgress)->value(), 0);
}

// From the click to the target file: the text run within projection 1.
TEST_F(TransformDialog, TextFileEndToEnd) {
    prepareRun();
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Fertig");
    std::istringstream line(readFile(dialog.m_strTargetFile));
    double lat = 0, lon = 0, x = 0, y = 0;
    line >> lat >> lon >> x >> y;
    EXPECT_EQ(lat, 10.5);
    EXPECT_EQ(lon, 20.25);
    const double metresPerDegree = kEarthRadius * 3.14159265358979323846 / 180.0;
    EXPECT_NEAR(x, 20.25 * metresPerDegree, 1e-6);
    EXPECT_NEAR(y, 10.5 * metresPerDegree, 1e-6);
}

// The dialog object keeps every value from one opening to the next.
TEST_F(TransformDialog, ReopeningShowsEverythingAsLeft) {
    prepareRun();
    setModes(transform::kProjection1To2, transform::kCartesianToCartesian, fileio::kMetafileFormat);
    driver::type(&dialog, kPanel[0][0], "47.25");
    driver::key(Qt::Key_Tab);
    click(&dialog, kClose);
    ASSERT_FALSE(dialog.isVisible());
    std::vector<QString> before;
    const std::vector<int> ids = {kProjection[0], kProjection[1], kDatum[0],       kDatum[1],
                                  kPanel[0][0],   kPanel[1][0],   kPanel[1][4],    kSourceFile,
                                  kTargetFile,    kFileFormat,    kCoordinateMode, kUnitX[1]};
    for (int id : ids) before.push_back(text(&dialog, id));
    driver::open(&dialog);
    for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(text(&dialog, ids[i]), before[i]) << ids[i];
    EXPECT_EQ(text(&dialog, kPanel[1][0]), "47.25");
}

}  // namespace
