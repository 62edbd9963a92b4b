#pragma once
// The transformation dialog with its owned dialogs and file operations
// scripted, and projections defined as the projection dialog's OK leaves them.

#include <gtest/gtest.h>

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/recording_messages.h"
#include "transform/transform_dlg.h"
#include "transform_dlg_sides.h"

namespace transform_dlg_test {

using namespace transform_ids;
// Per side: the projection and datum lines, the "..." button, the unit labels.
constexpr int kProjection[2] = {kProjection1, kProjection2};
constexpr int kDatum[2] = {kDatum1, kDatum2};
constexpr int kProjectionButton[2] = {kProjectionButton1, kProjectionButton2};
constexpr int kUnitX[2] = {kUnitX1, kUnitX2};
constexpr int kUnitY[2] = {kUnitY1, kUnitY2};

constexpr double kEarthRadius = 6371000.0;

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
