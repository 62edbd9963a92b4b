#pragma once
// "Datumsdefinition": edits the datum of one projection definition, either a
// catalogue datum (values fixed) or "(individuell)" with a chosen or typed
// ellipsoid and the seven parameters of the transformation to WGS 84.

#include <memory>

#include "definition/datum_rules.h"
#include "geodesy/projection.h"
#include "platform/dialog.h"

namespace Ui {
class CDatumDlg;
}

// The control ids of "Datumsdefinition".
namespace datum_ids {
enum ControlId : int {
    kOk = 1,
    kCancel = 2,
    kDatum = 1015,
    kEllipsoid = 1080,
    kSemiMajor = 1081,
    kSemiMinor = 1082,
    kShiftX = 1059,
    kShiftY = 1060,
    kShiftZ = 1061,
    kOmega = 1071,
    kPsi = 1041,
    kEpsilon = 1042,
    kScaleCorrection = 1062,
};
}  // namespace datum_ids

class CDatumDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CDatumDlg(QWidget* parent = nullptr);
    ~CDatumDlg() override;

    // The datum being edited; "ED50" from the catalogue at construction. Read
    // by the owner after the dialog ended with QDialog::Accepted.
    geodesy::DatumParams m_datum;

public slots:
    // The OK sequence: the focused field's check, the take-over, every enabled
    // field's check and b ≤ a; the dialog stays open at the first failure.
    void accept() override;
    // Puts back the record held at the opening.
    void reject() override;

protected:
    void doDataExchange(platform::DataExchange& dx) override;
    void initDialog() override;

private:
    // Takes all controls into m_datum; false when a field did not parse.
    bool takeOver();
    void onDatumActivated();
    void onEllipsoidActivated();
    // The focus-loss handler of an edit: take over, then the field's check.
    bool checkFocusedField(definition::DatumField field);
    void updateDatumFieldStates();

    std::unique_ptr<Ui::CDatumDlg> ui_;
    platform::FieldControls<definition::DatumField> fields_;
    geodesy::DatumParams m_datumBackup;
    bool hasBackup_ = false;  // false until the first opening
    bool closing_ = false;
};
