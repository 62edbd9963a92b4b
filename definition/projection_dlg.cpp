#include "definition/projection_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>

#include "platform/combo_wheel.h"
#include "geodesy/projection_names.h"
#include "platform/data_exchange.h"
#include "platform/messages.h"
#include "ui_projection_dlg.h"

using definition::Field;

namespace {

// The controls a type shows or hides together, each with its labels.
constexpr std::initializer_list<int> kRadiusControls = {1050, 1110};
constexpr std::initializer_list<int> kDatumControls = {1106, 1086, 1087};
constexpr std::initializer_list<int> kMainPointControls = {1006, 1007, 1044, 1030,
                                                           1009, 1045, 1029};
constexpr std::initializer_list<int> kDelta1Controls = {1013, 1014, 1046, 1031};
constexpr std::initializer_list<int> kDelta2Controls = {1016, 1047, 1037};
constexpr std::initializer_list<int> kStripControls = {1146, 1147};
constexpr int kCentralMeridianControl = 1056;
// Unit list, scale, reference point and rotation: fixed by natural coordinates.
constexpr std::initializer_list<int> kCalibrationControls = {1026, 1062, 1040, 1042,
                                                             1035, 1039, 1048};
constexpr std::initializer_list<int> kResolutionControls = {1107, 1108, 1109};

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

// Every exchanged member and the datum, as they were when the dialog opened.
struct CProjectionDlg::Backup {
    definition::ProjectionDefinition definition;
    std::string strDatum;
    geodesy::DatumParams datum;
};

CProjectionDlg::CProjectionDlg(QWidget* parent)
    : platform::Dialog(parent), m_dlgDatum(this), ui_(new Ui::CProjectionDlg) {
    membersFromDefinition(definition::ProjectionDefinition{});
    m_strDatum = m_dlgDatum.m_datum.datumName + ", " + m_dlgDatum.m_datum.ellipsoidName;

    ui_->setupUi(this);
    for (std::string_view unit : geodesy::kUnitNames) ui_->comboUnits->addItem(fromUtf8(unit));

    connect(ui_->comboProjection, &QComboBox::activated, this,
            &CProjectionDlg::onProjectionActivated);
    connect(ui_->comboUnits, &QComboBox::activated, this, &CProjectionDlg::onUnitsActivated);
    connect(ui_->checkNatural, &QCheckBox::clicked, this, &CProjectionDlg::onNaturalClicked);
    connect(ui_->buttonDatum, &QPushButton::clicked, this, &CProjectionDlg::onDatumClicked);
    // Alt+D reaches the "..." button through its label, past the button's own
    // shortcut guard: the eventFilter runs the check of the field being left first.
    ui_->labelDatum->installEventFilter(this);
    for (QComboBox* combo : {ui_->comboProjection, ui_->comboUnits}) {
        combo->setFocusPolicy(Qt::StrongFocus);
        combo->installEventFilter(this);
    }

    for (Field field :
         {Field::Radius, Field::MainLat, Field::Delta1, Field::Delta2, Field::Resolution,
          Field::Scale, Field::RefLat, Field::RefLon, Field::RefX, Field::RefY, Field::Rotation}) {
        onFocusLost(fieldControl(field), [this, field] { return onFieldFocusLost(field); });
    }
    onFocusLost(ui_->editMainLon, [this] { return onMainLonFocusLost(); });
    onFocusLost(ui_->editStrip, [this] { return onStripFocusLost(); });
    onFocusLost(ui_->editCentralMeridian, [this] { return onCentralMeridianFocusLost(); });

    setCancelButton(ui_->buttonCancel);
    connect(ui_->buttonOk, &QPushButton::clicked, this, &CProjectionDlg::accept);
    connect(ui_->buttonCancel, &QPushButton::clicked, this, &CProjectionDlg::reject);
}

CProjectionDlg::~CProjectionDlg() = default;

void CProjectionDlg::doDataExchange(platform::DataExchange& dx) {
    dx.combo(ui_->comboProjection, m_strProjectionName);
    dx.text(ui_->editBody, m_strBody);
    dx.number(ui_->editRadius, m_dRadius);
    dx.text(ui_->editDatum, m_strDatum);
    dx.number(ui_->editMainLat, m_dMainLat);
    dx.number(ui_->editMainLon, m_dMainLon);
    dx.text(ui_->labelDelta, m_strDeltaLabel);
    dx.number(ui_->editDelta1, m_dDelta1);
    dx.number(ui_->editDelta2, m_dDelta2);
    dx.integer(ui_->editStrip, m_nStrip);
    dx.number(ui_->editCentralMeridian, m_dCentralMeridian);
    dx.check(ui_->checkNatural, m_bNatural);
    dx.combo(ui_->comboUnits, m_strUnits);
    dx.number(ui_->editResolution, m_dResolution);
    dx.number(ui_->editScale, m_dScale);
    dx.number(ui_->editRefLat, m_dRefLat);
    dx.number(ui_->editRefLon, m_dRefLon);
    dx.number(ui_->editRefX, m_dRefX);
    dx.text(ui_->labelUnitX, m_strUnitX);
    dx.number(ui_->editRefY, m_dRefY);
    dx.text(ui_->labelUnitY, m_strUnitY);
    dx.number(ui_->editRotation, m_dRotation);
}

void CProjectionDlg::initDialog() {
    closing_ = false;
    ui_->comboProjection->clear();
    for (std::string_view name : geodesy::kProjectionNames) {
        ui_->comboProjection->addItem(fromUtf8(name));
    }
    backup_ =
        std::make_unique<Backup>(Backup{definitionFromMembers(), m_strDatum, m_dlgDatum.m_datum});
    applyProjectionType(m_strProjectionName);
    updateFieldStates(m_strProjectionName);
    updateData(false);
    ui_->comboProjection->setFocus(Qt::OtherFocusReason);
}

bool CProjectionDlg::eventFilter(QObject* watched, QEvent* event) {
    if (platform::swallowUnfocusedWheel(watched, event)) return true;
    // The label's shortcut focuses and clicks the "..." button; a refused field
    // keeps the focus and the datum dialog stays closed, as for a mouse click.
    if (watched == ui_->labelDatum && event->type() == QEvent::Shortcut && !runFocusedHandler()) {
        return true;
    }
    return platform::Dialog::eventFilter(watched, event);
}

int CProjectionDlg::runDatumDialog() {
    return m_dlgDatum.exec();
}

// ---- the type rules, applied to the members ----

definition::ProjectionDefinition CProjectionDlg::definitionFromMembers() const {
    definition::ProjectionDefinition d;
    d.projectionName = m_strProjectionName;
    d.body = m_strBody;
    d.radius = m_dRadius;
    d.mainLat = m_dMainLat;
    d.mainLon = m_dMainLon;
    d.deltaLabel = m_strDeltaLabel;
    d.delta1 = m_dDelta1;
    d.delta2 = m_dDelta2;
    d.strip = m_nStrip;
    d.centralMeridian = m_dCentralMeridian;
    d.natural = m_bNatural;
    d.units = m_strUnits;
    d.resolution = m_dResolution;
    d.scale = m_dScale;
    d.refLat = m_dRefLat;
    d.refLon = m_dRefLon;
    d.refX = m_dRefX;
    d.unitX = m_strUnitX;
    d.refY = m_dRefY;
    d.unitY = m_strUnitY;
    d.rotation = m_dRotation;
    return d;
}

void CProjectionDlg::membersFromDefinition(const definition::ProjectionDefinition& d) {
    m_strProjectionName = d.projectionName;
    m_strBody = d.body;
    m_dRadius = d.radius;
    m_dMainLat = d.mainLat;
    m_dMainLon = d.mainLon;
    m_strDeltaLabel = d.deltaLabel;
    m_dDelta1 = d.delta1;
    m_dDelta2 = d.delta2;
    m_nStrip = d.strip;
    m_dCentralMeridian = d.centralMeridian;
    m_bNatural = d.natural;
    m_strUnits = d.units;
    m_dResolution = d.resolution;
    m_dScale = d.scale;
    m_dRefLat = d.refLat;
    m_dRefLon = d.refLon;
    m_dRefX = d.refX;
    m_strUnitX = d.unitX;
    m_dRefY = d.refY;
    m_strUnitY = d.unitY;
    m_dRotation = d.rotation;
}

void CProjectionDlg::applyProjectionType(const std::string& name) {
    definition::ProjectionDefinition d = definitionFromMembers();
    definition::applyProjectionType(d, name);
    membersFromDefinition(d);
}

void CProjectionDlg::applyNaturalCalibration(const std::string& name) {
    definition::ProjectionDefinition d = definitionFromMembers();
    definition::applyNaturalCalibration(d, name);
    membersFromDefinition(d);
}

void CProjectionDlg::stripChanged() {
    definition::ProjectionDefinition d = definitionFromMembers();
    definition::stripChanged(d);
    membersFromDefinition(d);
    updateData(false);
}

geodesy::ProjectionParams CProjectionDlg::buildParams() const {
    return definition::buildParams(definitionFromMembers(), m_dlgDatum.m_datum);
}

void CProjectionDlg::updateFieldStates(const std::string& name) {
    const definition::TypeRules* rules = definition::findTypeRules(name);
    auto show = [this](std::initializer_list<int> ids, bool shown) {
        for (int id : ids) control(id)->setVisible(shown);
    };
    show(kRadiusControls, rules && rules->radiusShown);
    show(kDatumControls, rules && rules->datumShown);
    show(kMainPointControls, rules && rules->mainPointShown);
    show(kDelta1Controls, rules && rules->delta1Shown);
    show(kDelta2Controls, rules && rules->delta2Shown);
    show(kStripControls, rules && rules->stripShown);
    control(kCentralMeridianControl)->setEnabled(rules && rules->centralMeridianEnabled);
    enableCalibration(!m_bNatural);
}

void CProjectionDlg::enableCalibration(bool on) {
    for (int id : kCalibrationControls) control(id)->setEnabled(on);
    showResolutionRow();
}

void CProjectionDlg::showResolutionRow() {
    const bool pixel = m_strUnits == geodesy::kUnitPixel;
    for (int id : kResolutionControls) control(id)->setVisible(pixel);
}

QWidget* CProjectionDlg::fieldControl(Field field) const {
    switch (field) {
        case Field::ProjectionList:
            return ui_->comboProjection;
        case Field::Radius:
            return ui_->editRadius;
        case Field::MainLat:
            return ui_->editMainLat;
        case Field::MainLon:
            return ui_->editMainLon;
        case Field::Delta1:
            return ui_->editDelta1;
        case Field::Delta2:
            return ui_->editDelta2;
        case Field::Strip:
            return ui_->editStrip;
        case Field::CentralMeridian:
            return ui_->editCentralMeridian;
        case Field::Units:
            return ui_->comboUnits;
        case Field::Resolution:
            return ui_->editResolution;
        case Field::Scale:
            return ui_->editScale;
        case Field::RefLat:
            return ui_->editRefLat;
        case Field::RefLon:
            return ui_->editRefLon;
        case Field::RefX:
            return ui_->editRefX;
        case Field::RefY:
            return ui_->editRefY;
        case Field::Rotation:
            return ui_->editRotation;
    }
    return nullptr;
}

// ---- handlers ----

void CProjectionDlg::onProjectionActivated() {
    if (!updateData(true)) {
        // The list goes back to the type the members still hold.
        platform::DataExchange dx(this, false);
        dx.combo(ui_->comboProjection, m_strProjectionName);
        return;
    }
    applyProjectionType(m_strProjectionName);
    updateFieldStates(m_strProjectionName);
    updateData(false);
    ui_->comboProjection->setFocus(Qt::OtherFocusReason);
}

void CProjectionDlg::onDatumClicked() {
    if (!updateData(true)) return;
    if (runDatumDialog() != QDialog::Accepted) return;
    m_strDatum = m_dlgDatum.m_datum.datumName + ", " + m_dlgDatum.m_datum.ellipsoidName;
    updateData(false);
}

void CProjectionDlg::onNaturalClicked() {
    if (!updateData(true)) {
        platform::DataExchange dx(this, false);
        dx.check(ui_->checkNatural, m_bNatural);
        return;
    }
    if (m_bNatural) {
        applyNaturalCalibration(m_strProjectionName);
        updateData(false);
        enableCalibration(false);
    } else {
        enableCalibration(true);
    }
}

void CProjectionDlg::onUnitsActivated() {
    if (!updateData(true)) {
        platform::DataExchange dx(this, false);
        dx.combo(ui_->comboUnits, m_strUnits);
        return;
    }
    definition::ProjectionDefinition d = definitionFromMembers();
    definition::unitsChanged(d);
    membersFromDefinition(d);
    showResolutionRow();
    updateData(false);
}

bool CProjectionDlg::takeOverAndCheck(Field field) {
    if (!updateData(true)) return false;
    const std::string message = definition::checkField(definitionFromMembers(), field);
    if (message.empty()) return true;
    return platform::warnInput(this, QString::fromStdString(message));
}

bool CProjectionDlg::onFieldFocusLost(Field field) {
    // A focus-out that arrives after Cancel restored the members takes nothing over.
    if (closing_) return true;
    return takeOverAndCheck(field);
}

bool CProjectionDlg::onMainLonFocusLost() {
    if (closing_) return true;
    if (!takeOverAndCheck(Field::MainLon)) return false;
    definition::ProjectionDefinition d = definitionFromMembers();
    definition::mainLonChanged(d);
    membersFromDefinition(d);
    updateData(false);
    return true;
}

bool CProjectionDlg::onStripFocusLost() {
    if (closing_) return true;
    if (!takeOverAndCheck(Field::Strip)) return false;
    stripChanged();
    return true;
}

bool CProjectionDlg::onCentralMeridianFocusLost() {
    if (closing_) return true;
    if (!takeOverAndCheck(Field::CentralMeridian)) return false;
    if (m_bNatural) {
        definition::ProjectionDefinition d = definitionFromMembers();
        definition::centralMeridianChanged(d);
        membersFromDefinition(d);
        updateData(false);
    }
    return true;
}

// ---- OK and Cancel ----

void CProjectionDlg::accept() {
    // The focused field first, with its dependent updates, as if it lost the focus.
    if (!runFocusedHandler()) return;
    if (!updateData(true)) return;
    geodesy::ProjectionParams record;
    if (std::optional<definition::Refusal> refusal =
            definition::acceptDefinition(definitionFromMembers(), m_dlgDatum.m_datum, record)) {
        platform::warnInput(this, QString::fromStdString(refusal->message));
        focusControl(fieldControl(refusal->field));
        return;
    }
    m_params = record;
    platform::Dialog::accept();
}

void CProjectionDlg::reject() {
    if (isRunning()) return;
    if (backup_) {
        closing_ = true;
        membersFromDefinition(backup_->definition);
        m_strDatum = backup_->strDatum;
        m_dlgDatum.m_datum = backup_->datum;
        updateData(false);
    }
    platform::Dialog::reject();
}
