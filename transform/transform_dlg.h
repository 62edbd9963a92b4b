#pragma once
// The dialog "Kartennetz / Koordinaten transformieren". So far only its frame:
// the caption and the "Schliessen" button; the two projection sides, the
// interactive point and the file transformation are still to come.

#include "platform/dialog.h"

class CTransformDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CTransformDlg(QWidget* parent = nullptr);
    ~CTransformDlg() override;
};
