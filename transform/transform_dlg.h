#pragma once
// "Kartennetz / Koordinaten transformieren": two projection sides, each
// defined in its own projection dialog, the interactive panels that show one
// point on both sides, and the transformation of a whole file according to
// three mode selections. The main window holds the dialog object for the
// whole run, so every value survives from one opening to the next.

#include <array>
#include <memory>
#include <string>

#include "definition/projection_dlg.h"
#include "fileio/feedback.h"
#include "fileio/file_formats.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "transform/mode_rules.h"
#include "transform/panel_point.h"
#include "transform/transform_request.h"

namespace Ui {
class CTransformDlg;
}

// The control ids of "Kartennetz / Koordinaten transformieren".
namespace transform_ids {
enum ControlId : int {
    kClose = 1,  // "Schliessen"
    kProjection1 = 1015,
    kProjection2 = 1016,
    kDatum1 = 1017,
    kDatum2 = 1018,
    kProjectionButton1 = 1079,
    kProjectionButton2 = 1080,
    kLat1 = 1072,
    kLon1 = 1045,
    kLat2 = 1075,
    kLon2 = 1046,
    kLat1Dms = 1077,
    kLon1Dms = 1050,
    kLat2Dms = 1084,
    kLon2Dms = 1054,
    kX1 = 1048,
    kY1 = 1049,
    kX2 = 1052,
    kY2 = 1053,
    kUnitX1 = 1073,
    kUnitY1 = 1074,
    kUnitX2 = 1076,
    kUnitY2 = 1083,
    kHeight1 = 1063,
    kHeight2 = 1068,
    kSourceFile = 1003,
    kTargetFile = 1004,
    kSourceButton = 1008,
    kTargetButton = 1009,
    kSave = 1085,
    kProjectionMode = 1086,
    kCoordinateMode = 1088,
    kAngleFormat = 1087,
    kFileFormat = 1089,
    kProgress = 1105,
};
// The panel edits of side 1 and side 2, in the order of transform::PanelField.
inline constexpr int kPanel[2][7] = {{kLat1, kLon1, kLat1Dms, kLon1Dms, kX1, kY1, kHeight1},
                                     {kLat2, kLon2, kLat2Dms, kLon2Dms, kX2, kY2, kHeight2}};
}  // namespace transform_ids

class CTransformDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CTransformDlg(QWidget* parent = nullptr);
    ~CTransformDlg() override;

    // Exchanged with the controls, in this order (control ids in brackets).
    std::string m_strProjection1;     // 1015 (read-only) summary of projection 1
    std::string m_strProjection2;     // 1016 (read-only)
    std::string m_strDatum1;          // 1017 (read-only) datum line of side 1
    std::string m_strDatum2;          // 1018 (read-only)
    double m_dLat1 = 0.0;             // 1072 "&Breite", decimal degrees
    double m_dLon1 = 0.0;             // 1045 "&Länge"
    double m_dLat2 = 0.0;             // 1075 "B&reite"
    double m_dLon2 = 0.0;             // 1046 "Län&ge"
    double m_dLat1Dms = 0.0;          // 1077, dd.mmssss
    double m_dLon1Dms = 0.0;          // 1050
    double m_dLat2Dms = 0.0;          // 1084
    double m_dLon2Dms = 0.0;          // 1054
    double m_dX1 = 0.0;               // 1048 "&X (Rechts)"
    double m_dY1 = 0.0;               // 1049 "&Y (Hoch)"
    double m_dX2 = 0.0;               // 1052 "X (Rech&ts)"
    double m_dY2 = 0.0;               // 1053 "Y (Ho&ch)"
    std::string m_strUnitX1;          // 1073, the unit behind X of side 1
    std::string m_strUnitY1;          // 1074
    std::string m_strUnitX2;          // 1076
    std::string m_strUnitY2;          // 1083
    double m_dHeight1 = 0.0;          // 1063 "&Höhe", metres
    double m_dHeight2 = 0.0;          // 1068 "Höh&e"
    std::string m_strSourceFile;      // 1003 "&Quelldatei"
    std::string m_strTargetFile;      // 1004 "&Zieldatei"
    std::string m_strProjectionMode;  // 1086 "Projektio&nen"
    std::string m_strCoordinateMode;  // 1088 "&Koordinaten"
    std::string m_strAngleFormat;     // 1087 "&Winkelformat"
    std::string m_strFileFormat;      // 1089 "&Dateiformat"

    CProjectionDlg m_dlgProjection1;  // button 1079
    CProjectionDlg m_dlgProjection2;  // button 1080

    // The WGS 84 point the last datum chain of the panels passed through.
    double m_dWgsLat = 0.0;
    double m_dWgsLon = 0.0;
    double m_dWgsHeight = 0.0;

    // The side's projection text is not the placeholder (side 0 or 1).
    bool isSideDefined(int side) const;

public slots:
    // "Schliessen": takes over all fields and closes; stays open when a field
    // does not parse.
    void accept() override;

protected:
    void doDataExchange(platform::DataExchange& dx) override;

    // The modal run of a side's projection dialog (side 0 or 1); tests replace it.
    virtual int runProjectionDialog(int side);
    // The file operation of a format, on the snapshot taken at the start.
    virtual transform::FileTransformResult runFileTransform(
        fileio::FileFormatKind kind, const transform::FileTransformRequest& request,
        fileio::Feedback& feedback);

private:
    void onProjectionClicked(int side);
    bool onPanelFocusLost(int side, transform::PanelField field);
    void onProjectionModeActivated();
    void onCoordinateModeActivated();
    void onAngleFormatActivated();
    void onFileFormatActivated();
    void onSourceFileClicked();
    void onTargetFileClicked();
    void onSaveClicked();

    CProjectionDlg& projectionDialog(int side);
    transform::PanelSides panelSides() const;
    void setPanelSides(const transform::PanelSides& sides);
    transform::PanelProjections panelProjections() const;
    void keepWgs84(const transform::PanelResult& result);
    // Applies a mode rule to the members after taking over the controls.
    void applyModeRule(void (*rule)(transform::ModeSelection&));
    // The checks of "&Speichern" before a run; false after showing the first failure.
    bool checkBeforeSaving();
    // The unit questions of the metafile format; false when one was answered No.
    bool confirmUnits(const transform::TransformSnapshot& snapshot);
    transform::FileTransformRequest takeSnapshot() const;
    void runTransformation(const fileio::FileFormat& format,
                           const transform::FileTransformRequest& request);

    std::unique_ptr<Ui::CTransformDlg> ui_;
    // The edit of each panel field, side 1 and side 2.
    std::array<platform::FieldControls<transform::PanelField>, 2> panelEdits_;
};
