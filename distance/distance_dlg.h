#pragma once
// The dialog "Strecken / Winkel": distance, initial bearings and rhumb-line
// course between two places on a sphere. Every valid change of an input
// recomputes all results; there is no compute button.

#include <memory>
#include <string>

#include "platform/dialog.h"

namespace Ui {
class DistanceDlg;
}

// The control ids of "Strecken / Winkel".
namespace distance_ids {
enum ControlId : int {
    kClose = 1,
    kPlace1Lon = 1007,
    kPlace2Lon = 1008,
    kPlace2Lat = 1009,
    kEarthRadius = 1010,
    kBearing1 = 1011,
    kBearing2 = 1012,
    kDistance = 1013,
    kRhumbCourse = 1014,
    kDeclination1 = 1017,
    kDeclination2 = 1018,
    kPlace1Lat = 1020,
    kWithDeclination = 1021,
    kAngleNote = 1022,
    kFullCircle = 1023,
};
}  // namespace distance_ids

class CDistanceDlg : public platform::Dialog {
    Q_OBJECT
public:
    // Place 1 starts at Frankfurt am Main (50°06' N, 8°41' E).
    static constexpr double kPlace1Lat = 50.1;
    static constexpr double kPlace1Lon = 8.683333;

    explicit CDistanceDlg(QWidget* parent = nullptr);
    ~CDistanceDlg() override;

    double m_dPlace1Lat = kPlace1Lat;
    double m_dPlace1Lon = kPlace1Lon;
    double m_dPlace2Lat = 52.4;
    double m_dPlace2Lon = 13.416667;
    double m_dDeclination1 = 0.0;
    double m_dDeclination2 = 0.0;
    double m_dEarthRadius = 6371.0;  // kilometres
    double m_dDistance = 0.0;        // kilometres
    bool m_bWithDeclination = false;
    bool m_bFullCircle = false;
    double m_dBearing1 = 0.0;
    double m_dBearing2 = 0.0;
    double m_dRhumbCourse = 0.0;
    std::string m_strAngleNote;

    // Recomputes every result from the inputs when all seven pass their
    // checks; otherwise leaves the results as they are.
    void computeDistanceAndBearings();

public slots:
    // "&Schliessen": takes over the control values and closes.
    void accept() override;

protected:
    void doDataExchange(platform::DataExchange& dx) override;
    void initDialog() override;

private:
    using Check = std::string (*)(double);
    // An input edit lost the focus: takes over all control values, checks the
    // member of that edit and, when it passes, recomputes and shows everything.
    bool onInputFocusLost(const double& member, Check check);
    void onCheckBoxClicked();

    std::unique_ptr<Ui::DistanceDlg> ui_;
};
