#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <cmath>
#include <cstdio>

#include "definition/summary.h"
#include "dialog_support.h"
#include "test_support.h"

namespace {

using dialog_test::click;
using dialog_test::control;
using dialog_test::focused;
using dialog_test::key;
using dialog_test::text;
using dialog_test::type;
using graticule_test::readFile;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

using namespace graticule_ids;

const QString kLatitudeMessage =
    QString::fromUtf8("Wert für Geographische Breite zwischen -90.0° und 90.0°");
const QString kLongitudeMessage =
    QString::fromUtf8("Wert für Geographische Länge zwischen -180.0° und 180.0°");
const QString kPositiveMessage = QString::fromUtf8("Wert über 0");
const QString kNoNumber = QString::fromUtf8("Bitte geben Sie eine Zahl ein.");

class GraticuleDialog : public ::testing::Test {
protected:
    void SetUp() override { dialog_test::open(&dialog); }

    void chooseProjection() {
        click(&dialog, kProjectionButton);
        messages.clear();
    }
    void chooseTarget(const std::string& path) {
        messages.files.push_back(QString::fromStdString(path));
        click(&dialog, kTargetFileButton);
    }
    // A projection in millimetres, the format and a target file in the
    // temporary directory; the focus on the format list.
    std::string prepare(const QString& format, const std::string& name) {
        chooseProjection();
        dialog_test::choose(&dialog, kFileFormat, format);
        const std::string path = dir.file(name);
        chooseTarget(path);
        control(&dialog, kFileFormat)->setFocus(Qt::TabFocusReason);
        messages.clear();
        return path;
    }
    std::vector<QString> texts() const {
        std::vector<QString> result;
        for (const auto& m : messages.messages) result.push_back(m.text);
        return result;
    }

    platform::RecordingMessageService messages;
    dialog_test::TestGraticuleDlg dialog;
    graticule_test::TempDir dir;
};

TEST_F(GraticuleDialog, DefaultsAtFirstOpening) {
    EXPECT_EQ(dialog.windowTitle(), "Kartennetz / Koordinaten erzeugen");
    const std::pair<int, const char*> fields[] = {
        {kSouth, "-90"},
        {kNorth, "90"},
        {kWest, "-180"},
        {kEast, "180"},
        {kSpacing, "10"},
        {kParallelStep, "1"},
        {kMeridianStep, "1"},
        {kProjection, "(undefinierte Projektion)"},
        {kFileFormat, "Adobe Illustrator / FreeHand"},
        {kTargetFile, "(undefinierte Datei)"},
        {kSettings, "&Einstellungen ..."},
        {kSave, "&Speichern"},
        {kProjectionButton, "..."},
        {kTargetFileButton, "..."},
        {kOk, "OK"},
        {kCancel, "Abbrechen"},
    };
    for (const auto& [id, expected] : fields)
        EXPECT_EQ(text(&dialog, id), QString::fromUtf8(expected)) << id;
    EXPECT_FALSE(control(&dialog, kSettings)->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(&dialog, kProjection)->isReadOnly());
    auto* combo = control<QComboBox>(&dialog, kFileFormat);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "Textdatei");
    EXPECT_EQ(combo->itemText(1), "Quorin Meta-Datei");
    EXPECT_EQ(combo->itemText(2), "Adobe Illustrator / FreeHand");
    EXPECT_EQ(control<QProgressBar>(&dialog, kProgress)->value(), 0);

    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    for (const char* label :
         {"s&üdliche Breite", "&nördliche Breite", "wes&tliche Länge", "&östliche Länge",
          "Netzabst&and", "Punktdichte der &Breitengrade", "Punktdichte der &Längengrade",
          "&Projektion", "&Dateiformat", "&Zieldatei", "°"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(label))) << label;
    }
}

TEST_F(GraticuleDialog, FieldChecksWhenAFieldLosesTheFocus) {
    struct Case {
        int id;
        const char* typed;
        QString message;  // empty: the value passes
        double CGraticuleDlg::*member;
        double value;
    };
    const Case cases[] = {
        {kSouth, "91", kLatitudeMessage, &CGraticuleDlg::m_dSouth, 91},
        {kNorth, "-90.5", kLatitudeMessage, &CGraticuleDlg::m_dNorth, -90.5},
        {kNorth, "45", {}, &CGraticuleDlg::m_dNorth, 45},
        {kWest, "-181", kLongitudeMessage, &CGraticuleDlg::m_dWest, -181},
        {kEast, "200", kLongitudeMessage, &CGraticuleDlg::m_dEast, 200},
        {kEast, "180", {}, &CGraticuleDlg::m_dEast, 180},
        {kSpacing, "0", kPositiveMessage, &CGraticuleDlg::m_dSpacing, 0},
        {kSpacing, "-1", kPositiveMessage, &CGraticuleDlg::m_dSpacing, -1},
        {kSpacing, "1e-15", kPositiveMessage, &CGraticuleDlg::m_dSpacing, 1e-15},
        {kSpacing, "0.5", {}, &CGraticuleDlg::m_dSpacing, 0.5},
        {kParallelStep, "0", kPositiveMessage, &CGraticuleDlg::m_dParallelStep, 0},
        {kMeridianStep, "-0.25", kPositiveMessage, &CGraticuleDlg::m_dMeridianStep, -0.25},
    };
    for (const Case& c : cases) {
        messages.clear();
        type(&dialog, c.id, QString::fromUtf8(c.typed));
        key(Qt::Key_Tab);
        EXPECT_EQ(dialog.*(c.member), c.value) << c.id << " " << c.typed;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.messages.empty()) << c.id << " " << c.typed;
            continue;
        }
        ASSERT_EQ(messages.messages.size(), 1u) << c.id << " " << c.typed;
        EXPECT_EQ(messages.messages[0].text, c.message);
        EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
        EXPECT_EQ(messages.messages[0].icon, Icon::Exclamation);
        EXPECT_TRUE(focused(&dialog, c.id)) << c.id;
        EXPECT_EQ(text(&dialog, c.id), QString::fromUtf8(c.typed));  // the typed value stays
        type(&dialog, c.id, "1");  // leave a valid value for the next case
        messages.clear();
    }
}

TEST_F(GraticuleDialog, SettingsButtonOnlyForTheMetafile) {
    dialog_test::choose(&dialog, kFileFormat, "Quorin Meta-Datei");
    EXPECT_EQ(dialog.m_strFileFormat, "Quorin Meta-Datei");
    EXPECT_TRUE(control(&dialog, kSettings)->isEnabled());
    click(&dialog, kSettings);
    EXPECT_EQ(dialog.settingsRuns, 1);
    dialog_test::choose(&dialog, kFileFormat, "Textdatei");
    EXPECT_FALSE(control(&dialog, kSettings)->isEnabled());
    // The keyboard changes the selection too.
    control(&dialog, kFileFormat)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Down);
    EXPECT_EQ(dialog.m_strFileFormat, "Quorin Meta-Datei");
    EXPECT_TRUE(control(&dialog, kSettings)->isEnabled());
}

TEST_F(GraticuleDialog, ProjectionButtonShowsTheSummary) {
    dialog.projectionRun = [this] {
        return dialog.acceptProjection(std::string(geodesy::kUtm), "m ", 32);
    };
    click(&dialog, kProjectionButton);
    const std::string summary = definition::projectionSummary(
        std::string(geodesy::kUtm), 32, dialog.m_dlgProjection.m_dCentralMeridian);
    EXPECT_EQ(dialog.m_strProjection, summary);
    EXPECT_EQ(text(&dialog, kProjection), QString::fromStdString(summary));
    EXPECT_NE(summary.find("32"), std::string::npos);

    dialog.projectionRun = [] { return int(QDialog::Rejected); };
    click(&dialog, kProjectionButton);
    EXPECT_EQ(dialog.m_strProjection, summary);
    EXPECT_EQ(dialog.projectionRuns, 2);
}

TEST_F(GraticuleDialog, FileDialogUsesTheFormatsExtensionAndFilter) {
    struct Case {
        const char* format;
        const char* suffix;
        const char* filter;
    };
    const Case cases[] = {
        {"Textdatei", "txt", "Textdatei (Tabs getrennt) (*.txt)"},
        {"Quorin Meta-Datei", "met", "Quorin Metadatei (*.met)"},
        {"Adobe Illustrator / FreeHand", "ai", "Adobe Illustrator 7.x (*.ai)"},
    };
    for (const Case& c : cases) {
        dialog_test::choose(&dialog, kFileFormat, c.format);
        messages.clear();
        const std::string path = "/tmp/karte." + std::string(c.suffix);
        chooseTarget(path);
        ASSERT_EQ(messages.fileDialogs.size(), 1u);
        EXPECT_TRUE(messages.fileDialogs[0].save);
        EXPECT_EQ(messages.fileDialogs[0].defaultSuffix, c.suffix);
        EXPECT_EQ(messages.fileDialogs[0].filter, c.filter);
        EXPECT_EQ(messages.fileDialogs[0].currentPath, "");  // no preset file name
        EXPECT_EQ(dialog.m_strTargetFile, path);
        EXPECT_EQ(text(&dialog, kTargetFile), QString::fromStdString(path));
    }
    // Cancelled: nothing changes.
    click(&dialog, kTargetFileButton);
    EXPECT_EQ(dialog.m_strTargetFile, "/tmp/karte.ai");
}

TEST_F(GraticuleDialog, SaveChecksInOrder) {
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QString::fromUtf8("Sie haben keine Projektion ausgewählt !"));
    EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
    EXPECT_EQ(messages.messages[0].icon, Icon::Error);
    EXPECT_TRUE(focused(&dialog, kProjectionButton));

    chooseProjection();
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QString::fromUtf8("Sie haben keine Zieldatei ausgewählt !"));
    EXPECT_EQ(messages.messages[0].icon, Icon::Error);
    EXPECT_TRUE(focused(&dialog, kTargetFileButton));

    type(&dialog, kTargetFile, "");
    messages.clear();
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QString::fromUtf8("Sie haben keine Zieldatei ausgewählt !"));

    struct Case {
        double south, north, west, east, spacing;
        QString message;
        int focus;
    };
    const Case cases[] = {
        {95, 90, -180, 180, 10, kLatitudeMessage, kSouth},
        {10, 0, -180, 180, 10,
         QString::fromUtf8("Wert für südliche Breite muss kleiner sein als für nördliche Breite"),
         kSouth},
        // The field checks come before the test of south against north.
        {10, 0, 200, -200, 10, kLongitudeMessage, kWest},
        {0, 0, 10, 0, 10,
         QString::fromUtf8("Wert für westliche Länge muss kleiner sein als für östliche Länge"),
         kWest},
        {0, 0, -180, 181, 10, kLongitudeMessage, kEast},
        {0, 0, 0, 0, 1e-15, kPositiveMessage, kSpacing},
        {0, 0, 0, 0, std::nan(""), kPositiveMessage, kSpacing},
    };
    const std::string path = dir.file("nie.txt");
    dialog.m_strTargetFile = path;
    for (const Case& c : cases) {
        dialog.m_dSouth = c.south;
        dialog.m_dNorth = c.north;
        dialog.m_dWest = c.west;
        dialog.m_dEast = c.east;
        dialog.m_dSpacing = c.spacing;
        dialog.updateData(false);
        control(&dialog, kFileFormat)->setFocus(Qt::TabFocusReason);
        messages.clear();
        click(&dialog, kSave);
        if (std::isnan(c.spacing)) {
            // NaN cannot be shown and read back: the field holds "nan", which does not parse.
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_EQ(messages.messages[0].text, kNoNumber);
        } else {
            ASSERT_EQ(messages.messages.size(), 1u) << c.south << " " << c.spacing;
            EXPECT_EQ(messages.messages[0].text, c.message);
            EXPECT_EQ(messages.messages[0].icon, Icon::Exclamation);
        }
        EXPECT_TRUE(focused(&dialog, c.focus)) << c.focus;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST_F(GraticuleDialog, ShortcutKeyAfterAFieldThatDoesNotParse) {
    const std::string path = prepare("Textdatei", "komma.txt");
    type(&dialog, kSpacing, "0;5");
    key(Qt::Key_S, Qt::AltModifier);
    QTest::qWait(300);  // the button's click follows the shortcut after a moment
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kNoNumber);
    EXPECT_TRUE(focused(&dialog, kSpacing));
    EXPECT_EQ(dialog.m_dSpacing, 10.0);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(GraticuleDialog, ShortcutKeyAfterALatitudeOutOfRange) {
    const std::string path = prepare("Textdatei", "spitzen.txt");
    type(&dialog, kNorth, "95");
    key(Qt::Key_S, Qt::AltModifier);
    QTest::qWait(300);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kLatitudeMessage);
    EXPECT_TRUE(focused(&dialog, kNorth));
    EXPECT_FALSE(std::filesystem::exists(path));

    // With a valid value the same key runs the generation.
    type(&dialog, kNorth, "80");
    messages.clear();
    key(Qt::Key_S, Qt::AltModifier);
    QTest::qWait(300);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Fertig");
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(GraticuleDialog, EnterThenReopenStillChecksTheExtent) {
    const std::string path = prepare("Textdatei", "enter.txt");
    type(&dialog, kNorth, "95");
    key(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_dNorth, 95.0);
    dialog_test::open(&dialog);
    EXPECT_EQ(text(&dialog, kNorth), "95");
    control(&dialog, kFileFormat)->setFocus(Qt::TabFocusReason);
    messages.clear();
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kLatitudeMessage);
    EXPECT_TRUE(focused(&dialog, kNorth));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(GraticuleDialog, CancelRestoresTheOpeningValuesButKeepsTheProjection) {
    type(&dialog, kSpacing, "5");
    dialog_test::choose(&dialog, kFileFormat, "Quorin Meta-Datei");
    chooseTarget("/tmp/anders.met");
    chooseProjection();
    EXPECT_EQ(dialog.m_dSpacing, 5.0);
    click(&dialog, kCancel);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_dSpacing, 10.0);
    EXPECT_EQ(dialog.m_strFileFormat, "Adobe Illustrator / FreeHand");
    EXPECT_EQ(dialog.m_strTargetFile, "(undefinierte Datei)");
    EXPECT_EQ(dialog.m_strProjection, "Bonn'sche Abbildung");
    dialog_test::open(&dialog);
    EXPECT_EQ(text(&dialog, kSpacing), "10");
    EXPECT_EQ(text(&dialog, kProjection), "Bonn'sche Abbildung");
    EXPECT_FALSE(control(&dialog, kSettings)->isEnabled());

    // OK keeps what was typed, also for the next opening.
    type(&dialog, kWest, "-20");
    click(&dialog, kOk);
    EXPECT_EQ(dialog.m_dWest, -20.0);
    dialog_test::open(&dialog);
    click(&dialog, kCancel);
    EXPECT_EQ(dialog.m_dWest, -20.0);
}

TEST_F(GraticuleDialog, OkStaysOpenWhenAFieldDoesNotParse) {
    type(&dialog, kEast, "abc");
    click(&dialog, kOk);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back().text, kNoNumber);
}

TEST_F(GraticuleDialog, ProjectionTextAloneIsNoConfirmedProjection) {
    dialog.m_strProjection = "UTM (Streifen 32)";
    dialog.m_strTargetFile = dir.file("x.txt");
    dialog.updateData(false);
    control(&dialog, kFileFormat)->setFocus(Qt::TabFocusReason);
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QString::fromUtf8("Sie haben keine Projektion ausgewählt !"));
}

// The bounding box of the points, computed here with the engine directly.
struct Box {
    double xMin = INFINITY, xMax = -INFINITY, yMin = INFINITY, yMax = -INFINITY;
};

TEST_F(GraticuleDialog, SummaryOfAKnownRun) {
    const std::string path = prepare("Textdatei", "netz.txt");
    dialog.m_dSouth = 40;
    dialog.m_dNorth = 60;
    dialog.m_dWest = -10;
    dialog.m_dEast = 30;
    dialog.m_dSpacing = 10;
    dialog.m_dParallelStep = 5;
    dialog.m_dMeridianStep = 5;
    dialog.updateData(false);
    click(&dialog, kSave);

    const geodesy::ProjectionParams p = dialog_test::bonne("mm");
    Box box;
    auto add = [&box, &p](double lat, double lon) {
        double x, y;
        geodesy::projectForward(p, lat, lon, x, y);
        box.xMin = std::min(box.xMin, x);
        box.xMax = std::max(box.xMax, x);
        box.yMin = std::min(box.yMin, y);
        box.yMax = std::max(box.yMax, y);
    };
    for (int lat = 40; lat <= 60; lat += 10) {
        for (int lon = -10; lon <= 30; lon += 5) add(lat, lon);
    }
    for (int lon = -10; lon <= 30; lon += 10) {
        for (int lat = 40; lat <= 60; lat += 5) add(lat, lon);
    }
    char expected[512];
    std::snprintf(expected, sizeof expected,
                  "%s\n\n%s %12.3lf %s\t%s %12.3lf %s\n%s %12.3lf %s\t%s %12.3lf %s",
                  ("Datei : \"" + path + "\" erzeugt !").c_str(), "X-Min :", box.xMin, "mm",
                  "X-Max :", box.xMax, "mm", "Y-Min :", box.yMin, "mm", "Y-Max :", box.yMax, "mm");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(expected));
    EXPECT_EQ(messages.messages[0].caption, "Fertig");
    EXPECT_EQ(messages.messages[0].icon, Icon::None);
    EXPECT_EQ(messages.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialog.m_dXMin, box.xMin);
    EXPECT_EQ(dialog.m_dYMax, box.yMax);
    EXPECT_EQ(graticule_test::textBlocks(readFile(path)).size(), 3u + 5u);
    EXPECT_EQ(control<QProgressBar>(&dialog, kProgress)->value(), 0);
    EXPECT_FALSE(dialog.isRunning());
    EXPECT_TRUE(control(&dialog, kSave)->isEnabled());
}

TEST_F(GraticuleDialog, TheDialogIsLockedWhileItRuns) {
    const std::string path = prepare("Adobe Illustrator / FreeHand", "gesperrt.ai");
    bool checked = false;
    messages.onMessage = [&](const platform::RecordedMessage& m) {
        EXPECT_EQ(m.caption, "Fertig");
        EXPECT_TRUE(dialog.isRunning());
        for (int id : {kSouth, kSpacing, kFileFormat, kTargetFile, kTargetFileButton,
                       kProjectionButton, kSave, kOk, kCancel}) {
            EXPECT_FALSE(control(&dialog, id)->isEnabled()) << id;
        }
        dialog.reject();  // "Abbrechen", Escape and the close box are ignored
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        checked = true;
    };
    click(&dialog, kSave);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(control(&dialog, kSave)->isEnabled());
    EXPECT_FALSE(control(&dialog, kSettings)->isEnabled());
    const std::string document = readFile(path);
    EXPECT_EQ(graticule_test::checkIllustratorStructure(document), 19 + 4 + 37);
    EXPECT_NE(document.find("%%Title: (" + path + ")\n"), std::string::npos);
}

TEST_F(GraticuleDialog, FileErrors) {
    struct Case {
        std::string path;
        bool runs;  // the file opened and the run began
    };
    const Case cases[] = {
        {dir.path().string(), false}, {dir.file("fehlt/netz.txt"), false}, {"/dev/full", true}};
    for (const Case& c : cases) {
        prepare("Textdatei", "egal.txt");
        chooseTarget(c.path);
        control(&dialog, kFileFormat)->setFocus(Qt::TabFocusReason);
        messages.clear();
        click(&dialog, kSave);
        ASSERT_EQ(messages.messages.size(), 1u) << c.path;
        EXPECT_EQ(messages.messages[0].text,
                  QString::fromStdString("Fehler beim Schreiben von Datei : \"" + c.path + "\""));
        EXPECT_EQ(messages.messages[0].caption, "Dateizugriff");
        EXPECT_EQ(messages.messages[0].icon, Icon::Error);
        EXPECT_EQ(control<QProgressBar>(&dialog, kProgress)->value(), 0);
        EXPECT_FALSE(dialog.isRunning());
    }
}

TEST_F(GraticuleDialog, UnitQuestionForTheMetafile) {
    const std::string path = prepare("Quorin Meta-Datei", "alt.met");
    graticule_test::writeFile(path, "alter Inhalt");
    messages.answers.push_back(Answer::No);
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Die Einheiten sind nicht auf Pixel eingestellt !\n\nTrotzdem fortfahren ?");
    EXPECT_EQ(messages.messages[0].caption, "Einheiten");
    EXPECT_EQ(messages.messages[0].icon, Icon::Question);
    EXPECT_EQ(messages.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(readFile(path), "alter Inhalt");

    messages.clear();
    messages.answers.push_back(Answer::Yes);
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].caption, "Fertig");
    EXPECT_TRUE(readFile(path).starts_with("1 0 0\n5 2 0\n"));

    // In pixels nobody is asked.
    dialog.projectionRun = [this] {
        return dialog.acceptProjection(std::string(geodesy::kBonne), "pixel");
    };
    click(&dialog, kProjectionButton);
    control(&dialog, kFileFormat)->setFocus(Qt::TabFocusReason);
    messages.clear();
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Fertig");
}

TEST_F(GraticuleDialog, MetafileUsesTheKeysOfTheSettingsDialog) {
    const std::string path = prepare("Quorin Meta-Datei", "schluessel.met");
    dialog.m_dlgMetafileSettings.m_nKey10 = 4711;
    messages.answers.push_back(Answer::Yes);
    click(&dialog, kSave);
    const std::string file = readFile(path);
    EXPECT_TRUE(
        file.starts_with("1 0 0\n5 2 0\nVIZ-METAFILE QUORIN (C)\n(Created by Gitterwerk)\n"
                         "21 0 4711\n11 361 0\n"));
    EXPECT_NE(file.find("21 0 9005\n"), std::string::npos);
    EXPECT_TRUE(file.ends_with("0 0 0\n"));
}

TEST_F(GraticuleDialog, RealProjectionDialogConfirmsTheProjection) {
    dialog.projectionRun = [this] {
        dialog.m_dlgProjection.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog.m_dlgProjection));
        dialog.m_dlgProjection.accept();
        return dialog.m_dlgProjection.result();
    };
    click(&dialog, kProjectionButton);
    EXPECT_EQ(dialog.m_strProjection,
              definition::projectionSummary(dialog.m_dlgProjection.m_strProjectionName,
                                            dialog.m_dlgProjection.m_nStrip,
                                            dialog.m_dlgProjection.m_dCentralMeridian));
    const std::string path = dir.file("echt.txt");
    chooseTarget(path);
    dialog_test::choose(&dialog, kFileFormat, "Textdatei");
    messages.clear();
    click(&dialog, kSave);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Fertig");
    EXPECT_EQ(graticule_test::textBlocks(readFile(path)).size(), 19u + 4u + 37u);
}

}  // namespace

namespace {

// Runs too large to start unasked, and metafile lines longer than a record's
// count field: both are settled before the file is opened. A whole-globe
// graticule with a step of 1e-4° has some 10^8 points; one of 1e-7° has
// parallels of 3.6e9 points, beyond the 2147483647 a count field holds.
struct RunSizeCase {
    const char* format;
    double step;
    const char* caption;
    platform::Icon icon;
    platform::Buttons buttons;
};

const RunSizeCase kRunSizeCases[] = {
    {"Textdatei", 1e-4, "Kartennetz", platform::Icon::Question, platform::Buttons::YesNo},
    {"Adobe Illustrator / FreeHand", 1e-4, "Kartennetz", platform::Icon::Question,
     platform::Buttons::YesNo},
    {"Quorin Meta-Datei", 1e-7, "Falsche Eingabe", platform::Icon::Exclamation,
     platform::Buttons::Ok},
};

TEST_F(GraticuleDialog, LargeRunsAreAskedForAndOverlongMetafileLinesRefused) {
    for (const RunSizeCase& c : kRunSizeCases) {
        SCOPED_TRACE(c.format);
        const std::string path = prepare(c.format, "gross");
        dialog.m_dParallelStep = c.step;
        dialog.m_dMeridianStep = c.step;
        dialog.updateData(false);
        messages.answers.push_back(platform::Answer::No);
        click(&dialog, kSave);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].caption, c.caption);
        EXPECT_EQ(messages.messages[0].icon, c.icon);
        EXPECT_EQ(messages.messages[0].buttons, c.buttons);
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.isRunning());
    }
}

}  // namespace
