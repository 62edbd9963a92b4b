#include "transform/transform_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <array>
#include <string_view>

#include "definition/placeholders.h"
#include "definition/summary.h"
#include "platform/data_exchange.h"
#include "platform/messages.h"
#include "platform/run_frame.h"
#include "transform/file_messages.h"
#include "transform/file_transform.h"
#include "transform/metafile_transform.h"
#include "transform/modes.h"
#include "transform/same_file.h"
#include "ui_transform_dlg.h"

using transform::PanelField;
using namespace transform_ids;

namespace {

const char* const kWrongInput = "Falsche Eingabe";
const char* const kNoSourceFile = "Sie haben keine Quelldatei ausgewählt !";
const char* const kNoTargetFile = "Sie haben keine Zieldatei ausgewählt !";
const char* const kSameFile = "Quell- und Zieldatei identisch !";
const std::array<const char*, 2> kNoProjection = {"Sie haben keine Projektion 1 ausgewählt !",
                                                  "Sie haben keine Projektion 2 ausgewählt !"};

// The projection mode under which a side is not needed for a file run.
constexpr std::array<std::string_view, 2> kModeWithoutSide = {transform::kWithinProjection2,
                                                              transform::kWithinProjection1};

// The members of one side; side 2 mirrors side 1.
struct SideMembers {
    std::string CTransformDlg::*projection;
    std::string CTransformDlg::*datum;
    std::string CTransformDlg::*unitX;
    std::string CTransformDlg::*unitY;
    double CTransformDlg::*lat;
    double CTransformDlg::*lon;
    double CTransformDlg::*latDms;
    double CTransformDlg::*lonDms;
    double CTransformDlg::*x;
    double CTransformDlg::*y;
    double CTransformDlg::*height;
};
constexpr std::array<SideMembers, 2> kSides = {{
    {&CTransformDlg::m_strProjection1, &CTransformDlg::m_strDatum1, &CTransformDlg::m_strUnitX1,
     &CTransformDlg::m_strUnitY1, &CTransformDlg::m_dLat1, &CTransformDlg::m_dLon1,
     &CTransformDlg::m_dLat1Dms, &CTransformDlg::m_dLon1Dms, &CTransformDlg::m_dX1,
     &CTransformDlg::m_dY1, &CTransformDlg::m_dHeight1},
    {&CTransformDlg::m_strProjection2, &CTransformDlg::m_strDatum2, &CTransformDlg::m_strUnitX2,
     &CTransformDlg::m_strUnitY2, &CTransformDlg::m_dLat2, &CTransformDlg::m_dLon2,
     &CTransformDlg::m_dLat2Dms, &CTransformDlg::m_dLon2Dms, &CTransformDlg::m_dX2,
     &CTransformDlg::m_dY2, &CTransformDlg::m_dHeight2},
}};

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void fill(QComboBox* combo, const auto& entries) {
    combo->clear();
    for (std::string_view entry : entries) combo->addItem(qt(entry));
}

bool isChosen(const std::string& path) {
    return !path.empty() && path != definition::kUndefinedFile;
}

// The format's row; any other text gets the extension and filter of a text file.
const fileio::FileFormat& fileFormatOrText(const std::string& name) {
    const fileio::FileFormat* format = fileio::findFileFormat(name);
    return format != nullptr ? *format : fileio::kFileFormats[0];
}

}  // namespace

CTransformDlg::CTransformDlg(QWidget* parent)
    : platform::Dialog(parent),
      m_strProjection1(definition::kUndefinedProjection),
      m_strProjection2(definition::kUndefinedProjection),
      m_strDatum1(definition::kUndefinedDatum),
      m_strDatum2(definition::kUndefinedDatum),
      m_strSourceFile(definition::kUndefinedFile),
      m_strTargetFile(definition::kUndefinedFile),
      m_strProjectionMode(transform::kWithinProjection1),
      m_strCoordinateMode(transform::kGeographicToCartesian),
      m_strAngleFormat(transform::kDecimalAngles),
      m_strFileFormat(fileio::kTextFormat),
      m_dlgProjection1(this),
      m_dlgProjection2(this),
      ui_(new Ui::CTransformDlg) {
    ui_->setupUi(this);
    platform::setControlIds({
        {ui_->buttonClose, kClose},
        {ui_->editProjection1, kProjection1},
        {ui_->editProjection2, kProjection2},
        {ui_->editDatum1, kDatum1},
        {ui_->editDatum2, kDatum2},
        {ui_->buttonProjection1, kProjectionButton1},
        {ui_->buttonProjection2, kProjectionButton2},
        {ui_->editLat1, kLat1},
        {ui_->editLon1, kLon1},
        {ui_->editLat2, kLat2},
        {ui_->editLon2, kLon2},
        {ui_->editLatDms1, kLat1Dms},
        {ui_->editLonDms1, kLon1Dms},
        {ui_->editLatDms2, kLat2Dms},
        {ui_->editLonDms2, kLon2Dms},
        {ui_->editX1, kX1},
        {ui_->editY1, kY1},
        {ui_->editX2, kX2},
        {ui_->editY2, kY2},
        {ui_->labelUnitX1, kUnitX1},
        {ui_->labelUnitY1, kUnitY1},
        {ui_->labelUnitX2, kUnitX2},
        {ui_->labelUnitY2, kUnitY2},
        {ui_->editHeight1, kHeight1},
        {ui_->editHeight2, kHeight2},
        {ui_->editSourceFile, kSourceFile},
        {ui_->editTargetFile, kTargetFile},
        {ui_->buttonSourceFile, kSourceButton},
        {ui_->buttonTargetFile, kTargetButton},
        {ui_->buttonSave, kSave},
        {ui_->comboProjectionMode, kProjectionMode},
        {ui_->comboCoordinateMode, kCoordinateMode},
        {ui_->comboAngleFormat, kAngleFormat},
        {ui_->comboFileFormat, kFileFormat},
        {ui_->progressBar, kProgress},
    });
    panelEdits_[0] = {{PanelField::Latitude, ui_->editLat1},
                      {PanelField::Longitude, ui_->editLon1},
                      {PanelField::LatitudeDms, ui_->editLatDms1},
                      {PanelField::LongitudeDms, ui_->editLonDms1},
                      {PanelField::X, ui_->editX1},
                      {PanelField::Y, ui_->editY1},
                      {PanelField::Height, ui_->editHeight1}};
    panelEdits_[1] = {{PanelField::Latitude, ui_->editLat2},
                      {PanelField::Longitude, ui_->editLon2},
                      {PanelField::LatitudeDms, ui_->editLatDms2},
                      {PanelField::LongitudeDms, ui_->editLonDms2},
                      {PanelField::X, ui_->editX2},
                      {PanelField::Y, ui_->editY2},
                      {PanelField::Height, ui_->editHeight2}};
    fill(ui_->comboProjectionMode, transform::kProjectionModes);
    fill(ui_->comboCoordinateMode, transform::kCoordinateModes);
    fill(ui_->comboAngleFormat, transform::kAngleFormats);
    std::array<std::string_view, fileio::kFileFormats.size()> formats;
    for (size_t i = 0; i < formats.size(); ++i) formats[i] = fileio::kFileFormats[i].name;
    fill(ui_->comboFileFormat, formats);

    for (int side : {0, 1}) {
        for (const auto& [field, edit] : panelEdits_[side]) {
            onFocusLost(edit, [this, side, field] { return onPanelFocusLost(side, field); });
        }
    }
    for (QLineEdit* path : {ui_->editSourceFile, ui_->editTargetFile}) {
        onFocusLost(path, [this] { return updateData(true); });
    }

    connect(ui_->buttonProjection1, &QPushButton::clicked, this,
            [this] { onProjectionClicked(0); });
    connect(ui_->buttonProjection2, &QPushButton::clicked, this,
            [this] { onProjectionClicked(1); });
    connect(ui_->comboProjectionMode, &QComboBox::activated, this,
            &CTransformDlg::onProjectionModeActivated);
    connect(ui_->comboCoordinateMode, &QComboBox::activated, this,
            &CTransformDlg::onCoordinateModeActivated);
    connect(ui_->comboAngleFormat, &QComboBox::activated, this,
            &CTransformDlg::onAngleFormatActivated);
    connect(ui_->comboFileFormat, &QComboBox::activated, this,
            &CTransformDlg::onFileFormatActivated);
    connect(ui_->buttonSourceFile, &QPushButton::clicked, this,
            &CTransformDlg::onSourceFileClicked);
    connect(ui_->buttonTargetFile, &QPushButton::clicked, this,
            &CTransformDlg::onTargetFileClicked);
    connect(ui_->buttonSave, &QPushButton::clicked, this, &CTransformDlg::onSaveClicked);
    connect(ui_->buttonClose, &QPushButton::clicked, this, &CTransformDlg::accept);
}

CTransformDlg::~CTransformDlg() = default;

void CTransformDlg::doDataExchange(platform::DataExchange& dx) {
    dx.text(ui_->editProjection1, m_strProjection1);
    dx.text(ui_->editProjection2, m_strProjection2);
    dx.text(ui_->editDatum1, m_strDatum1);
    dx.text(ui_->editDatum2, m_strDatum2);
    dx.number(ui_->editLat1, m_dLat1);
    dx.number(ui_->editLon1, m_dLon1);
    dx.number(ui_->editLat2, m_dLat2);
    dx.number(ui_->editLon2, m_dLon2);
    dx.number(ui_->editLatDms1, m_dLat1Dms);
    dx.number(ui_->editLonDms1, m_dLon1Dms);
    dx.number(ui_->editLatDms2, m_dLat2Dms);
    dx.number(ui_->editLonDms2, m_dLon2Dms);
    dx.number(ui_->editX1, m_dX1);
    dx.number(ui_->editY1, m_dY1);
    dx.number(ui_->editX2, m_dX2);
    dx.number(ui_->editY2, m_dY2);
    dx.text(ui_->labelUnitX1, m_strUnitX1);
    dx.text(ui_->labelUnitY1, m_strUnitY1);
    dx.text(ui_->labelUnitX2, m_strUnitX2);
    dx.text(ui_->labelUnitY2, m_strUnitY2);
    dx.number(ui_->editHeight1, m_dHeight1);
    dx.number(ui_->editHeight2, m_dHeight2);
    dx.text(ui_->editSourceFile, m_strSourceFile);
    dx.text(ui_->editTargetFile, m_strTargetFile);
    dx.combo(ui_->comboProjectionMode, m_strProjectionMode);
    dx.combo(ui_->comboCoordinateMode, m_strCoordinateMode);
    dx.combo(ui_->comboAngleFormat, m_strAngleFormat);
    dx.combo(ui_->comboFileFormat, m_strFileFormat);
}

bool CTransformDlg::isSideDefined(int side) const {
    return this->*kSides[side].projection != definition::kUndefinedProjection;
}

CProjectionDlg& CTransformDlg::projectionDialog(int side) {
    return side == 0 ? m_dlgProjection1 : m_dlgProjection2;
}

int CTransformDlg::runProjectionDialog(int side) {
    return projectionDialog(side).exec();
}

transform::PanelSides CTransformDlg::panelSides() const {
    transform::PanelSides sides;
    for (int i : {0, 1}) {
        const SideMembers& m = kSides[i];
        sides[i] = {this->*m.lat, this->*m.lon, this->*m.latDms, this->*m.lonDms,
                    this->*m.x,   this->*m.y,   this->*m.height};
    }
    return sides;
}

void CTransformDlg::setPanelSides(const transform::PanelSides& sides) {
    for (int i : {0, 1}) {
        const SideMembers& m = kSides[i];
        const transform::PanelSide& s = sides[i];
        this->*m.lat = s.lat;
        this->*m.lon = s.lon;
        this->*m.latDms = s.latDms;
        this->*m.lonDms = s.lonDms;
        this->*m.x = s.x;
        this->*m.y = s.y;
        this->*m.height = s.height;
    }
}

transform::PanelProjections CTransformDlg::panelProjections() const {
    return {isSideDefined(0) ? &m_dlgProjection1.m_params : nullptr,
            isSideDefined(1) ? &m_dlgProjection2.m_params : nullptr};
}

void CTransformDlg::keepWgs84(const transform::PanelResult& result) {
    if (!result.chained) return;
    m_dWgsLat = result.wgs84.lat;
    m_dWgsLon = result.wgs84.lon;
    m_dWgsHeight = result.wgs84.height;
}

void CTransformDlg::onProjectionClicked(int side) {
    updateData(true);
    CProjectionDlg& dialog = projectionDialog(side);
    const SideMembers& m = kSides[side];
    if (runProjectionDialog(side) == QDialog::Accepted) {
        this->*m.projection = definition::projectionSummary(
            dialog.m_strProjectionName, dialog.m_nStrip, dialog.m_dCentralMeridian);
        this->*m.unitX = dialog.m_strUnitX;
        this->*m.unitY = dialog.m_strUnitY;
        transform::PanelSides sides = panelSides();
        const transform::PanelResult result =
            transform::recomputeAfterDefinition(sides, panelProjections(), side);
        if (result.outcome == transform::PanelOutcome::Unmappable) {
            platform::warnInput(this, qt(result.message));
        } else {
            setPanelSides(sides);
            keepWgs84(result);
        }
    }
    // Also after "Abbrechen": the projection dialog has put its datum back.
    const geodesy::DatumParams& datum = dialog.m_dlgDatum.m_datum;
    this->*m.datum =
        definition::datumSummary(dialog.m_strProjectionName, datum.datumName, datum.ellipsoidName);
    updateData(false);
}

bool CTransformDlg::onPanelFocusLost(int side, PanelField field) {
    // A field that does not parse keeps its member; the recompute goes on
    // with the members as they are and its display replaces the bad text.
    const bool taken = updateData(true);
    transform::PanelSides sides = panelSides();
    const transform::PanelResult result =
        transform::recomputeAfterEdit(sides, panelProjections(), side, field);
    switch (result.outcome) {
        case transform::PanelOutcome::Unchanged:
            return taken;
        case transform::PanelOutcome::OutOfRange:
        case transform::PanelOutcome::Unmappable:
            return platform::warnInput(this, qt(result.message));
        case transform::PanelOutcome::Recomputed:
            break;
    }
    setPanelSides(sides);
    keepWgs84(result);
    updateData(false);
    return taken;
}

void CTransformDlg::applyModeRule(void (*rule)(transform::ModeSelection&)) {
    // When the take-over stops at a field that does not parse, the lists have
    // not reached the members: show the members again, so both agree.
    if (updateData(true) && rule != nullptr) {
        transform::ModeSelection modes{m_strProjectionMode, m_strCoordinateMode, m_strFileFormat};
        rule(modes);
        m_strProjectionMode = modes.projectionMode;
        m_strCoordinateMode = modes.coordinateMode;
        m_strFileFormat = modes.fileFormat;
    }
    updateData(false);
}

void CTransformDlg::onProjectionModeActivated() {
    applyModeRule(transform::applyProjectionModeRule);
}

void CTransformDlg::onCoordinateModeActivated() {
    applyModeRule(transform::applyCoordinateModeRule);
}

void CTransformDlg::onAngleFormatActivated() {
    applyModeRule(nullptr);
}

void CTransformDlg::onFileFormatActivated() {
    applyModeRule(transform::applyFileFormatRule);
}

void CTransformDlg::onSourceFileClicked() {
    updateData(true);
    const fileio::FileFormat& format = fileFormatOrText(m_strFileFormat);
    const QString path = platform::messageService().chooseOpenFile(
        this, qt(format.suffix), qt(format.transformFilter), QString());
    if (path.isEmpty()) return;
    m_strSourceFile = path.toStdString();
    updateData(false);
}

void CTransformDlg::onTargetFileClicked() {
    updateData(true);
    const fileio::FileFormat& format = fileFormatOrText(m_strFileFormat);
    const QString path = platform::messageService().chooseSaveFile(
        this, qt(format.suffix), qt(format.transformFilter), QString());
    if (path.isEmpty()) return;
    m_strTargetFile = path.toStdString();
    updateData(false);
}

bool CTransformDlg::checkBeforeSaving() {
    // A missing projection or file: the error icon, the focus on its button.
    const auto missing = [this](const char* message, QWidget* focus) {
        platform::showMessage(this, QString::fromUtf8(message), QString::fromUtf8(kWrongInput),
                              platform::Icon::Error);
        focusControl(focus);
        return false;
    };
    const std::array<QPushButton*, 2> projectionButtons = {ui_->buttonProjection1,
                                                           ui_->buttonProjection2};
    for (int side : {0, 1}) {
        if (!isSideDefined(side) && m_strProjectionMode != kModeWithoutSide[side]) {
            return missing(kNoProjection[side], projectionButtons[side]);
        }
    }
    if (!isChosen(m_strSourceFile)) return missing(kNoSourceFile, ui_->buttonSourceFile);
    if (!isChosen(m_strTargetFile)) return missing(kNoTargetFile, ui_->buttonTargetFile);
    if (transform::isSameFile(m_strSourceFile, m_strTargetFile)) {
        return missing(kSameFile, ui_->buttonSourceFile);
    }
    return true;
}

transform::FileTransformRequest CTransformDlg::takeSnapshot() const {
    transform::FileTransformRequest request;
    transform::TransformSnapshot& s = request.snapshot;
    s.projection1 = m_dlgProjection1.m_params;
    s.projection2 = m_dlgProjection2.m_params;
    s.projectionMode = m_strProjectionMode;
    s.coordinateMode = m_strCoordinateMode;
    s.angleFormat = m_strAngleFormat;
    const bool fromSide2 = m_strProjectionMode == transform::kProjection2To1 ||
                           m_strProjectionMode == transform::kWithinProjection2;
    s.sourceHeight = fromSide2 ? m_dHeight2 : m_dHeight1;
    s.units1 = m_dlgProjection1.m_strUnits;
    s.units2 = m_dlgProjection2.m_strUnits;
    request.sourcePath = m_strSourceFile;
    request.targetPath = m_strTargetFile;
    return request;
}

bool CTransformDlg::confirmUnits(const transform::TransformSnapshot& snapshot) {
    for (const std::string& question : transform::metafileUnitQuestions(snapshot)) {
        const platform::Answer answer =
            platform::showMessage(this, qt(question), QString::fromUtf8(fileio::kUnitsCaption),
                                  platform::Icon::Question, platform::Buttons::YesNo);
        if (answer != platform::Answer::Yes) return false;
    }
    return true;
}

void CTransformDlg::onSaveClicked() {
    if (!mayStartRun()) return;
    // A field that does not parse ends the command: the data exchange showed
    // its message and gave the field the focus.
    if (!updateData(true)) return;
    if (!checkBeforeSaving()) return;
    const fileio::FileFormat* format = fileio::findFileFormat(m_strFileFormat);
    if (format == nullptr) return;
    const transform::FileTransformRequest request = takeSnapshot();
    if (format->kind == fileio::FileFormatKind::Metafile && !confirmUnits(request.snapshot)) return;
    runTransformation(*format, request);
}

transform::FileTransformResult CTransformDlg::runFileTransform(
    fileio::FileFormatKind kind, const transform::FileTransformRequest& request,
    fileio::Feedback& feedback) {
    return transform::transformFile(kind, request, feedback);
}

void CTransformDlg::runTransformation(const fileio::FileFormat& format,
                                      const transform::FileTransformRequest& request) {
    // Everything but the dialog's repaint, cursor and progress bar stays
    // locked until the final box is closed.
    platform::RunFrame frame(*this, ui_->progressBar);
    const transform::FileTransformResult result = runFileTransform(format.kind, request, frame);
    const transform::FileMessage message =
        transform::fileTransformMessage(request, result, format.kind);
    frame.showFinalMessage(qt(message.text), qt(message.caption),
                           message.icon == transform::FileMessageIcon::Error
                               ? platform::Icon::Error
                               : platform::Icon::None);
}

void CTransformDlg::accept() {
    if (!updateData(true)) return;
    platform::Dialog::accept();
}
