#include "app/about_dlg.h"

#include <QPushButton>

#include "app/app_icon.h"
#include "ui_about_dlg.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : platform::Dialog(parent), ui_(std::make_unique<Ui::AboutDlg>()) {
    ui_->setupUi(this);
    platform::setControlId(ui_->okButton, 1);
    ui_->iconLabel->setPixmap(app::largeIconPixmap());
    setWindowIcon(app::applicationIcon());
    connect(ui_->okButton, &QPushButton::clicked, this, &CAboutDlg::accept);
}

CAboutDlg::~CAboutDlg() = default;
