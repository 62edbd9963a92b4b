#include "transform/transform_dlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/controls.h"

CTransformDlg::CTransformDlg(QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle(QStringLiteral("Kartennetz / Koordinaten transformieren"));

    auto* closeButton = new QPushButton(QStringLiteral("Schliessen"), this);
    closeButton->setDefault(true);
    platform::setControlId(closeButton, 1);
    connect(closeButton, &QPushButton::clicked, this, &CTransformDlg::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
}

CTransformDlg::~CTransformDlg() = default;
