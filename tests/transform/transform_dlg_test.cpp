// The transformation dialog: first opening, the definition of a side, the
// lists and file choosers, the checks of "&Speichern", the same file under
// another name, the snapshot a run works on and the lock during a run.
#include <unistd.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <filesystem>
#include <fstream>
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
using platform::Icon;
namespace fs = std::filesystem;

const QString kUndefinedProjection = "(undefinierte Projektion)";
const QString kUndefinedFile = "(undefinierte Datei)";

std::string readFile(const fs::path& path) {
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

class TransformDialog : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir);
        dialog.setModal(true);
        driver::open(&dialog);
    }
    void TearDown() override { fs::remove_all(dir); }

    void set(std::string_view projectionMode, std::string_view coordinateMode,
             std::string_view format, const std::string& source, const std::string& target) {
        dialog.m_strProjectionMode = projectionMode;
        dialog.m_strCoordinateMode = coordinateMode;
        dialog.m_strFileFormat = format;
        dialog.m_strSourceFile = source;
        dialog.m_strTargetFile = target;
        dialog.updateData(false);
    }
    // Both sides defined, a source file with one point; the run is recorded only.
    std::string prepareRun() {
        dialog.define(0, plateCarree());
        dialog.define(1, plateCarree(true));
        const std::string source = (dir / "punkte.txt").string();
        std::ofstream(source) << "10.5\t20.25\n";
        set(transform::kWithinProjection1, transform::kGeographicToCartesian, fileio::kTextFormat,
            source, (dir / "ergebnis.txt").string());
        dialog.fileRun = [](const transform::FileTransformRequest&, fileio::Feedback&) {
            return transform::FileTransformResult{};
        };
        messages.clear();
        return source;
    }

    const fs::path dir =
        fs::temp_directory_path() / ("transform_dlg_" + std::to_string(::getpid()));
    platform::RecordingMessageService messages;
    TestTransformDlg dialog;
};

TEST_F(TransformDialog, FirstOpening) {
    std::vector<std::pair<int, QString>> shown = {
        {kProjection1, kUndefinedProjection},
        {kProjection2, kUndefinedProjection},
        {kDatum1, "(undefiniertes Datum)"},
        {kDatum2, "(undefiniertes Datum)"},
        {kSourceFile, kUndefinedFile},
        {kTargetFile, kUndefinedFile},
        {kProjectionMode, "innerhalb Projektion 1"},
        {kCoordinateMode, "geographisch --> kartesisch"},
        {kAngleFormat, "Dezimale Notation (dd.dddddd)"},
        {kFileFormat, "Textdatei"},
        {kUnitX1, ""},
        {kUnitY1, ""},
        {kUnitX2, ""},
        {kUnitY2, ""},
    };
    for (const auto& ids : kPanel) {
        for (int id : ids) shown.emplace_back(id, "0");
    }
    for (const auto& [id, expected] : shown) EXPECT_EQ(text(&dialog, id), expected) << id;
    EXPECT_EQ(driver::find<QProgressBar>(&dialog, kProgress)->value(), 0);

    const std::pair<int, QStringList> lists[] = {
        {kProjectionMode,
         {"innerhalb Projektion 1", "innerhalb Projektion 2", "Projektion 1 --> Projektion 2",
          "Projektion 2 --> Projektion 1"}},
        {kCoordinateMode,
         {"geographisch --> geographisch", "geographisch --> kartesisch",
          "kartesisch --> geographisch", "kartesisch --> kartesisch"}},
        {kAngleFormat, {"Dezimale Notation (dd.dddddd)", "Gradielle Notation (dd.mmssss)"}},
        {kFileFormat, {"Textdatei", "Quorin Meta-Datei", "Adobe Illustrator / FreeHand"}},
    };
    for (const auto& [id, entries] : lists) {
        auto* combo = driver::find<QComboBox>(&dialog, id);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        EXPECT_EQ(items, entries) << id;
    }
}

// The projection line after OK, the unit labels copied, the datum line after
// OK and after "Abbrechen" (from what the projection dialog holds then).
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

// The rules as the lists apply them (their table is tested with the core);
// a list changed while a field holds no number shows the members again.
TEST_F(TransformDialog, ListsFollowTheRulesAndNeverDifferFromTheMembers) {
    const std::pair<int, const char*> choices[] = {
        {kFileFormat, "Adobe Illustrator / FreeHand"},
        {kCoordinateMode, "geographisch --> geographisch"},
        {kProjectionMode, "innerhalb Projektion 2"},
        {kAngleFormat, "Gradielle Notation (dd.mmssss)"},
    };
    const char* const expected[][4] = {
        {"Projektion 1 --> Projektion 2", "kartesisch --> kartesisch",
         "Dezimale Notation (dd.dddddd)", "Adobe Illustrator / FreeHand"},
        {"Projektion 1 --> Projektion 2", "geographisch --> geographisch",
         "Dezimale Notation (dd.dddddd)", "Textdatei"},
        {"innerhalb Projektion 2", "geographisch --> kartesisch", "Dezimale Notation (dd.dddddd)",
         "Textdatei"},
        {"innerhalb Projektion 2", "geographisch --> kartesisch", "Gradielle Notation (dd.mmssss)",
         "Textdatei"},
    };
    const auto expectModes = [this](const char* const* modes, const std::string& where) {
        const std::string members[] = {dialog.m_strProjectionMode, dialog.m_strCoordinateMode,
                                       dialog.m_strAngleFormat, dialog.m_strFileFormat};
        const int lists[] = {kProjectionMode, kCoordinateMode, kAngleFormat, kFileFormat};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(members[i], modes[i]) << where;
            EXPECT_EQ(text(&dialog, lists[i]), modes[i]) << where;
        }
    };
    for (size_t i = 0; i < std::size(choices); ++i) {
        const auto& [list, entry] = choices[i];
        choose(&dialog, list, QString::fromUtf8(entry));
        expectModes(expected[i], entry);

        // Once more with a field that does not parse: nothing changes.
        driver::find(&dialog, list)->setFocus(Qt::TabFocusReason);
        driver::find<QLineEdit>(&dialog, kX2)->setText("abc");
        auto* combo = driver::find<QComboBox>(&dialog, list);
        choose(&dialog, list, combo->itemText((combo->currentIndex() + 1) % combo->count()));
        EXPECT_EQ(messages.texts(), QStringList({"Bitte geben Sie eine Zahl ein."}));
        expectModes(expected[i], std::string(entry) + " after a refused take-over");
        EXPECT_EQ(text(&dialog, kX2), "0");
        messages.clear();
    }
}

TEST_F(TransformDialog, FileChoosersUseTheFormatsExtensionAndFilter) {
    const char* const cases[][3] = {
        {"Quorin Meta-Datei", "met", "Quorin Metadatei (*.met)"},
        {"Adobe Illustrator / FreeHand", "ai", "Adobe Illustrator (*.ai)"},
        {"Textdatei", "txt", "Textdatei (Tabs getrennt) (*.txt)"},
    };
    for (const auto& [format, suffix, filter] : cases) {
        choose(&dialog, kFileFormat, format);
        for (bool save : {false, true}) {
            const QString path = QString("/daten/%1.%2").arg(save).arg(suffix);
            messages.files.push_back(path);
            click(&dialog, save ? kTargetButton : kSourceButton);
            const platform::RecordedFileDialog& d = messages.fileDialogs.back();
            EXPECT_EQ(d.save, save);
            EXPECT_EQ(d.defaultSuffix, suffix);
            EXPECT_EQ(d.filter, filter);
            EXPECT_EQ(text(&dialog, save ? kTargetFile : kSourceFile), path);
            click(&dialog, save ? kTargetButton : kSourceButton);  // cancelled: the path stays
            EXPECT_EQ(text(&dialog, save ? kTargetFile : kSourceFile), path);
        }
    }
}

// The five checks in their order, each with its text, caption, icon and
// focus; a side the mode does not use may stay undefined.
TEST_F(TransformDialog, SaveChecksInOrder) {
    struct Case {
        std::string_view mode;
        bool defined1, defined2;
        const char* source;
        const char* target;
        const char* message;  // nullptr: the run starts
        int focus;
    };
    const char* const none = "(undefinierte Datei)";
    const Case cases[] = {
        {transform::kWithinProjection1, false, false, none, none,
         "Sie haben keine Projektion 1 ausgewählt !", kProjectionButton1},
        {transform::kProjection2To1, false, true, "/a", "/b",
         "Sie haben keine Projektion 1 ausgewählt !", kProjectionButton1},
        {transform::kWithinProjection2, false, false, none, none,
         "Sie haben keine Projektion 2 ausgewählt !", kProjectionButton2},
        {transform::kProjection1To2, true, false, "/a", "/b",
         "Sie haben keine Projektion 2 ausgewählt !", kProjectionButton2},
        {transform::kWithinProjection2, false, true, none, none,
         "Sie haben keine Quelldatei ausgewählt !", kSourceButton},
        {transform::kWithinProjection1, true, false, "", "/b",
         "Sie haben keine Quelldatei ausgewählt !", kSourceButton},
        {transform::kProjection1To2, true, true, "/a", "", "Sie haben keine Zieldatei ausgewählt !",
         kTargetButton},
        {transform::kWithinProjection1, true, false, "/a", none,
         "Sie haben keine Zieldatei ausgewählt !", kTargetButton},
        {transform::kProjection1To2, true, true, "/d/a.txt", "/d/a.txt",
         "Quell- und Zieldatei identisch !", kSourceButton},
        {transform::kWithinProjection2, false, true, "/d/b.txt", "/d/./b.txt",
         "Quell- und Zieldatei identisch !", kSourceButton},
        {transform::kWithinProjection2, false, true, "/d/a.txt", "/d/A.txt", nullptr, 0},
        {transform::kWithinProjection1, true, false, "/d/a.txt", "/d/b.txt", nullptr, 0},
    };
    dialog.fileRun = [](const transform::FileTransformRequest&, fileio::Feedback&) {
        return transform::FileTransformResult{};
    };
    for (const Case& c : cases) {
        const std::string where = std::string(c.mode) + " " + c.source + " " + c.target;
        dialog.undefineBoth();
        if (c.defined1) dialog.define(0, plateCarree());
        if (c.defined2) dialog.define(1, plateCarree());
        set(c.mode, transform::kGeographicToCartesian, fileio::kTextFormat, c.source, c.target);
        messages.clear();
        dialog.requests.clear();
        click(&dialog, kSave);
        EXPECT_EQ(dialog.requests.size(), c.message == nullptr ? 1u : 0u) << where;
        if (c.message == nullptr) continue;
        ASSERT_EQ(messages.messages.size(), 1u) << where;
        EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(c.message)) << where;
        EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
        EXPECT_EQ(messages.messages[0].icon, Icon::Error);
        EXPECT_TRUE(focused(&dialog, c.focus)) << where;
    }
}

// A symbolic link, a hard link, a "./" and a "sub/.." spelling of the source
// are refused and the source keeps its bytes; a name differing only in case
// is another file.
TEST_F(TransformDialog, SameFileUnderAnotherNameIsRefused) {
    const std::string source = prepareRun();
    const std::string content = readFile(source);
    fs::create_symlink(source, dir / "verweis.txt");
    fs::create_hard_link(source, dir / "zweitname.txt");
    fs::create_directory(dir / "unter");
    for (const fs::path& target : {dir / "verweis.txt", dir / "zweitname.txt",
                                   dir / "." / "punkte.txt", dir / "unter" / ".." / "punkte.txt"}) {
        set(transform::kWithinProjection1, transform::kGeographicToCartesian, fileio::kTextFormat,
            source, target.string());
        messages.clear();
        click(&dialog, kSave);
        EXPECT_EQ(messages.texts(), QStringList({"Quell- und Zieldatei identisch !"})) << target;
        EXPECT_TRUE(focused(&dialog, kSourceButton));
    }
    EXPECT_TRUE(dialog.requests.empty());
    // The real text run, between the two sides: it leaves the panels alone.
    std::ofstream(dir / "Punkte.txt") << "anders\n";
    set(transform::kProjection1To2, transform::kGeographicToCartesian, fileio::kTextFormat, source,
        (dir / "Punkte.txt").string());
    dialog.fileRun = nullptr;
    std::vector<QString> panels;
    for (const auto& ids : kPanel) {
        for (int id : ids) panels.push_back(text(&dialog, id));
    }
    click(&dialog, kSave);
    EXPECT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(readFile(source), content);
    EXPECT_NE(readFile(dir / "Punkte.txt"), "anders\n");
    size_t next = 0;
    for (const auto& ids : kPanel) {
        for (int id : ids) EXPECT_EQ(text(&dialog, id), panels[next++]) << id;
    }
}

// A field that does not parse ends "&Speichern" with the data exchange's own
// message and focus; a No to a unit question of the metafile ends it before any file
// is opened.
TEST_F(TransformDialog, SaveStopsBeforeTheRun) {
    prepareRun();
    driver::find<QLineEdit>(&dialog, kY2)->setText("1..2");
    click(&dialog, kSave);
    EXPECT_EQ(messages.texts(), QStringList({"Bitte geben Sie eine Zahl ein."}));
    EXPECT_TRUE(focused(&dialog, kY2));
    EXPECT_TRUE(messages.fileDialogs.empty());
    EXPECT_TRUE(dialog.requests.empty());

    driver::find<QLineEdit>(&dialog, kY2)->setText("0");
    set(transform::kProjection1To2, transform::kCartesianToCartesian, fileio::kMetafileFormat,
        dialog.m_strSourceFile, dialog.m_strTargetFile);
    transform::TransformSnapshot units;
    units.units1 = "m ";
    units.units2 = "km";
    const std::vector<std::string> questions = transform::metafileUnitQuestions(units);
    ASSERT_EQ(questions.size(), 2u);
    for (const std::vector<Answer>& answers :
         {std::vector{Answer::No}, {Answer::Yes, Answer::No}, {Answer::Yes, Answer::Yes}}) {
        messages.clear();
        messages.answers.assign(answers.begin(), answers.end());
        click(&dialog, kSave);
        for (size_t i = 0; i < answers.size(); ++i) {
            EXPECT_EQ(messages.messages.at(i).text, QString::fromStdString(questions[i]));
            EXPECT_EQ(messages.messages[i].caption, "Einheiten");
            EXPECT_EQ(messages.messages[i].icon, Icon::Question);
            EXPECT_EQ(messages.messages[i].buttons, platform::Buttons::YesNo);
        }
    }
    EXPECT_EQ(dialog.requests.size(), 1u);  // only after two Yes
}

// A run works on a snapshot taken at its start, and its final box comes from
// the core's outcome.
TEST_F(TransformDialog, RunWorksOnASnapshot) {
    prepareRun();
    set(transform::kProjection2To1, transform::kGeographicToGeographic, fileio::kTextFormat,
        dialog.m_strSourceFile, dialog.m_strTargetFile);
    choose(&dialog, kAngleFormat, "Gradielle Notation (dd.mmssss)");
    dialog.m_dHeight1 = 11.0;
    dialog.m_dHeight2 = 22.0;
    dialog.updateData(false);
    for (const auto& [status, icon] :
         {std::pair{transform::FileTransformStatus::Finished, Icon::None},
          std::pair{transform::FileTransformStatus::ReadFailed, Icon::Error}}) {
        messages.clear();
        dialog.requests.clear();
        const transform::FileTransformResult result{status, 2};
        dialog.fileRun = [&](const transform::FileTransformRequest&, fileio::Feedback&) {
            return result;
        };
        click(&dialog, kSave);
        ASSERT_EQ(dialog.requests.size(), 1u);
        const transform::FileTransformRequest& r = dialog.requests[0];
        EXPECT_EQ(r.snapshot.projection1, dialog.m_dlgProjection1.m_params);
        EXPECT_EQ(r.snapshot.projection2, dialog.m_dlgProjection2.m_params);
        EXPECT_EQ(r.snapshot.projectionMode, "Projektion 2 --> Projektion 1");
        EXPECT_EQ(r.snapshot.coordinateMode, "geographisch --> geographisch");
        EXPECT_EQ(r.snapshot.angleFormat, "Gradielle Notation (dd.mmssss)");
        EXPECT_EQ(r.snapshot.sourceHeight, 22.0);
        EXPECT_EQ(r.snapshot.units1 + r.snapshot.units2, "m km");
        EXPECT_EQ(r.sourcePath + r.targetPath, dialog.m_strSourceFile + dialog.m_strTargetFile);
        const transform::FileMessage expected =
            transform::fileTransformMessage(r, result, fileio::FileFormatKind::Text);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, QString::fromStdString(expected.text));
        EXPECT_EQ(messages.messages[0].caption, QString::fromStdString(expected.caption));
        EXPECT_EQ(messages.messages[0].icon, icon);
    }
}

// While a run lasts every input is disabled and Escape, the close box and a
// second "&Speichern" do nothing; after the final box all is back.
TEST_F(TransformDialog, RunLocksTheDialog) {
    prepareRun();
    std::vector<int> inputs = {kProjectionButton1, kProjectionButton2, kSourceFile,  kTargetFile,
                               kSourceButton,      kTargetButton,      kSave,        kClose,
                               kProjectionMode,    kCoordinateMode,    kAngleFormat, kFileFormat};
    for (const auto& ids : kPanel) inputs.insert(inputs.end(), std::begin(ids), std::end(ids));
    const auto enabledInputs = [&] {
        return std::count_if(inputs.begin(), inputs.end(),
                             [&](int id) { return driver::enabled(&dialog, id); });
    };
    long enabledDuringRun = -1, enabledDuringBox = -1;
    dialog.fileRun = [&](const transform::FileTransformRequest&, fileio::Feedback& feedback) {
        feedback.started();
        feedback.setProgress(40);
        EXPECT_EQ(driver::find<QProgressBar>(&dialog, kProgress)->value(), 40);
        enabledDuringRun = enabledInputs();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        driver::find<QPushButton>(&dialog, kSave)->click();
        feedback.pump();
        return transform::FileTransformResult{};
    };
    messages.onMessage = [&](const platform::RecordedMessage&) {
        enabledDuringBox = enabledInputs();
    };
    click(&dialog, kSave);
    EXPECT_EQ(enabledDuringRun, 0);
    EXPECT_EQ(enabledDuringBox, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(enabledInputs(), static_cast<long>(inputs.size()));
    EXPECT_EQ(driver::find<QProgressBar>(&dialog, kProgress)->value(), 0);
}

// The dialog object keeps every value from one opening to the next.
TEST_F(TransformDialog, ReopeningShowsEverythingAsLeft) {
    prepareRun();
    driver::type(&dialog, kLat1, "47.25");
    click(&dialog, kClose);
    ASSERT_FALSE(dialog.isVisible());
    const int ids[] = {kProjection1, kDatum2, kLat1, kLat2, kX2, kSourceFile, kUnitX2};
    std::vector<QString> before;
    for (int id : ids) before.push_back(text(&dialog, id));
    driver::open(&dialog);
    for (size_t i = 0; i < std::size(ids); ++i) EXPECT_EQ(text(&dialog, ids[i]), before[i]);
    EXPECT_EQ(text(&dialog, kLat2), "47.25");
}

}  // namespace
