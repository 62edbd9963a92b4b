#include "definition/datum_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "definition/datum_rules.h"
#include "geodesy/catalogues.h"
#include "platform/data_exchange.h"
#include "ui_datum_dlg.h"

using definition::DatumField;
using namespace datum_ids;

CDatumDlg::CDatumDlg(QWidget* parent)
    : platform::Dialog(parent), m_datum(geodesy::lookupDatum("ED50")), ui_(new Ui::CDatumDlg) {
    ui_->setupUi(this);
    platform::setControlIds({
        {ui_->buttonOk, kOk},
        {ui_->buttonCancel, kCancel},
        {ui_->comboDatum, kDatum},
        {ui_->comboEllipsoid, kEllipsoid},
        {ui_->editSemiMajor, kSemiMajor},
        {ui_->editSemiMinor, kSemiMinor},
        {ui_->editShiftX, kShiftX},
        {ui_->editShiftY, kShiftY},
        {ui_->editShiftZ, kShiftZ},
        {ui_->editOmega, kOmega},
        {ui_->editPsi, kPsi},
        {ui_->editEpsilon, kEpsilon},
        {ui_->editScaleCorrection, kScaleCorrection},
    });
    fields_ = {
        {DatumField::DatumList, ui_->comboDatum},
        {DatumField::EllipsoidList, ui_->comboEllipsoid},
        {DatumField::SemiMajorAxis, ui_->editSemiMajor},
        {DatumField::SemiMinorAxis, ui_->editSemiMinor},
        {DatumField::ShiftX, ui_->editShiftX},
        {DatumField::ShiftY, ui_->editShiftY},
        {DatumField::ShiftZ, ui_->editShiftZ},
        {DatumField::RotationOmega, ui_->editOmega},
        {DatumField::RotationPsi, ui_->editPsi},
        {DatumField::RotationEpsilon, ui_->editEpsilon},
        {DatumField::ScaleCorrection, ui_->editScaleCorrection},
    };

    connect(ui_->comboDatum, &QComboBox::activated, this, &CDatumDlg::onDatumActivated);
    connect(ui_->comboEllipsoid, &QComboBox::activated, this, &CDatumDlg::onEllipsoidActivated);

    // Every edit takes over when it loses the focus; the semi-axes and the
    // rotations are checked, the translations and the scale are not.
    for (const auto& [field, control] : fields_) {
        if (field == DatumField::DatumList || field == DatumField::EllipsoidList) continue;
        onFocusLost(control, [this, field = field] { return checkFocusedField(field); });
    }

    setCancelButton(ui_->buttonCancel);
    connect(ui_->buttonOk, &QPushButton::clicked, this, &CDatumDlg::accept);
    connect(ui_->buttonCancel, &QPushButton::clicked, this, &CDatumDlg::reject);
}

CDatumDlg::~CDatumDlg() = default;

void CDatumDlg::doDataExchange(platform::DataExchange& dx) {
    dx.combo(ui_->comboDatum, m_datum.datumName);
    dx.combo(ui_->comboEllipsoid, m_datum.ellipsoidName);
    dx.number(ui_->editSemiMajor, m_datum.semiMajorAxis);
    dx.number(ui_->editSemiMinor, m_datum.semiMinorAxis);
    dx.number(ui_->editShiftX, m_datum.shiftX);
    dx.number(ui_->editShiftY, m_datum.shiftY);
    dx.number(ui_->editShiftZ, m_datum.shiftZ);
    dx.number(ui_->editOmega, m_datum.rotationOmega);
    dx.number(ui_->editPsi, m_datum.rotationPsi);
    dx.number(ui_->editEpsilon, m_datum.rotationEpsilon);
    dx.number(ui_->editScaleCorrection, m_datum.scaleCorrection);
}

void CDatumDlg::initDialog() {
    closing_ = false;
    ui_->comboDatum->clear();
    for (std::string_view name : definition::datumListEntries()) {
        ui_->comboDatum->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    ui_->comboEllipsoid->clear();
    for (std::string_view name : definition::ellipsoidListEntries()) {
        ui_->comboEllipsoid->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    m_datumBackup = m_datum;
    hasBackup_ = true;
    updateData(false);
    updateDatumFieldStates();
}

bool CDatumDlg::takeOver() {
    if (!updateData(true)) return false;
    definition::keepCatalogueValues(m_datum);
    return true;
}

void CDatumDlg::onDatumActivated() {
    if (!takeOver()) return;
    if (m_datum.datumName != geodesy::kIndividual) {
        definition::datumSelected(m_datum);
        updateData(false);
    }
    updateDatumFieldStates();
}

void CDatumDlg::onEllipsoidActivated() {
    if (!takeOver()) return;
    if (m_datum.ellipsoidName != geodesy::kIndividual) {
        definition::ellipsoidSelected(m_datum);
        updateData(false);
    }
    updateDatumFieldStates();
}

bool CDatumDlg::checkFocusedField(DatumField field) {
    // A focus-out that arrives after Cancel restored the record takes nothing over.
    if (closing_) return true;
    return takeOverAndCheck([this, field] {
        definition::keepCatalogueValues(m_datum);
        return definition::checkDatumField(m_datum, field);
    });
}

void CDatumDlg::updateDatumFieldStates() {
    for (const auto& [field, control] : fields_) {
        if (field == DatumField::DatumList) continue;  // always enabled
        control->setEnabled(definition::datumFieldEnabled(m_datum, field));
    }
}

void CDatumDlg::accept() {
    if (!runFocusedHandler()) return;
    if (!takeOver()) return;
    if (std::optional<definition::DatumRefusal> refusal = definition::checkDatum(m_datum)) {
        refuse(fields_[refusal->field], refusal->message);
        return;
    }
    platform::Dialog::accept();
}

void CDatumDlg::reject() {
    if (isRunning()) return;
    if (hasBackup_) {
        closing_ = true;
        m_datum = m_datumBackup;
        updateData(false);
    }
    platform::Dialog::reject();
}
