#include "distance/distance_dlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "definition/field_checks.h"
#include "distance/distance_calculation.h"
#include "platform/data_exchange.h"
#include "ui_distance_dlg.h"

namespace ids = distance_ids;

CDistanceDlg::CDistanceDlg(QWidget* parent)
    : platform::Dialog(parent), ui_(std::make_unique<Ui::DistanceDlg>()) {
    ui_->setupUi(this);
    platform::setControlIds({
        {ui_->closeButton, ids::kClose},
        {ui_->place1LonEdit, ids::kPlace1Lon},
        {ui_->place2LonEdit, ids::kPlace2Lon},
        {ui_->place2LatEdit, ids::kPlace2Lat},
        {ui_->earthRadiusEdit, ids::kEarthRadius},
        {ui_->bearing1Edit, ids::kBearing1},
        {ui_->bearing2Edit, ids::kBearing2},
        {ui_->distanceEdit, ids::kDistance},
        {ui_->rhumbCourseEdit, ids::kRhumbCourse},
        {ui_->declination1Edit, ids::kDeclination1},
        {ui_->declination2Edit, ids::kDeclination2},
        {ui_->place1LatEdit, ids::kPlace1Lat},
        {ui_->withDeclinationCheck, ids::kWithDeclination},
        {ui_->angleNoteLabel, ids::kAngleNote},
        {ui_->fullCircleCheck, ids::kFullCircle},
    });

    const auto watch = [this](QLineEdit* edit, const double& member, Check check) {
        onFocusLost(edit, [this, &member, check] { return onInputFocusLost(member, check); });
    };
    watch(ui_->place1LatEdit, m_dPlace1Lat, definition::checkLatitude);
    watch(ui_->place1LonEdit, m_dPlace1Lon, definition::checkLongitude);
    watch(ui_->place2LatEdit, m_dPlace2Lat, definition::checkLatitude);
    watch(ui_->place2LonEdit, m_dPlace2Lon, definition::checkLongitude);
    watch(ui_->declination1Edit, m_dDeclination1, distance::checkDeclination);
    watch(ui_->declination2Edit, m_dDeclination2, distance::checkDeclination);
    watch(ui_->earthRadiusEdit, m_dEarthRadius, definition::checkPositive);

    connect(ui_->withDeclinationCheck, &QCheckBox::clicked, this, &CDistanceDlg::onCheckBoxClicked);
    connect(ui_->fullCircleCheck, &QCheckBox::clicked, this, &CDistanceDlg::onCheckBoxClicked);
    connect(ui_->closeButton, &QPushButton::clicked, this, &CDistanceDlg::accept);
}

CDistanceDlg::~CDistanceDlg() = default;

void CDistanceDlg::doDataExchange(platform::DataExchange& dx) {
    dx.number(ui_->place1LatEdit, m_dPlace1Lat);
    dx.number(ui_->place1LonEdit, m_dPlace1Lon);
    dx.number(ui_->place2LatEdit, m_dPlace2Lat);
    dx.number(ui_->place2LonEdit, m_dPlace2Lon);
    dx.number(ui_->declination1Edit, m_dDeclination1);
    dx.number(ui_->declination2Edit, m_dDeclination2);
    dx.number(ui_->earthRadiusEdit, m_dEarthRadius);
    dx.shownNumber(ui_->distanceEdit, m_dDistance);
    dx.check(ui_->withDeclinationCheck, m_bWithDeclination);
    dx.check(ui_->fullCircleCheck, m_bFullCircle);
    dx.shownNumber(ui_->bearing1Edit, m_dBearing1);
    dx.shownNumber(ui_->bearing2Edit, m_dBearing2);
    dx.shownNumber(ui_->rhumbCourseEdit, m_dRhumbCourse);
    if (!dx.saving()) dx.text(ui_->angleNoteLabel, m_strAngleNote);
}

void CDistanceDlg::initDialog() {
    computeDistanceAndBearings();
    updateData(false);
}

void CDistanceDlg::accept() {
    if (!updateData(true)) return;
    platform::Dialog::accept();
}

void CDistanceDlg::computeDistanceAndBearings() {
    distance::DistanceInputs inputs;
    inputs.place1Lat = m_dPlace1Lat;
    inputs.place1Lon = m_dPlace1Lon;
    inputs.place2Lat = m_dPlace2Lat;
    inputs.place2Lon = m_dPlace2Lon;
    inputs.declination1 = m_dDeclination1;
    inputs.declination2 = m_dDeclination2;
    inputs.earthRadius = m_dEarthRadius;
    inputs.withDeclination = m_bWithDeclination;
    inputs.fullCircle = m_bFullCircle;
    // A refused value may still sit in its member (it stays until corrected)
    // and reach this point by Enter, a check box's shortcut or a reopening;
    // its field has already said what is wrong, so nothing is recomputed.
    if (!distance::inputsValid(inputs)) return;

    const distance::DistanceResults results = distance::computeDistanceAndBearings(inputs);
    m_dDistance = results.distance;
    m_dBearing1 = results.bearing1;
    m_dBearing2 = results.bearing2;
    m_dRhumbCourse = results.rhumbCourse;
    m_dDeclination1 = results.declination1;
    m_dDeclination2 = results.declination2;
    m_strAngleNote = results.angleNote;
}

bool CDistanceDlg::onInputFocusLost(const double& member, Check check) {
    if (!takeOverAndCheck([&member, check] { return check(member); })) return false;
    computeDistanceAndBearings();
    updateData(false);
    return true;
}

void CDistanceDlg::onCheckBoxClicked() {
    if (!updateData(true)) return;
    computeDistanceAndBearings();
    updateData(false);
}
