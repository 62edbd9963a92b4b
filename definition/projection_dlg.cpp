#include "definition/projection_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "definition/definition_file.h"
#include "definition/record_checks.h"
#include "fileio/field_number.h"
#include "fileio/file_texts.h"
#include "fileio/output_file.h"
#include "geodesy/projection_names.h"
#include "platform/data_exchange.h"
#include "platform/messages.h"
#include "ui_projection_dlg.h"

using definition::Field;
using namespace projection_ids;

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

const QString kDefinitionFilter = QStringLiteral("Projektionsdefinition (*.gwp)");

// A field shows 15 significant digits. A value with more was typed and not
// shown again since: the field keeps the typed digits (the shortest that read
// back exactly), so that the next take-over gives the same value.
void showAllDigits(QLineEdit* edit, double value) {
    double shown = 0.0;
    if (fileio::parseNumberField(fileio::formatNumberField(value), shown) &&
        std::bit_cast<uint64_t>(shown) == std::bit_cast<uint64_t>(value)) {
        return;
    }
    edit->setText(fromUtf8(definition::shortestNumber(value)));
}

void fileAccessError(QWidget* parent, const std::string& text) {
    platform::showMessage(parent, fromUtf8(text), QString::fromUtf8(fileio::kFileAccessCaption),
                          platform::Icon::Error);
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
    platform::setControlIds({
        {ui_->buttonOk, kOk},
        {ui_->buttonCancel, kCancel},
        {ui_->comboProjection, kProjection},
        {ui_->editBody, kBody},
        {ui_->editRadius, kRadius},
        {ui_->labelRadiusUnit, kRadiusUnit},
        {ui_->labelDatum, kDatumLabel},
        {ui_->editDatum, kDatum},
        {ui_->buttonDatum, kDatumButton},
        {ui_->labelMainPoint, kMainPointLabel},
        {ui_->labelMainLat, kMainLatLabel},
        {ui_->editMainLat, kMainLat},
        {ui_->labelMainLatUnit, kMainLatUnit},
        {ui_->labelMainLon, kMainLonLabel},
        {ui_->editMainLon, kMainLon},
        {ui_->labelMainLonUnit, kMainLonUnit},
        {ui_->labelDelta, kDeltaLabel},
        {ui_->labelDelta1, kDelta1Label},
        {ui_->editDelta1, kDelta1},
        {ui_->labelDelta1Unit, kDelta1Unit},
        {ui_->labelDelta2, kDelta2Label},
        {ui_->editDelta2, kDelta2},
        {ui_->labelDelta2Unit, kDelta2Unit},
        {ui_->labelStrip, kStripLabel},
        {ui_->editStrip, kStrip},
        {ui_->editCentralMeridian, kCentralMeridian},
        {ui_->checkNatural, kNatural},
        {ui_->comboUnits, kUnits},
        {ui_->labelResolution, kResolutionLabel},
        {ui_->editResolution, kResolution},
        {ui_->labelResolutionUnit, kResolutionUnit},
        {ui_->editScale, kScale},
        {ui_->editRefLat, kRefLat},
        {ui_->editRefLon, kRefLon},
        {ui_->editRefX, kRefX},
        {ui_->labelUnitX, kUnitX},
        {ui_->editRefY, kRefY},
        {ui_->labelUnitY, kUnitY},
        {ui_->editRotation, kRotation},
        {ui_->buttonLoad, kLoad},
        {ui_->buttonSave, kSave},
    });
    fields_ = {
        {Field::ProjectionList, ui_->comboProjection},
        {Field::Radius, ui_->editRadius},
        {Field::MainLat, ui_->editMainLat},
        {Field::MainLon, ui_->editMainLon},
        {Field::Delta1, ui_->editDelta1},
        {Field::Delta2, ui_->editDelta2},
        {Field::Strip, ui_->editStrip},
        {Field::CentralMeridian, ui_->editCentralMeridian},
        {Field::Units, ui_->comboUnits},
        {Field::Resolution, ui_->editResolution},
        {Field::Scale, ui_->editScale},
        {Field::RefLat, ui_->editRefLat},
        {Field::RefLon, ui_->editRefLon},
        {Field::RefX, ui_->editRefX},
        {Field::RefY, ui_->editRefY},
        {Field::Rotation, ui_->editRotation},
    };
    radiusRow_ = {ui_->editRadius, ui_->labelRadiusUnit};
    datumRow_ = {ui_->labelDatum, ui_->editDatum, ui_->buttonDatum};
    mainPointRows_ = {ui_->labelMainPoint,   ui_->labelMainLat, ui_->editMainLat,
                      ui_->labelMainLatUnit, ui_->labelMainLon, ui_->editMainLon,
                      ui_->labelMainLonUnit};
    delta1Row_ = {ui_->labelDelta, ui_->labelDelta1, ui_->editDelta1, ui_->labelDelta1Unit};
    delta2Row_ = {ui_->labelDelta2, ui_->editDelta2, ui_->labelDelta2Unit};
    stripRow_ = {ui_->labelStrip, ui_->editStrip};
    resolutionRow_ = {ui_->labelResolution, ui_->editResolution, ui_->labelResolutionUnit};
    calibrationFields_ = {ui_->comboUnits, ui_->editScale, ui_->editRefLat,  ui_->editRefLon,
                          ui_->editRefX,   ui_->editRefY,  ui_->editRotation};

    for (std::string_view unit : geodesy::kUnitNames) ui_->comboUnits->addItem(fromUtf8(unit));

    connect(ui_->comboProjection, &QComboBox::activated, this,
            &CProjectionDlg::onProjectionActivated);
    connect(ui_->comboUnits, &QComboBox::activated, this, &CProjectionDlg::onUnitsActivated);
    connect(ui_->checkNatural, &QCheckBox::clicked, this, &CProjectionDlg::onNaturalClicked);
    connect(ui_->buttonDatum, &QPushButton::clicked, this, &CProjectionDlg::onDatumClicked);
    connect(ui_->buttonLoad, &QPushButton::clicked, this, &CProjectionDlg::onLoadClicked);
    connect(ui_->buttonSave, &QPushButton::clicked, this, &CProjectionDlg::onSaveClicked);

    for (Field field :
         {Field::Radius, Field::MainLat, Field::Delta1, Field::Delta2, Field::Resolution,
          Field::Scale, Field::RefLat, Field::RefLon, Field::RefX, Field::RefY, Field::Rotation}) {
        onFocusLost(fields_[field], [this, field] { return onFieldFocusLost(field); });
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
    platform::setShown(radiusRow_, rules && rules->radiusShown);
    platform::setShown(datumRow_, rules && rules->datumShown);
    platform::setShown(mainPointRows_, rules && rules->mainPointShown);
    platform::setShown(delta1Row_, rules && rules->delta1Shown);
    platform::setShown(delta2Row_, rules && rules->delta2Shown);
    platform::setShown(stripRow_, rules && rules->stripShown);
    ui_->editCentralMeridian->setEnabled(rules && rules->centralMeridianEnabled);
    enableCalibration(!m_bNatural);
}

void CProjectionDlg::enableCalibration(bool on) {
    platform::setEnabled(calibrationFields_, on);
    showResolutionRow();
}

void CProjectionDlg::showResolutionRow() {
    platform::setShown(resolutionRow_, m_strUnits == geodesy::kUnitPixel);
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
    return platform::Dialog::takeOverAndCheck(
        [this, field] { return definition::checkField(definitionFromMembers(), field); });
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

// ---- definition files ----

void CProjectionDlg::onLoadClicked() {
    const QString path = platform::messageService().chooseOpenFile(
        this, fromUtf8(definition::kDefinitionSuffix), kDefinitionFilter, definitionPath_);
    if (path.isEmpty()) return;
    const std::string name = path.toStdString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fileAccessError(this, fileio::openErrorText(name));
        return;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fileAccessError(this, fileio::readErrorText(name));
        return;
    }
    definitionPath_ = path;
    definition::DefinitionFile read;
    const std::string problem = definition::parseDefinitionText(
        std::string_view(text.constData(), size_t(text.size())), name, read);
    if (!problem.empty()) {
        platform::warnInput(this, fromUtf8(problem));
        return;
    }
    // The reader went through the dialog's own steps; its members are what
    // the fields would hold after the user typed the file into them.
    membersFromDefinition(read.definition);
    m_dlgDatum.m_datum = read.datum;
    m_strDatum = read.datum.datumName + ", " + read.datum.ellipsoidName;
    updateFieldStates(m_strProjectionName);
    updateData(false);
    for (auto [edit, value] : {std::pair{ui_->editRadius, m_dRadius},
                               {ui_->editMainLat, m_dMainLat},
                               {ui_->editMainLon, m_dMainLon},
                               {ui_->editDelta1, m_dDelta1},
                               {ui_->editDelta2, m_dDelta2},
                               {ui_->editCentralMeridian, m_dCentralMeridian},
                               {ui_->editResolution, m_dResolution},
                               {ui_->editScale, m_dScale},
                               {ui_->editRefLat, m_dRefLat},
                               {ui_->editRefLon, m_dRefLon},
                               {ui_->editRefX, m_dRefX},
                               {ui_->editRefY, m_dRefY},
                               {ui_->editRotation, m_dRotation}}) {
        showAllDigits(edit, value);
    }
}

void CProjectionDlg::onSaveClicked() {
    geodesy::ProjectionParams record;
    if (!checkAsAtOk(record)) return;
    const QString path = platform::messageService().chooseSaveFile(
        this, fromUtf8(definition::kDefinitionSuffix), kDefinitionFilter, definitionPath_);
    if (path.isEmpty()) return;
    definitionPath_ = path;
    const std::string name = path.toStdString();
    fileio::OutputFile file;
    if (file.open(name)) {
        file.write(definition::definitionText(definitionFromMembers(), m_dlgDatum.m_datum));
        if (file.close()) return;
    }
    fileAccessError(this, fileio::writeErrorText(name));
}

// ---- OK and Cancel ----

bool CProjectionDlg::checkAsAtOk(geodesy::ProjectionParams& record) {
    // The focused field first, with its dependent updates, as if it lost the focus.
    if (!runFocusedHandler()) return false;
    if (!updateData(true)) return false;
    if (std::optional<definition::Refusal> refusal =
            definition::acceptAtOk(definitionFromMembers(), m_dlgDatum.m_datum, record)) {
        return refuse(fields_[refusal->field], refusal->message);
    }
    return true;
}

void CProjectionDlg::accept() {
    geodesy::ProjectionParams record;
    if (!checkAsAtOk(record)) return;
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
