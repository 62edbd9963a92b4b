#pragma once
// The dialog "Kartennetz / Koordinaten erzeugen".

#include <string>

#include "platform/dialog.h"

class CGraticuleDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CGraticuleDlg(QWidget* parent = nullptr);
    ~CGraticuleDlg() override;

    double m_dSouth = -90.0;
    double m_dNorth = 90.0;
    double m_dWest = -180.0;
    double m_dEast = 180.0;
    double m_dSpacing = 10.0;
    double m_dParallelStep = 1.0;
    double m_dMeridianStep = 1.0;
    std::string m_strProjection = "(undefinierte Projektion)";
    std::string m_strFileFormat = "Adobe Illustrator / FreeHand";
    std::string m_strTargetFile = "(undefinierte Datei)";
};
