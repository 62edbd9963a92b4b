// Writes PNG pictures of the projection and datum dialogs in typical states
// into the directory given as the only argument.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <functional>

#include "definition/datum_dlg.h"
#include "definition/projection_dlg.h"
#include "geodesy/catalogues.h"
#include "tests/support/recording_messages.h"
#include "tests/support/snapshot.h"

namespace {

bool save(QWidget& dialog, const QDir& dir, const char* name) {
    const bool ok = snapshot::save(dialog, dir, QString::fromUtf8(name));
    dialog.hide();
    return ok;
}

bool projection(const QDir& dir, const char* name,
                const std::function<void(CProjectionDlg&)>& setUp) {
    CProjectionDlg dialog;
    setUp(dialog);
    return save(dialog, dir, name);
}

bool datum(const QDir& dir, const char* name, const std::function<void(CDatumDlg&)>& setUp) {
    CDatumDlg dialog;
    setUp(dialog);
    return save(dialog, dir, name);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDir dir;
    if (!snapshot::outputFolder(argc, argv, dir)) return 2;
    platform::RecordingMessageService messages;  // no real boxes

    bool ok = true;
    ok &= projection(dir, "projection_conic_sphere", [](CProjectionDlg& d) {
        d.m_strProjectionName = "Kegelabbildung (winkeltreu)";
        d.m_dMainLat = 50.0;
        d.m_dMainLon = 10.0;
        d.m_dDelta1 = 40.0;
        d.m_dDelta2 = 60.0;
    });
    ok &= projection(dir, "projection_utm_strip", [](CProjectionDlg& d) {
        d.m_strProjectionName = "UTM";
        d.m_nStrip = 32;
    });
    ok &= projection(dir, "projection_swiss_grid",
                     [](CProjectionDlg& d) { d.m_strProjectionName = "Schweizer Landesgitter"; });
    ok &= projection(dir, "projection_pixel_resolution", [](CProjectionDlg& d) {
        d.m_strProjectionName = "Azimutalabbildung (flächentreu)";
        d.m_bNatural = false;
        d.m_strUnits = d.m_strUnitX = d.m_strUnitY = "pixel";
        d.m_dScale = 25000000.0;
        d.m_dRefLat = 90.0;
        d.m_dRefX = 400.0;
        d.m_dRefY = 300.0;
        d.m_dRotation = -12.5;
    });
    ok &= datum(dir, "datum_catalogue", [](CDatumDlg& d) {
        d.m_datum = geodesy::lookupDatum("DHDN (Potsdam / Rauenberg)");
    });
    ok &= datum(dir, "datum_individual", [](CDatumDlg& d) {
        d.m_datum.datumName = "(individuell)";
        d.m_datum.ellipsoidName = "(individuell)";
        d.m_datum.semiMajorAxis = 6378000.0;
        d.m_datum.semiMinorAxis = 6356500.0;
        d.m_datum.shiftX = 12.5;
        d.m_datum.rotationPsi = -0.0005;
        d.m_datum.scaleCorrection = 2.5e-06;
    });
    return ok ? 0 : 1;
}
