#include "app/gitterwerk_dlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "app/about_dlg.h"
#include "app/app_icon.h"

namespace {

// The empty client area: 318 × 110 dialog units of the classic dialog font.
constexpr int kClientWidth = 477;
constexpr int kClientHeight = 179;

}  // namespace

CGitterwerkDlg::CGitterwerkDlg(QWidget* parent)
    : QMainWindow(parent),
      runModal([](QDialog& dialog) { return dialog.exec(); }),
      m_hIcon(app::applicationIcon()),
      m_dlgGraticule(this),
      m_dlgTransform(this),
      m_dlgDistance(this) {
    setWindowTitle(QStringLiteral("Gitterwerk"));
    setWindowIcon(m_hIcon);

    auto* client = new QWidget(this);
    client->setMinimumSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    createMenus();
    createShortcuts();
}

CGitterwerkDlg::~CGitterwerkDlg() = default;

QAction* CGitterwerkDlg::addCommand(QMenu* menu, const QString& text, int commandId,
                                    void (CGitterwerkDlg::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void CGitterwerkDlg::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    addCommand(file, QStringLiteral("&Beenden"), kCommandExit, &CGitterwerkDlg::onExit);

    QMenu* graticule = menuBar()->addMenu(QStringLiteral("&Kartennetz"));
    QMenu* coordinates = graticule->addMenu(QStringLiteral("&Kartennetz / Koordinaten"));
    addCommand(coordinates, QStringLiteral("&erzeugen ..."), kCommandGraticule,
               &CGitterwerkDlg::onGraticule);
    addCommand(coordinates, QStringLiteral("&transformieren ..."), kCommandTransform,
               &CGitterwerkDlg::onTransform);
    addCommand(graticule, QStringLiteral("&Strecken / Winkel ..."), kCommandDistance,
               &CGitterwerkDlg::onDistance);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    addCommand(help, QStringLiteral("&Info"), kCommandAbout, &CGitterwerkDlg::onAbout);
}

void CGitterwerkDlg::createShortcuts() {
    // The window has no controls, so Enter and Escape end it, as they end a
    // dialog. A held key's repeats do not: an Escape held to close a tool
    // would otherwise end the program and lose every value in the tools.
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, &CGitterwerkDlg::onExit);
    }
    // In keyboard navigation of the menu bar (Alt or F10) a menu title is
    // highlighted and Enter opens that menu: the menu bar claims the key
    // before the shortcut sees it. It may keep the focus after leaving the
    // navigation, with nothing highlighted; Enter ends the program again then.
    menuBar()->installEventFilter(this);
}

bool CGitterwerkDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar() && event->type() == QEvent::ShortcutOverride &&
        menuBar()->activeAction() != nullptr) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* CGitterwerkDlg::commandAction(int commandId) const {
    for (QAction* action : findChildren<QAction*>()) {
        if (action->data().toInt() == commandId) return action;
    }
    return nullptr;
}

void CGitterwerkDlg::onExit() {
    close();
}

void CGitterwerkDlg::onAbout() {
    CAboutDlg about(this);
    runModal(about);
}

void CGitterwerkDlg::onGraticule() {
    runModal(m_dlgGraticule);
}

void CGitterwerkDlg::onTransform() {
    runModal(m_dlgTransform);
}

void CGitterwerkDlg::onDistance() {
    runModal(m_dlgDistance);
}
