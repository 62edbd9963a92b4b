// Renders the transformation dialog in typical states to PNG files:
//   snap_transform OUTDIR
// (first opening, both sides defined with a point, a refused "&Speichern"
// with its message box, a run under way).
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "platform/controls.h"
#include "platform/messages.h"
#include "tests/support/snapshot.h"
#include "transform/modes.h"
#include "transform/transform_dlg.h"
#include "transform_dlg_sides.h"

namespace {

// Draws every message box into a picture instead of waiting for a user.
class PictureMessages : public platform::MessageService {
public:
    PictureMessages(const QDir& dir, const QString& name) : dir_(dir), name_(name) {
        platform::setMessageService(this);
    }
    ~PictureMessages() override { platform::setMessageService(nullptr); }

    platform::Answer showMessage(QWidget* parent, const QString& text, const QString& caption,
                                 platform::Icon icon, platform::Buttons) override {
        QMessageBox box(parent);
        box.setWindowTitle(caption);
        box.setText(text);
        box.setIcon(icon == platform::Icon::Error ? QMessageBox::Critical : QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        box.setModal(false);
        ok = snapshot::save(box, dir_, name_) && ok;
        return platform::Answer::Ok;
    }
    QString chooseOpenFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString chooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool ok = true;

private:
    QDir dir_;
    QString name_;
};

// The projection dialogs answer with fixed definitions instead of opening.
class SnapshotTransformDlg : public CTransformDlg {
protected:
    int runProjectionDialog(int side) override {
        using namespace transform_dlg_test;
        if (side == 0) return acceptDefinition(m_dlgProjection1, definitionOf(geodesy::kUtm, 32));
        return acceptDefinition(m_dlgProjection2, definitionOf(geodesy::kGaussKruegerGermany, 2),
                                "DHDN (Potsdam / Rauenberg)");
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDir dir;
    if (!snapshot::outputFolder(argc, argv, dir)) return 2;
    bool ok = true;

    SnapshotTransformDlg dialog;
    dialog.setModal(true);
    ok &= snapshot::save(dialog, dir, QStringLiteral("transform_defaults"));

    // Bonn on side 1; defining side 2 carries it over from ED50 to DHDN.
    dialog.m_dLat1 = 50.7374;
    dialog.m_dLon1 = 7.0982;
    dialog.m_dHeight1 = 60.0;
    dialog.updateData(false);
    using namespace transform_ids;
    platform::findControlAs<QPushButton>(&dialog, kProjectionButton1)->click();
    platform::findControlAs<QPushButton>(&dialog, kProjectionButton2)->click();
    dialog.m_strProjectionMode = transform::kProjection1To2;
    dialog.m_strCoordinateMode = transform::kCartesianToCartesian;
    dialog.m_strSourceFile = "/home/kartograf/Messpunkte/Bonn_UTM32.txt";
    dialog.m_strTargetFile = "/home/kartograf/Messpunkte/Bonn_GK2.txt";
    dialog.updateData(false);
    ok &= snapshot::save(dialog, dir, QStringLiteral("transform_both_sides"));

    // The same file under two names: refused, the focus on the source's "...".
    dialog.m_strTargetFile = "/home/kartograf/Messpunkte/./Bonn_UTM32.txt";
    dialog.updateData(false);
    {
        PictureMessages boxes(dir, QStringLiteral("transform_failed_check_box"));
        platform::findControlAs<QPushButton>(&dialog, kSave)->click();
        ok &= boxes.ok;
    }
    ok &= snapshot::save(dialog, dir, QStringLiteral("transform_failed_check"));

    dialog.setRunning(true);
    platform::findControlAs<QProgressBar>(&dialog, kProgress)->setValue(42);
    ok &= snapshot::save(dialog, dir, QStringLiteral("transform_running"));
    dialog.setRunning(false);
    return ok ? 0 : 1;
}
