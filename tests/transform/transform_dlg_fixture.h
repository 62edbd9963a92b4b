#pragma once
// The transformation dialog with its owned dialogs and file operations
// scripted, and projections defined as the projection dialog's OK leaves them.

#include <gtest/gtest.h>

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "definition/type_rules.h"
#include "geodesy/catalogues.h"
#include "geodesy/projection_names.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/recording_messages.h"
#include "transform/transform_dlg.h"

namespace transform_dlg_test {

// Control ids of the dialog.
constexpr int kProjection[2] = {1015, 1016};
constexpr int kDatum[2] = {1017, 1018};
constexpr int kProjectionButton[2] = {1079, 1080};
// Per side in the order of transform::PanelField.
constexpr int kPanel[2][7] = {{1072, 1045, 1077, 1050, 1048, 1049, 1063},
                              {1075, 1046, 1084, 1054, 1052, 1053, 1068}};
constexpr int kUnitX[2] = {1073, 1076};
constexpr int kUnitY[2] = {1074, 1083};
constexpr int kSourceFile = 1003, kTargetFile = 1004, kSourceButton = 1008, kTargetButton = 1009,
              kSave = 1085, kProjectionMode = 1086, kCoordinateMode = 1088, kAngleFormat = 1087,
              kFileFormat = 1089, kProgress = 1105, kClose = 1;

constexpr double kEarthRadius = 6371000.0;

// A definition as the projection dialog would hold it after the user chose
// the type (with natural coordinates).
inline definition::ProjectionDefinition definitionOf(std::string_view type, int strip = 2) {
    definition::ProjectionDefinition d;
    definition::applyProjectionType(d, std::string(type));
    d.strip = strip;
    definition::stripChanged(d);
    definition::applyNaturalCalibration(d, d.projectionName);
    return d;
}

// The equidistant cylinder on the sphere with the equator as its true
// parallel: X = R·lon, Y = R·lat (radians), in metres, or in kilometres.
inline definition::ProjectionDefinition plateCarree(bool kilometres = false) {
    definition::ProjectionDefinition d = definitionOf(geodesy::kCylinderEquidistant);
    d.delta1 = 90.0;
    if (kilometres) {
        d.units = d.unitX = d.unitY = std::string(geodesy::kUnitKilometre);
    }
    return d;
}

// What the projection dialog's OK leaves for its owner.
inline int acceptDefinition(CProjectionDlg& dialog, const definition::ProjectionDefinition& d,
                            const std::string& datumName = "ED50") {
    dialog.m_dlgDatum.m_datum = geodesy::lookupDatum(datumName);
    dialog.m_dlgDatum.m_datum.datumName = datumName;
    dialog.m_strProjectionName = d.projectionName;
    dialog.m_nStrip = d.strip;
    dialog.m_dCentralMeridian = d.centralMeridian;
    dialog.m_strUnits = d.units;
    dialog.m_strUnitX = d.unitX;
    dialog.m_strUnitY = d.unitY;
    dialog.m_dResolution = d.resolution;
    dialog.m_params = definition::buildParams(d, dialog.m_dlgDatum.m_datum);
    return QDialog::Accepted;
}

class TestTransformDlg : public CTransformDlg {
public:
    // The next run of each side's projection dialog; by default "Abbrechen".
    std::array<std::function<int(CProjectionDlg&)>, 2> projectionRun;
    // The file operation; without one the real operation of the format runs.
    std::function<transform::FileTransformResult(const transform::FileTransformRequest&,
                                                 fileio::Feedback&)>
        fileRun;
    std::vector<transform::FileTransformRequest> requests;
    std::vector<fileio::FileFormatKind> kinds;

    void define(int side, const definition::ProjectionDefinition& d,
                const std::string& datumName = "ED50") {
        projectionRun[side] = [d, datumName](CProjectionDlg& dialog) {
            return acceptDefinition(dialog, d, datumName);
        };
        driver::click(this, kProjectionButton[side]);
        projectionRun[side] = nullptr;
    }

    // Both sides back to "not defined", shown.
    void undefineBoth() {
        m_strProjection1 = m_strProjection2 = "(undefinierte Projektion)";
        updateData(false);
    }

protected:
    int runProjectionDialog(int side) override {
        CProjectionDlg& dialog = side == 0 ? m_dlgProjection1 : m_dlgProjection2;
        return projectionRun[side] ? projectionRun[side](dialog) : int(QDialog::Rejected);
    }
    transform::FileTransformResult runFileTransform(fileio::FileFormatKind kind,
                                                    const transform::FileTransformRequest& request,
                                                    fileio::Feedback& feedback) override {
        requests.push_back(request);
        kinds.push_back(kind);
        if (!fileRun) return CTransformDlg::runFileTransform(kind, request, feedback);
        return fileRun(request, feedback);
    }
};

}  // namespace transform_dlg_test
