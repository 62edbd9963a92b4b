#pragma once
// The projection dialog with the modal run of its datum dialog replaced by a
// function the test supplies (no real modal loop in a test).

#include <QDialog>
#include <functional>

#include "definition/projection_dlg.h"

class TestProjectionDlg : public CProjectionDlg {
public:
    std::function<int(CDatumDlg&)> datumRun;
    int datumRuns = 0;

protected:
    int runDatumDialog() override {
        ++datumRuns;
        return datumRun ? datumRun(m_dlgDatum) : int(QDialog::Rejected);
    }
};
