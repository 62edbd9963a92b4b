// "Laden ..." and "Speichern ..." of the projection dialog: a definition saved
// and loaded again through the dialog gives the record of the dialog's own OK,
// and every failure leaves the dialog as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <bit>
#include <cstdint>
#include <functional>

#include "definition/projection_dlg.h"
#include "geodesy/catalogues.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_projection_dlg.h"

namespace {

using namespace driver;
using namespace projection_ids;
using geodesy::ProjectionParams;

const QString kFilter = QStringLiteral("Projektionsdefinition (*.gwp)");

// The record to the last bit: == takes -0 for 0.
void expectSameBits(const ProjectionParams& a, const ProjectionParams& b) {
    EXPECT_EQ(a, b);
    for (double ProjectionParams::*m :
         {&ProjectionParams::scaleDenominator, &ProjectionParams::sphereRadius,
          &ProjectionParams::mainPointLat, &ProjectionParams::mainPointLon,
          &ProjectionParams::delta1, &ProjectionParams::delta2, &ProjectionParams::refPointLat,
          &ProjectionParams::refPointLon, &ProjectionParams::refPointX,
          &ProjectionParams::refPointY, &ProjectionParams::offsetX, &ProjectionParams::offsetY,
          &ProjectionParams::rotationAngle, &ProjectionParams::unitMillimetres}) {
        EXPECT_EQ(std::bit_cast<uint64_t>(a.*m), std::bit_cast<uint64_t>(b.*m));
    }
}

// What the user sees: the text, shown and enabled state of every control.
QStringList screen(QWidget* dialog) {
    QStringList seen;
    for (int id :
         {kProjection, kBody,   kRadius, kDatum,           kMainLat, kMainLon,    kDeltaLabel,
          kDelta1,     kDelta2, kStrip,  kCentralMeridian, kUnits,   kResolution, kScale,
          kRefLat,     kRefLon, kRefX,   kUnitX,           kRefY,    kUnitY,      kRotation}) {
        seen << QStringLiteral("%1 %2 %3 %4")
                    .arg(id)
                    .arg(text(dialog, id))
                    .arg(shown(dialog, id))
                    .arg(enabled(dialog, id));
    }
    seen << QString::number(find<QCheckBox>(dialog, kNatural)->isChecked());
    return seen;
}

class ProjectionFilesTest : public ::testing::Test {
public:
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void writeFile(const QString& name, const char* text) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void load(TestProjectionDlg& dialog, const QString& name) {
        messages.files.push_back(name);
        click(&dialog, kLoad);
    }

    QTemporaryDir dir;
    platform::RecordingMessageService messages;
    TestProjectionDlg dlg;
};

struct RoundTrip {
    const char* kind;
    std::function<void(TestProjectionDlg&)> enter;
};

// Entered as a user enters them; digits beyond the fifteen shown go through
// the dialog's own rounding where a handler shows the fields again.
const RoundTrip kRoundTrips[] = {
    {"Austrian strip, computed meridian",
     [](TestProjectionDlg& d) {
         choose(&d, kProjection, QStringLiteral("Gauß-Krüger (Österreich Meldenetz)"));
         type(&d, kStrip, "31");
         click(&d, kDatumButton);  // the run below picks a catalogue datum
     }},
    {"Gauß-Krüger (Allgemein), a 17-digit meridian",
     [](TestProjectionDlg& d) {
         choose(&d, kProjection, QStringLiteral("Gauß-Krüger (Allgemein)"));
         type(&d, kCentralMeridian, "10.123456789012345678");
         click(&d, kNatural);
         type(&d, kRefY, "-0.30000000000000004");
     }},
    {"Swiss grid, own calibration in pixels",
     [](TestProjectionDlg& d) {
         choose(&d, kProjection, QStringLiteral("Schweizer Landesgitter"));
         click(&d, kNatural);
         choose(&d, kUnits, QStringLiteral("pixel"));
         type(&d, kResolution, "11.811");
         type(&d, kScale, "25000");
         type(&d, kRefX, "0.1");
         type(&d, kRotation, "-0");
     }},
    {"individual datum and ellipsoid",
     [](TestProjectionDlg& d) {
         choose(&d, kProjection, QStringLiteral("Gauß-Krüger (Deutschland)"));
         type(&d, kStrip, "3");
         d.datumRun = [](CDatumDlg& datum) {
             driver::open(&datum);
             choose(&datum, datum_ids::kDatum, QStringLiteral("(individuell)"));
             choose(&datum, datum_ids::kEllipsoid, QStringLiteral("(individuell)"));
             type(&datum, datum_ids::kSemiMajor, "6377397.155");
             type(&datum, datum_ids::kSemiMinor, "6356078.962818189");
             type(&datum, datum_ids::kShiftX, "582");
             type(&datum, datum_ids::kShiftZ, "414.1");
             type(&datum, datum_ids::kPsi, "-0.00000031");
             type(&datum, datum_ids::kScaleCorrection, "8.3e-6");
             click(&datum, datum_ids::kOk);
             return datum.result();
         };
         click(&d, kDatumButton);
     }},
};

TEST_F(ProjectionFilesTest, SavedAndLoadedThroughTheDialogGivesTheSameRecord) {
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.kind);
        messages.clear();
        TestProjectionDlg first;
        first.datumRun = [](CDatumDlg& datum) {
            datum.m_datum = geodesy::lookupDatum("MGI (Hermannskogel)");
            return int(QDialog::Accepted);
        };
        driver::open(&first);
        c.enter(first);
        const QString name = path("round.gwp");
        messages.files.push_back(name);
        click(&first, kSave);
        ASSERT_TRUE(first.isVisible());
        const QStringList seen = screen(&first);
        click(&first, kOk);
        ASSERT_FALSE(first.isVisible());

        TestProjectionDlg second;
        driver::open(&second);
        load(second, name);
        EXPECT_EQ(screen(&second), seen);
        click(&second, kOk);
        ASSERT_FALSE(second.isVisible());
        expectSameBits(second.m_params, first.m_params);
        EXPECT_EQ(second.m_params.datum, first.m_params.datum);
        EXPECT_EQ(second.m_strDatum, first.m_strDatum);
        EXPECT_EQ(second.m_strUnitX, first.m_strUnitX);
        EXPECT_EQ(messages.texts(), QStringList());
        ASSERT_EQ(messages.fileDialogs.size(), 2u);
        EXPECT_TRUE(messages.fileDialogs[0].save);
        EXPECT_FALSE(messages.fileDialogs[1].save);
        for (const platform::RecordedFileDialog& f : messages.fileDialogs) {
            EXPECT_EQ(f.defaultSuffix, "gwp");
            EXPECT_EQ(f.filter, kFilter);
        }
    }
}

TEST_F(ProjectionFilesTest, CancelAfterLoadingRestoresTheOpening) {
    driver::open(&dlg);
    click(&dlg, kOk);
    const ProjectionParams accepted = dlg.m_params;
    driver::open(&dlg);
    const QStringList opening = screen(&dlg);
    writeFile(path("swiss.gwp"),
              "projectionName = Schweizer Landesgitter\ndatum = CH1903 (Obs. Bern)\n");
    load(dlg, path("swiss.gwp"));
    // The grid's published false easting and northing at the Bern fundamental point.
    EXPECT_EQ(text(&dlg, kRefX), "600000");
    EXPECT_EQ(text(&dlg, kRefY), "200000");
    EXPECT_EQ(text(&dlg, kCentralMeridian), "7.43958333");
    EXPECT_FALSE(shown(&dlg, kRadius));
    EXPECT_EQ(dlg.m_dlgDatum.m_datum.ellipsoidName, "Bessel (1841)");
    click(&dlg, kCancel);
    EXPECT_EQ(dlg.m_dlgDatum.m_datum, geodesy::lookupDatum("ED50"));
    expectSameBits(dlg.m_params, accepted);
    driver::open(&dlg);
    EXPECT_EQ(screen(&dlg), opening);
    // The next file dialog starts at the file last loaded.
    click(&dlg, kLoad);
    EXPECT_EQ(messages.fileDialogs.back().currentPath, path("swiss.gwp"));
}

struct Failure {
    const char* kind;
    bool save;
    std::function<QString(ProjectionFilesTest&)> target;  // the chosen path
    // The expected box, with %1 for the path; an empty text: no file dialog.
    QString text, caption;
    platform::Icon icon;
};

const Failure kFailures[] = {
    {"a file with an error", false,
     [](ProjectionFilesTest& t) {
         t.writeFile(t.path("bad.gwp"), "projectionName = UTM\n# strip\nstripNumber = 61\n");
         return t.path("bad.gwp");
     },
     "Datei \"%1\", Zeile 3: \"stripNumber\": Streifennummer zwischen 1 und 60", "Falsche Eingabe",
     platform::Icon::Exclamation},
    {"a missing file", false, [](ProjectionFilesTest& t) { return t.path("none.gwp"); },
     "Fehler beim Öffnen von Datei : \"%1\"", "Dateizugriff", platform::Icon::Error},
    {"a folder", false, [](ProjectionFilesTest& t) { return t.dir.path(); },
     "Fehler beim Öffnen von Datei : \"%1\"", "Dateizugriff", platform::Icon::Error},
    {"a folder that does not exist", true,
     [](ProjectionFilesTest& t) { return t.path("none/a.gwp"); },
     "Fehler beim Schreiben von Datei : \"%1\"", "Dateizugriff", platform::Icon::Error},
    {"a full disk", true, [](ProjectionFilesTest&) { return QStringLiteral("/dev/full"); },
     "Fehler beim Schreiben von Datei : \"%1\"", "Dateizugriff", platform::Icon::Error},
};

TEST_F(ProjectionFilesTest, FailuresShowTheirBoxAndChangeNothing) {
    for (const Failure& c : kFailures) {
        SCOPED_TRACE(c.kind);
        TestProjectionDlg d;
        driver::open(&d);
        choose(&d, kProjection, QStringLiteral("UTM"));
        const QStringList before = screen(&d);
        const QString name = c.target(*this);
        messages.clear();
        messages.files.push_back(name);
        click(&d, c.save ? kSave : kLoad);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, c.text.arg(name));
        EXPECT_EQ(messages.messages[0].caption, c.caption);
        EXPECT_EQ(messages.messages[0].icon, c.icon);
        EXPECT_EQ(screen(&d), before);
        EXPECT_EQ(d.m_dlgDatum.m_datum, geodesy::lookupDatum("ED50"));
        EXPECT_TRUE(d.isVisible());
    }
}

// "Speichern ..." refuses what OK refuses, with OK's message and focus, before
// any file dialog.
TEST_F(ProjectionFilesTest, SaveRefusesWhatOkRefuses) {
    driver::open(&dlg);
    choose(&dlg, kProjection, QStringLiteral("Zylinderabbildung (winkeltreu)"));
    type(&dlg, kDelta1, "180");  // a polar distance the field accepts
    messages.files.push_back(path("cylinder.gwp"));
    click(&dlg, kSave);
    EXPECT_EQ(messages.texts(),
              QStringList{"Mit diesen Parallelkreisen ist keine Abbildung möglich"});
    EXPECT_TRUE(focused(&dlg, kDelta1));
    EXPECT_TRUE(messages.fileDialogs.empty());
    EXPECT_FALSE(QFile::exists(path("cylinder.gwp")));
}

}  // namespace
