// Renders the graticule dialogs in typical states to PNG files:
//   snap_graticule OUTDIR
#include <QApplication>
#include <QDir>
#include <QProgressBar>
#include <QTest>
#include <cstdio>

#include "definition/summary.h"
#include "geodesy/projection_names.h"
#include "graticule/graticule_dlg.h"
#include "graticule/metafile_settings_dlg.h"
#include "platform/controls.h"
#include "tests/support/snapshot.h"

namespace {}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDir dir;
    if (!snapshot::outputFolder(argc, argv, dir)) return 2;
    bool ok = true;

    CGraticuleDlg graticule;
    ok &= snapshot::save(graticule, dir, QStringLiteral("graticule_defaults"));
    graticule.hide();

    graticule.m_dSouth = 35.5;
    graticule.m_dNorth = 71.25;
    graticule.m_dWest = -12;
    graticule.m_dEast = 42;
    graticule.m_dSpacing = 2.5;
    graticule.m_dParallelStep = 0.1;
    graticule.m_dMeridianStep = 0.1;
    graticule.m_strProjection =
        definition::projectionSummary(std::string(geodesy::kGaussKruegerAustria), 31, 0.0);
    graticule.m_strFileFormat = "Quorin Meta-Datei";
    graticule.m_strTargetFile = "/home/kartograf/Österreich/Gradnetz_Übersicht_1_500000.met";
    ok &= snapshot::save(graticule, dir, QStringLiteral("graticule_metafile"));

    graticule.setRunning(true);
    platform::findControlAs<QProgressBar>(&graticule, 1105)->setValue(42);
    ok &= snapshot::save(graticule, dir, QStringLiteral("graticule_running"));
    graticule.setRunning(false);
    graticule.hide();

    CMetafileSettingsDlg settings;
    ok &= snapshot::save(settings, dir, QStringLiteral("metafile_settings"));
    return ok ? 0 : 1;
}
