// "Laden ..." and "Speichern ..." of the projection dialog: a definition saved
// and loaded again gives the record of the dialog's own OK; failures change
// nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>

#include "definition/projection_dlg.h"
#include "geodesy/catalogues.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_projection_dlg.h"

namespace {

using namespace driver;
using namespace projection_ids;

class ProjectionFilesTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    // A button, with the file that a file dialog it opens will choose.
    void click(TestProjectionDlg& d, int button, const QString& file = {}) {
        if (!file.isEmpty()) messages.files.push_back(file);
        driver::click(&d, button);
    }

    QTemporaryDir dir;
    platform::RecordingMessageService messages;
    TestProjectionDlg dlg;
};

struct RoundTrip {
    const char* kind;
    std::function<void(TestProjectionDlg&)> enter;
};

// Entered as a user enters them: a meridian the dialog computes and shows
// with 15 digits, typed values with more digits and a negative zero.
const RoundTrip kRoundTrips[] = {
    {"Austrian strip",
     [](TestProjectionDlg& d) {
         choose(&d, kProjection, QStringLiteral("Gauß-Krüger (Österreich Meldenetz)"));
         type(&d, kStrip, "31");
     }},
    {"Swiss grid in pixels",
     [](TestProjectionDlg& d) {
         choose(&d, kProjection, QStringLiteral("Schweizer Landesgitter"));
         click(&d, kNatural);
         choose(&d, kUnits, QStringLiteral("pixel"));
         type(&d, kResolution, "11.811");
         type(&d, kRefY, "-0.30000000000000004");
         type(&d, kRotation, "-0");
     }},
    {"individual datum",
     [](TestProjectionDlg& d) {
         choose(&d, kProjection, QStringLiteral("UTM"));
         d.datumRun = [](CDatumDlg& datum) {
             datum.m_datum = {"(individuell)",
                              "(individuell)",
                              6377397.155,
                              6356078.962818189,
                              582,
                              105,
                              414.1,
                              0,
                              -3.1e-7,
                              0,
                              8.3e-6};
             return int(QDialog::Accepted);
         };
         click(&d, kDatumButton);
     }},
};

TEST_F(ProjectionFilesTest, SavedAndLoadedGivesTheSameRecordBitForBit) {
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.kind);
        TestProjectionDlg first, second;
        driver::open(&first);
        c.enter(first);
        click(first, kSave, path("round.gwp"));
        click(first, kOk);
        ASSERT_FALSE(first.isVisible());
        driver::open(&second);
        click(second, kLoad, path("round.gwp"));
        click(second, kOk);
        ASSERT_FALSE(second.isVisible());
        EXPECT_EQ(second.m_params, first.m_params);
        // == takes -0 for 0.
        EXPECT_EQ(std::signbit(second.m_params.rotationAngle),
                  std::signbit(first.m_params.rotationAngle));
        EXPECT_EQ(second.m_strDatum, first.m_strDatum);
        EXPECT_EQ(messages.texts(), QStringList());
    }
    EXPECT_EQ(messages.fileDialogs.back().defaultSuffix, "gwp");
    EXPECT_EQ(messages.fileDialogs.back().filter, "Projektionsdefinition (*.gwp)");
}

TEST_F(ProjectionFilesTest, CancelAfterLoadingRestoresTheOpening) {
    driver::open(&dlg);
    click(dlg, kOk);
    const geodesy::ProjectionParams accepted = dlg.m_params;
    driver::open(&dlg);
    QFile file(path("swiss.gwp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("projectionName = Schweizer Landesgitter\ndatum = CH1903 (Obs. Bern)\n");
    file.close();
    click(dlg, kLoad, path("swiss.gwp"));
    // The grid's false easting and northing at the Bern fundamental point.
    EXPECT_EQ(text(&dlg, kRefX), "600000");
    EXPECT_EQ(text(&dlg, kRefY), "200000");
    EXPECT_FALSE(shown(&dlg, kRadius));
    EXPECT_EQ(dlg.m_dlgDatum.m_datum.ellipsoidName, "Bessel (1841)");
    click(dlg, kCancel);
    EXPECT_EQ(dlg.m_strProjectionName, "Bonn'sche Abbildung");
    EXPECT_EQ(dlg.m_dlgDatum.m_datum, geodesy::lookupDatum("ED50"));
    EXPECT_EQ(dlg.m_params, accepted);
}

TEST_F(ProjectionFilesTest, FailuresShowTheirBoxAndChangeNothing) {
    driver::open(&dlg);
    choose(&dlg, kProjection, QStringLiteral("UTM"));
    const auto expectBox = [&](int button, const QString& file, const QString& box,
                               platform::Icon icon) {
        messages.clear();
        click(dlg, button, file);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, box.arg(file));
        EXPECT_EQ(messages.messages[0].caption,
                  icon == platform::Icon::Error ? "Dateizugriff" : "Falsche Eingabe");
        EXPECT_EQ(messages.messages[0].icon, icon);
        EXPECT_EQ(dlg.m_strProjectionName, "UTM");
        EXPECT_EQ(text(&dlg, kStrip), "2");
        EXPECT_TRUE(dlg.isVisible());
    };
    QFile bad(path("bad.gwp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("projectionName = UTM\n# zone\nstripNumber = 61\n");
    bad.close();
    expectBox(kLoad, path("bad.gwp"),
              "Datei \"%1\", Zeile 3: \"stripNumber\": Streifennummer zwischen 1 und 60",
              platform::Icon::Exclamation);
    const QString openError = QStringLiteral("Fehler beim Öffnen von Datei : \"%1\"");
    expectBox(kLoad, path("none.gwp"), openError, platform::Icon::Error);
    expectBox(kLoad, dir.path(), openError, platform::Icon::Error);
    const QString writeError = QStringLiteral("Fehler beim Schreiben von Datei : \"%1\"");
    expectBox(kSave, path("none/a.gwp"), writeError, platform::Icon::Error);
    expectBox(kSave, "/dev/full", writeError, platform::Icon::Error);
}

}  // namespace
