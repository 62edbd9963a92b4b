#pragma once
// The About box "Info über Gitterwerk": the program's icon, name and version,
// and "OK".

#include <memory>

#include "platform/dialog.h"

namespace Ui {
class AboutDlg;
}

class CAboutDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

private:
    std::unique_ptr<Ui::AboutDlg> ui_;
};
