#pragma once
// Drives the graticule dialogs as a user would (typing, focus moves, list
// choices, clicks, shortcut keys) and replaces the modal runs of the owned
// dialogs with scripted answers.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <ostream>

#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "graticule/graticule_dlg.h"
#include "platform/controls.h"
#include "tests/support/bonne_record.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/recording_messages.h"

namespace dialog_test {

using driver::choose;
using driver::click;
using driver::focused;
using driver::key;
using driver::open;
using driver::text;
using driver::type;

template <class W = QWidget>
W* control(QWidget* dialog, int id) {
    return driver::find<W>(dialog, id);
}

// The shared Bonne record in the given unit.
inline geodesy::ProjectionParams bonne(const std::string& unit, double resolution = 32.0) {
    return test_records::bonne(geodesy::unitMillimetres(unit, resolution));
}

// The graticule dialog with the modal runs of its owned dialogs scripted.
class TestGraticuleDlg : public CGraticuleDlg {
public:
    TestGraticuleDlg() {
        projectionRun = [this] { return acceptProjection(std::string(geodesy::kBonne), "mm"); };
        settingsRun = [] { return int(QDialog::Rejected); };
    }

    // What the projection dialog's OK leaves behind for its owner.
    int acceptProjection(const std::string& type, const std::string& unit, int strip = 2,
                         double resolution = 32.0) {
        m_dlgProjection.m_strProjectionName = type;
        m_dlgProjection.m_nStrip = strip;
        m_dlgProjection.m_strUnits = unit;
        m_dlgProjection.m_dResolution = resolution;
        m_dlgProjection.m_params = bonne(unit, resolution);
        return QDialog::Accepted;
    }

    std::function<int()> projectionRun;
    std::function<int()> settingsRun;
    int projectionRuns = 0;
    int settingsRuns = 0;
    std::time_t clock = 1055426587;  // Thu Jun 12 2003, 14:03:07 UTC

protected:
    int runProjectionDialog() override {
        ++projectionRuns;
        return projectionRun();
    }
    int runMetafileSettingsDialog() override {
        ++settingsRuns;
        return settingsRun();
    }
    std::time_t currentTime() const override { return clock; }
};

}  // namespace dialog_test
