#include "graticule/graticule_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <string_view>

#include "definition/placeholders.h"
#include "definition/summary.h"
#include "fileio/file_formats.h"
#include "fileio/file_texts.h"
#include "geodesy/engine.h"
#include "geodesy/projection_names.h"
#include "graticule/generate.h"
#include "graticule/illustrator_writer.h"
#include "graticule/point_estimate.h"
#include "graticule/run_setup.h"
#include "platform/data_exchange.h"
#include "platform/messages.h"
#include "platform/run_frame.h"
#include "ui_graticule_dlg.h"

using graticule::ExtentField;
using namespace graticule_ids;

namespace {

const char* const kWrongInput = "Falsche Eingabe";
const char* const kNoProjection = "Sie haben keine Projektion ausgewählt !";
const char* const kNoTargetFile = "Sie haben keine Zieldatei ausgewählt !";

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// What "Abbrechen" puts back: the values of the opening.
struct CGraticuleDlg::Backup {
    graticule::GraticuleExtent extent;
    std::string fileFormat;
    std::string targetFile;
};

CGraticuleDlg::CGraticuleDlg(QWidget* parent)
    : platform::Dialog(parent),
      m_strProjection(definition::kUndefinedProjection),
      m_strFileFormat(fileio::kIllustratorFormat),
      m_strTargetFile(definition::kUndefinedFile),
      m_dlgMetafileSettings(this),
      m_dlgProjection(this),
      ui_(new Ui::CGraticuleDlg),
      backup_(new Backup) {
    ui_->setupUi(this);
    platform::setControlIds({
        {ui_->buttonOk, kOk},
        {ui_->buttonCancel, kCancel},
        {ui_->editSouth, kSouth},
        {ui_->editNorth, kNorth},
        {ui_->editWest, kWest},
        {ui_->editEast, kEast},
        {ui_->editSpacing, kSpacing},
        {ui_->editParallelStep, kParallelStep},
        {ui_->editMeridianStep, kMeridianStep},
        {ui_->buttonSettings, kSettings},
        {ui_->buttonSave, kSave},
        {ui_->editProjection, kProjection},
        {ui_->buttonProjection, kProjectionButton},
        {ui_->buttonTargetFile, kTargetFileButton},
        {ui_->editTargetFile, kTargetFile},
        {ui_->comboFileFormat, kFileFormat},
        {ui_->progressBar, kProgress},
    });
    extentEdits_ = {
        {ExtentField::South, ui_->editSouth},
        {ExtentField::North, ui_->editNorth},
        {ExtentField::West, ui_->editWest},
        {ExtentField::East, ui_->editEast},
        {ExtentField::Spacing, ui_->editSpacing},
        {ExtentField::ParallelStep, ui_->editParallelStep},
        {ExtentField::MeridianStep, ui_->editMeridianStep},
    };
    for (const fileio::FileFormat& format : fileio::kFileFormats) {
        ui_->comboFileFormat->addItem(qt(format.name));
    }

    for (const auto& [field, edit] : extentEdits_) {
        onFocusLost(edit, [this, field = field] { return onExtentFocusLost(field); });
    }
    onFocusLost(ui_->editTargetFile, [this] { return updateData(true); });
    setCancelButton(ui_->buttonCancel);

    connect(ui_->buttonProjection, &QPushButton::clicked, this,
            &CGraticuleDlg::onProjectionClicked);
    connect(ui_->buttonSettings, &QPushButton::clicked, this, &CGraticuleDlg::onSettingsClicked);
    connect(ui_->buttonTargetFile, &QPushButton::clicked, this,
            &CGraticuleDlg::onTargetFileClicked);
    connect(ui_->comboFileFormat, &QComboBox::activated, this,
            &CGraticuleDlg::onFileFormatActivated);
    connect(ui_->buttonSave, &QPushButton::clicked, this, &CGraticuleDlg::onSaveClicked);
    connect(ui_->buttonOk, &QPushButton::clicked, this, &CGraticuleDlg::accept);
    connect(ui_->buttonCancel, &QPushButton::clicked, this, &CGraticuleDlg::reject);
}

CGraticuleDlg::~CGraticuleDlg() = default;

void CGraticuleDlg::doDataExchange(platform::DataExchange& dx) {
    dx.number(ui_->editSouth, m_dSouth);
    dx.number(ui_->editNorth, m_dNorth);
    dx.number(ui_->editWest, m_dWest);
    dx.number(ui_->editEast, m_dEast);
    dx.number(ui_->editSpacing, m_dSpacing);
    dx.number(ui_->editParallelStep, m_dParallelStep);
    dx.number(ui_->editMeridianStep, m_dMeridianStep);
    dx.text(ui_->editProjection, m_strProjection);
    dx.combo(ui_->comboFileFormat, m_strFileFormat);
    dx.text(ui_->editTargetFile, m_strTargetFile);
}

void CGraticuleDlg::initDialog() {
    *backup_ = {extent(), m_strFileFormat, m_strTargetFile};
    updateSettingsButton();
}

int CGraticuleDlg::runProjectionDialog() {
    return m_dlgProjection.exec();
}

int CGraticuleDlg::runMetafileSettingsDialog() {
    return m_dlgMetafileSettings.exec();
}

std::time_t CGraticuleDlg::currentTime() const {
    return std::time(nullptr);
}

graticule::GraticuleExtent CGraticuleDlg::extent() const {
    return {m_dSouth, m_dNorth, m_dWest, m_dEast, m_dSpacing, m_dParallelStep, m_dMeridianStep};
}

void CGraticuleDlg::updateSettingsButton() {
    ui_->buttonSettings->setEnabled(m_strFileFormat == fileio::kMetafileFormat);
}

bool CGraticuleDlg::onExtentFocusLost(ExtentField field) {
    return takeOverAndCheck([this, field] { return graticule::checkExtentField(extent(), field); });
}

void CGraticuleDlg::onFileFormatActivated() {
    updateData(true);
    updateSettingsButton();
}

void CGraticuleDlg::onProjectionClicked() {
    updateData(true);
    if (runProjectionDialog() != QDialog::Accepted) return;
    projectionConfirmed_ = true;
    m_strProjection =
        definition::projectionSummary(m_dlgProjection.m_strProjectionName, m_dlgProjection.m_nStrip,
                                      m_dlgProjection.m_dCentralMeridian);
    updateData(false);
}

void CGraticuleDlg::onSettingsClicked() {
    updateData(true);
    if (m_strFileFormat == fileio::kMetafileFormat) runMetafileSettingsDialog();
}

void CGraticuleDlg::onTargetFileClicked() {
    updateData(true);
    // A name outside the list (none can be chosen) offers every file.
    const fileio::FileFormat* format = fileio::findFileFormat(m_strFileFormat);
    const QString path = platform::messageService().chooseSaveFile(
        this, format ? qt(format->suffix) : QString(),
        format ? qt(format->exportFilter) : QStringLiteral("Alle Dateien (*)"), QString());
    if (path.isEmpty()) return;
    m_strTargetFile = path.toStdString();
    updateData(false);
}

bool CGraticuleDlg::checkBeforeSaving() {
    if (m_strProjection == definition::kUndefinedProjection || !projectionConfirmed_) {
        platform::showMessage(this, qt(kNoProjection), qt(kWrongInput), platform::Icon::Error);
        focusControl(ui_->buttonProjection);
        return false;
    }
    if (m_strTargetFile == definition::kUndefinedFile || m_strTargetFile.empty()) {
        platform::showMessage(this, qt(kNoTargetFile), qt(kWrongInput), platform::Icon::Error);
        focusControl(ui_->buttonTargetFile);
        return false;
    }
    // The fields may hold values that were never checked: typed and saved
    // with the shortcut key, or confirmed with Enter at an earlier opening.
    const graticule::ExtentProblem problem = graticule::checkWholeExtent(extent());
    if (!problem.message.empty()) return refuse(extentEdits_[problem.field], problem.message);
    return true;
}

bool CGraticuleDlg::confirmRunSize() {
    const graticule::PointEstimate estimate = graticule::estimatePoints(extent(), m_strFileFormat);
    if (const graticule::ExtentProblem problem =
            graticule::lineLimitProblem(estimate, m_strFileFormat);
        !problem.message.empty()) {
        return refuse(extentEdits_[problem.field], problem.message);
    }
    const std::string question = graticule::largeRunQuestion(estimate);
    if (question.empty()) return true;
    return platform::showMessage(this, qt(question), qt(graticule::kLargeRunCaption),
                                 platform::Icon::Question,
                                 platform::Buttons::YesNo) == platform::Answer::Yes;
}

std::unique_ptr<graticule::GraticuleWriter> CGraticuleDlg::makeWriter() const {
    const double millimetresPerUnit =
        geodesy::unitMillimetres(m_dlgProjection.m_strUnits, m_dlgProjection.m_dResolution);
    return graticule::makeWriter(m_strFileFormat, m_dlgMetafileSettings.objectKeys(),
                                 m_strTargetFile, millimetresPerUnit,
                                 graticule::localTimeOf(currentTime()));
}

void CGraticuleDlg::onSaveClicked() {
    if (!mayStartRun()) return;
    // A field that does not parse ends the command: its message was shown
    // and it has the focus.
    if (!updateData(true)) return;
    if (!checkBeforeSaving()) return;
    const std::unique_ptr<graticule::GraticuleWriter> writer = makeWriter();
    if (writer == nullptr) return;
    if (!confirmRunSize()) return;
    if (graticule::needsUnitQuestion(m_strFileFormat, m_dlgProjection.m_strUnits)) {
        const platform::Answer answer =
            platform::showMessage(this, qt(graticule::kUnitsQuestion), qt(fileio::kUnitsCaption),
                                  platform::Icon::Question, platform::Buttons::YesNo);
        if (answer != platform::Answer::Yes) return;
    }
    runGeneration(*writer);
}

void CGraticuleDlg::runGeneration(graticule::GraticuleWriter& writer) {
    platform::RunFrame frame(*this, ui_->progressBar);
    const graticule::GenerationResult result = graticule::generateGraticule(
        m_dlgProjection.m_params, {extent(), m_strTargetFile}, writer, frame);
    const QString fileError = qt(fileio::writeErrorText(m_strTargetFile));
    switch (result.status) {
        case graticule::GenerationStatus::Finished:
        case graticule::GenerationStatus::WriteFailed:
            m_dXMin = result.box.xMin;
            m_dXMax = result.box.xMax;
            m_dYMin = result.box.yMin;
            m_dYMax = result.box.yMax;
            if (result.status == graticule::GenerationStatus::WriteFailed) {
                frame.showFinalMessage(fileError, qt(fileio::kFileAccessCaption),
                                       platform::Icon::Error);
            } else {
                frame.showFinalMessage(qt(graticule::summaryText(m_strTargetFile, result.box,
                                                                 m_dlgProjection.m_strUnits)),
                                       qt(fileio::kFinishedCaption), platform::Icon::None);
            }
            break;
        case graticule::GenerationStatus::OpenFailed:
            frame.showMessage(fileError, qt(fileio::kFileAccessCaption), platform::Icon::Error);
            break;
        case graticule::GenerationStatus::InvalidInput:
            frame.showMessage(qt(result.problem.message), qt(kWrongInput),
                              platform::Icon::Exclamation);
            break;
    }
}

void CGraticuleDlg::accept() {
    if (!updateData(true)) return;
    platform::Dialog::accept();
}

void CGraticuleDlg::reject() {
    if (isRunning()) return;
    const graticule::GraticuleExtent& e = backup_->extent;
    m_dSouth = e.south;
    m_dNorth = e.north;
    m_dWest = e.west;
    m_dEast = e.east;
    m_dSpacing = e.spacing;
    m_dParallelStep = e.parallelStep;
    m_dMeridianStep = e.meridianStep;
    m_strFileFormat = backup_->fileFormat;
    m_strTargetFile = backup_->targetFile;
    platform::Dialog::reject();
}
