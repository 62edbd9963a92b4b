#pragma once
// A small dialog with one control of every exchanged kind, for the platform tests.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <cstdint>
#include <string>

#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/messages.h"

namespace testing_dialogs {

enum Id {
    kSouth = 1001,
    kNorth = 1002,
    kStrip = 1003,
    kName = 1004,
    kType = 1005,
    kNatural = 1006,
    kResult = 1007,
    kStart = 1008,
    kProgress = 1105,
    kOk = 1,
    kCancel = 2,
};

inline const QString kSouthRange = QStringLiteral("Süd muss zwischen -90 und 90 liegen.");
inline const QString kNorthRange = QStringLiteral("Nord muss zwischen -90 und 90 liegen.");

class FieldsDialog : public platform::Dialog {
public:
    explicit FieldsDialog(QWidget* parent = nullptr) : Dialog(parent) {
        auto* grid = new QGridLayout(this);
        south = addControl(grid, new QLineEdit, kSouth);
        north = addControl(grid, new QLineEdit, kNorth);
        strip = addControl(grid, new QLineEdit, kStrip);
        name = addControl(grid, new QLineEdit, kName);
        type = addControl(grid, new QComboBox, kType);
        type->addItems({QStringLiteral("Gauß-Krüger (Deutschland)"),
                        QStringLiteral("Gauß-Krüger (Allgemein)"), QStringLiteral("UTM"),
                        QStringLiteral("Bonne")});
        natural = addControl(grid, new QCheckBox(QStringLiteral("&natürlich")), kNatural);
        result = addControl(grid, new QLineEdit, kResult);
        result->setReadOnly(true);
        progress = addControl(grid, new QProgressBar, kProgress);
        start = addControl(grid, new QPushButton(QStringLiteral("&Speichern")), kStart);
        ok = addControl(grid, new QPushButton(QStringLiteral("OK")), kOk);
        cancel = addControl(grid, new QPushButton(QStringLiteral("Abbrechen")), kCancel);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }

    // The usual range checks of a latitude field, run when the field loses the focus.
    void watchLatitudes() {
        onFocusLost(south, [this] { return checkLatitude(m_dSouth, kSouthRange, southChecks); });
        onFocusLost(north, [this] { return checkLatitude(m_dNorth, kNorthRange, northChecks); });
        setCancelButton(cancel);
    }

    using Dialog::onFocusLost;
    using Dialog::runFocusedHandler;
    using Dialog::setCancelButton;

    double m_dSouth = 10.0;
    double m_dNorth = 20.0;
    int32_t m_nStrip = 3;
    std::string m_strName = "Karte";
    std::string m_strType = "UTM";
    bool m_bNatural = true;
    double m_dResult = 0.5;

    int initCount = 0;
    QString southAtInit;
    int southChecks = 0;
    int northChecks = 0;

    QLineEdit* south;
    QLineEdit* north;
    QLineEdit* strip;
    QLineEdit* name;
    QComboBox* type;
    QCheckBox* natural;
    QLineEdit* result;
    QProgressBar* progress;
    QPushButton* start;
    QPushButton* ok;
    QPushButton* cancel;

protected:
    void doDataExchange(platform::DataExchange& dx) override {
        dx.number(south, m_dSouth);
        dx.number(north, m_dNorth);
        dx.integer(strip, m_nStrip);
        dx.text(name, m_strName);
        dx.combo(type, m_strType);
        dx.check(natural, m_bNatural);
        dx.shownNumber(result, m_dResult);
    }

    void initDialog() override {
        ++initCount;
        southAtInit = south->text();
    }

private:
    template <class W>
    W* addControl(QGridLayout* grid, W* control, int id) {
        platform::setControlId(control, id);
        grid->addWidget(control, grid->count(), 0);
        return control;
    }

    bool checkLatitude(const double& value, const QString& message, int& count) {
        ++count;
        if (!updateData(true)) return false;
        if (value < -90.0 || value > 90.0) return platform::warnInput(this, message);
        return true;
    }
};

}  // namespace testing_dialogs
