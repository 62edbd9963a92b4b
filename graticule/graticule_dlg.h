#pragma once
// "Kartennetz / Koordinaten erzeugen": the extent, spacing and point
// densities of a graticule, its projection, file format and target file; its
// "&Speichern" runs the generation. The dialog object lives as long as the
// main window, so every value survives from one opening to the next.

#include <ctime>
#include <memory>
#include <string>

#include "definition/projection_dlg.h"
#include "graticule/extent.h"
#include "graticule/graticule_writer.h"
#include "graticule/metafile_settings_dlg.h"
#include "platform/dialog.h"

class QLineEdit;

namespace Ui {
class CGraticuleDlg;
}

// The control ids of "Kartennetz / Koordinaten erzeugen".
namespace graticule_ids {
enum ControlId : int {
    kOk = 1,
    kCancel = 2,
    kSouth = 1003,
    kNorth = 1004,
    kWest = 1005,
    kEast = 1006,
    kSpacing = 1007,
    kParallelStep = 1008,
    kMeridianStep = 1009,
    kSettings = 1010,
    kSave = 1012,
    kProjection = 1013,
    kProjectionButton = 1014,
    kTargetFileButton = 1015,
    kTargetFile = 1016,
    kFileFormat = 1089,
    kProgress = 1105,
};
}  // namespace graticule_ids

class CGraticuleDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CGraticuleDlg(QWidget* parent = nullptr);
    ~CGraticuleDlg() override;

    // Exchanged with the controls, in this order (control ids in brackets).
    double m_dSouth = -90.0;       // 1003 "s&üdliche Breite"
    double m_dNorth = 90.0;        // 1004 "&nördliche Breite"
    double m_dWest = -180.0;       // 1005 "wes&tliche Länge"
    double m_dEast = 180.0;        // 1006 "&östliche Länge"
    double m_dSpacing = 10.0;      // 1007 "Netzabst&and"
    double m_dParallelStep = 1.0;  // 1008 "Punktdichte der &Breitengrade"
    double m_dMeridianStep = 1.0;  // 1009 "Punktdichte der &Längengrade"
    std::string m_strProjection;   // 1013 (read-only) the summary of the projection
    std::string m_strFileFormat;   // 1089 "&Dateiformat"
    std::string m_strTargetFile;   // 1016 "&Zieldatei"

    CMetafileSettingsDlg m_dlgMetafileSettings;  // button 1010
    CProjectionDlg m_dlgProjection;              // button 1014

    // Bounding box of the points written by the last run, output units.
    double m_dXMin = 0.0;
    double m_dXMax = 0.0;
    double m_dYMin = 0.0;
    double m_dYMax = 0.0;

public slots:
    // Takes over all fields and closes; stays open when a field does not parse.
    void accept() override;
    // Puts back the seven numbers, the format and the target file of the
    // opening and closes (ignored while a run is under way).
    void reject() override;

protected:
    void doDataExchange(platform::DataExchange& dx) override;
    void initDialog() override;

    // The modal runs of the owned dialogs; tests replace them.
    virtual int runProjectionDialog();
    virtual int runMetafileSettingsDialog();
    // The time stamped into Illustrator documents.
    virtual std::time_t currentTime() const;

private:
    struct Backup;

    void onProjectionClicked();
    void onSettingsClicked();
    void onTargetFileClicked();
    void onFileFormatActivated();
    void onSaveClicked();
    bool onExtentFocusLost(graticule::ExtentField field);

    void updateSettingsButton();
    graticule::GraticuleExtent extent() const;
    // The checks of "&Speichern" before a run; false after showing the first failure.
    bool checkBeforeSaving();
    // The size of the run: refuses a metafile line longer than its count
    // field holds, and asks before a very large run; false to stop.
    bool confirmRunSize();
    // The writer of the chosen format, or nullptr for an unknown format text.
    std::unique_ptr<graticule::GraticuleWriter> makeWriter() const;
    void runGeneration(graticule::GraticuleWriter& writer);

    std::unique_ptr<Ui::CGraticuleDlg> ui_;
    platform::FieldControls<graticule::ExtentField> extentEdits_;
    std::unique_ptr<Backup> backup_;
    // Set only when the projection dialog was closed with OK: before that its
    // record describes no projection the user accepted.
    bool projectionConfirmed_ = false;
};
