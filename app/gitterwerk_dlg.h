#pragma once
// The main window "Gitterwerk": an empty area under the menu that opens the
// three tools and the About box. It holds the tool dialogs for the whole run,
// so every value left in a tool is there when it is opened again. Closing the
// window (menu, close box, Enter or Escape) ends the program; Enter and Escape
// only when pressed while the main window itself was active, never as the
// repeats of a key held down after it closed a tool.

#include <QIcon>
#include <QMainWindow>
#include <functional>

#include "distance/distance_dlg.h"
#include "graticule/graticule_dlg.h"
#include "transform/transform_dlg.h"

class QAction;
class QDialog;
class QKeyEvent;

class CGitterwerkDlg : public QMainWindow {
    Q_OBJECT
public:
    // Command ids of the menu items (QAction::data()).
    static constexpr int kCommandExit = 40001;
    static constexpr int kCommandAbout = 40002;
    static constexpr int kCommandDistance = 40004;
    static constexpr int kCommandGraticule = 40006;
    static constexpr int kCommandTransform = 40007;

    explicit CGitterwerkDlg(QWidget* parent = nullptr);
    ~CGitterwerkDlg() override;

    // Runs a dialog modally and returns its result (QDialog::exec by default).
    // Tests replace it, so that no real modal loop blocks them.
    std::function<int(QDialog&)> runModal;

    // The menu item of a command id, or nullptr.
    QAction* commandAction(int commandId) const;

    QIcon m_hIcon;
    CGraticuleDlg m_dlgGraticule;
    CTransformDlg m_dlgTransform;
    CDistanceDlg m_dlgDistance;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void createMenus();
    QAction* addCommand(QMenu* menu, const QString& text, int commandId,
                        void (CGitterwerkDlg::*handler)());

    void onExit();
    void onAbout();
    void onGraticule();
    void onTransform();
    void onDistance();

    // The last release of Enter or Escape that reached the main window: a
    // press of the same key with the same timestamp is the key held down.
    int lastReleasedKey_ = 0;  // no key has the code 0
    quint64 lastReleaseTime_ = 0;
};
