#pragma once
// "Projektion definieren": edits one projection definition and builds from it,
// at each successful OK, the complete ProjectionParams (offsets included) that
// the owning dialog works with. The type rules it applies live in
// type_rules.h, free of Qt.

#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "definition/datum_dlg.h"
#include "definition/type_rules.h"
#include "geodesy/projection.h"
#include "platform/dialog.h"

namespace Ui {
class CProjectionDlg;
}

// The control ids of "Projektion definieren".
namespace projection_ids {
enum ControlId : int {
    kOk = 1,
    kCancel = 2,
    kProjection = 1005,
    kBody = 1088,
    kRadius = 1050,
    kRadiusUnit = 1110,
    kDatumLabel = 1106,
    kDatum = 1086,
    kDatumButton = 1087,
    kMainPointLabel = 1006,
    kMainLatLabel = 1007,
    kMainLat = 1044,
    kMainLatUnit = 1030,
    kMainLonLabel = 1009,
    kMainLon = 1045,
    kMainLonUnit = 1029,
    kDeltaLabel = 1013,
    kDelta1Label = 1014,
    kDelta1 = 1046,
    kDelta1Unit = 1031,
    kDelta2Label = 1016,
    kDelta2 = 1047,
    kDelta2Unit = 1037,
    kStripLabel = 1146,
    kStrip = 1147,
    kCentralMeridian = 1056,
    kNatural = 1054,
    kUnits = 1026,
    kResolutionLabel = 1107,
    kResolution = 1108,
    kResolutionUnit = 1109,
    kScale = 1062,
    kRefLat = 1040,
    kRefLon = 1042,
    kRefX = 1035,
    kUnitX = 1049,
    kRefY = 1039,
    kUnitY = 1058,
    kRotation = 1048,
    kLoad = 1150,
    kSave = 1151,
};
}  // namespace projection_ids

class CProjectionDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CProjectionDlg(QWidget* parent = nullptr);
    ~CProjectionDlg() override;

    // The datum of this definition; constructed before all other members.
    CDatumDlg m_dlgDatum;

    // Members exchanged with the controls (control ids in brackets).
    std::string m_strProjectionName;  // 1005 "&Projektion"
    std::string m_strBody;            // 1088 "Projektionskörper" (read-only)
    double m_dRadius;                 // 1050, metres
    std::string m_strDatum;           // 1086 "datum, ellipsoid" (read-only)
    double m_dMainLat;                // 1044 "&Hauptpunkt " "Breite"
    double m_dMainLon;                // 1045 "Länge"
    std::string m_strDeltaLabel;      // 1013
    double m_dDelta1;                 // 1046 "delta 1"
    double m_dDelta2;                 // 1047 "delta 2"
    int32_t m_nStrip;                 // 1147 "Streifennummer"
    double m_dCentralMeridian;        // 1056 "Mittel-" "meridian"
    bool m_bNatural;                  // 1054 "&Naturkoordinaten (Maßstab 1:1)"
    std::string m_strUnits;           // 1026 "Einheiten": "mm", "cm", "m ", "km", "pixel"
    double m_dResolution;             // 1108 "Auflösung", pixels per millimetre
    double m_dScale;                  // 1062 M of 1 : M
    double m_dRefLat;                 // 1040 "Referenzpunkt" "Breite"
    double m_dRefLon;                 // 1042 "Länge"
    double m_dRefX;                   // 1035 "X"
    std::string m_strUnitX;           // 1049, the unit behind X
    double m_dRefY;                   // 1039 "Y"
    std::string m_strUnitY;           // 1058, the unit behind Y
    double m_dRotation;               // 1048 "Rotationswinkel"

    // The record built at the last successful OK; unchanged by Cancel and by
    // a refused OK. Meaningful only after the dialog once ended with OK.
    geodesy::ProjectionParams m_params;

public slots:
    // The OK sequence (Enter and the button): the focused field's handler, the
    // take-over, every shown and enabled field's check in tab order, the
    // standard parallels against the type, then the record, which must map
    // (definition/record_checks.h); m_params is assigned only when all of it
    // passed.
    void accept() override;
    // Restores every member (the datum included) from the copy taken at the
    // opening.
    void reject() override;

protected:
    void doDataExchange(platform::DataExchange& dx) override;
    void initDialog() override;

    // Runs the datum dialog modally and returns its result; tests replace it.
    virtual int runDatumDialog();

    void applyProjectionType(const std::string& name);
    void updateFieldStates(const std::string& name);
    void enableCalibration(bool on);
    void applyNaturalCalibration(const std::string& name);
    void stripChanged();
    // The record of the current members, offsets derived by updateOffsets.
    geodesy::ProjectionParams buildParams() const;

private:
    struct Backup;

    void onProjectionActivated();
    void onDatumClicked();
    void onNaturalClicked();
    void onUnitsActivated();
    // "Laden ...": a definition file read fills every field and the datum, as
    // if typed; a file that cannot be opened or holds an error changes nothing.
    void onLoadClicked();
    // "Speichern ...": the checks of OK, then the definition file written; the
    // dialog stays open either way.
    void onSaveClicked();
    // Focus-loss handlers: take over, the field's check, then the updates that
    // depend on the field; false when the check refused the value.
    bool onFieldFocusLost(definition::Field field);
    bool onMainLonFocusLost();
    bool onStripFocusLost();
    bool onCentralMeridianFocusLost();
    bool takeOverAndCheck(definition::Field field);
    // The focused field's handler, the take-over and the checks of OK; true
    // with the record built, false after the refusal's message.
    bool checkAsAtOk(geodesy::ProjectionParams& record);
    void showResolutionRow();

    definition::ProjectionDefinition definitionFromMembers() const;
    void membersFromDefinition(const definition::ProjectionDefinition& d);

    std::unique_ptr<Ui::CProjectionDlg> ui_;
    platform::FieldControls<definition::Field> fields_;
    // The controls a type shows or hides together, each with its labels.
    platform::ControlGroup radiusRow_, datumRow_, mainPointRows_, delta1Row_, delta2Row_, stripRow_,
        resolutionRow_;
    // Unit list, scale, reference point and rotation: fixed by natural coordinates.
    platform::ControlGroup calibrationFields_;
    std::unique_ptr<Backup> backup_;
    bool closing_ = false;
    // The definition file last loaded or saved, preselected in the file dialogs.
    QString definitionPath_;
};
