#include "app/gitterwerk_dlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/about_dlg.h"
#include "app/app_icon.h"

namespace {

bool endsTheProgram(int key) {
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

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
    // In keyboard navigation of the menu bar (Alt or F10) a menu title is
    // highlighted and Enter opens that menu: the menu bar claims the key
    // before the window sees it. It may keep the focus after leaving the
    // navigation, with nothing highlighted; Enter ends the program again then.
    menuBar()->installEventFilter(this);
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

// The window has no controls, so Enter and Escape end it, as they end a
// dialog. A key held down repeats as release/press pairs. Qt marks a pair as
// auto-repeat only when the press is already queued when it reads the
// release; otherwise, under X11, the pair shows itself by equal timestamps.
// An Escape held to close a tool must not go on to end the program and lose
// every value in the tools: only a fresh press, made while the main window
// was active, ends it.
void CGitterwerkDlg::keyPressEvent(QKeyEvent* event) {
    if (!endsTheProgram(event->key())) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    const bool held = event->isAutoRepeat() ||
                      (event->key() == lastReleasedKey_ && event->timestamp() == lastReleaseTime_);
    if (held || !isActiveWindow()) return;
    onExit();
}

void CGitterwerkDlg::keyReleaseEvent(QKeyEvent* event) {
    if (!endsTheProgram(event->key())) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    event->accept();
    lastReleasedKey_ = event->key();
    lastReleaseTime_ = event->timestamp();
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
