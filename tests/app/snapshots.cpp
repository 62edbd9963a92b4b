// Writes PNG pictures of the main window (with its menu open), the About box,
// the transformation dialog's frame and the distance dialog in typical states
// into the directory given as the only argument. Run under
// QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <cstdio>
#include <vector>

#include "app/about_dlg.h"
#include "app/gitterwerk_app.h"
#include "app/gitterwerk_dlg.h"
#include "platform/controls.h"
#include "tests/support/recording_messages.h"

namespace {

QString outputDirectory;
int failures = 0;

void save(const QPixmap& picture, const QString& name) {
    const QString path = QDir(outputDirectory).filePath(name);
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "snap_app: cannot write %s\n", qPrintable(path));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// Counts a state that did not come about; the picture is taken all the same.
void expect(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "snap_app: %s\n", what);
    ++failures;
}

void showActive(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    expect(QTest::qWaitFor([&widget] { return QApplication::activeWindow() == &widget; }),
           "a window did not become active");
    QTest::qWait(50);
}

// The window with its open popups painted where the screen shows them.
QPixmap composeWithPopups(QWidget& window, const std::vector<QWidget*>& popups) {
    QRect area = window.frameGeometry();
    for (QWidget* popup : popups) area |= popup->geometry();
    QPixmap canvas(area.size());
    canvas.fill(Qt::darkGray);
    QPainter painter(&canvas);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    for (QWidget* popup : popups) {
        painter.drawPixmap(popup->geometry().topLeft() - area.topLeft(), popup->grab());
    }
    return canvas;
}

void snapMainWindow() {
    CGitterwerkDlg window;
    showActive(window);
    save(window.grab(), "main_window.png");

    // "&Kartennetz" open, with its sub-menu "&Kartennetz / Koordinaten".
    QAction* graticule = window.menuBar()->actions().at(1);
    window.menuBar()->setActiveAction(graticule);
    QMenu* menu = graticule->menu();
    expect(QTest::qWaitFor([&] { return menu->isVisible(); }), "menu->isVisible() never came true");
    QAction* coordinates = menu->actions().at(0);
    menu->setActiveAction(coordinates);
    QTest::keyClick(menu, Qt::Key_Right);
    QMenu* submenu = coordinates->menu();
    expect(QTest::qWaitFor([&] { return submenu->isVisible(); }),
           "submenu->isVisible() never came true");
    QTest::qWait(50);
    save(composeWithPopups(window, {menu, submenu}), "main_window_menu.png");
    submenu->close();
    menu->close();

    QAction* help = window.menuBar()->actions().at(2);
    window.menuBar()->setActiveAction(help);
    expect(QTest::qWaitFor([&] { return help->menu()->isVisible(); }),
           "help->menu()->isVisible() never came true");
    QTest::qWait(50);
    save(composeWithPopups(window, {help->menu()}), "main_window_help_menu.png");
    help->menu()->close();

    CAboutDlg about(&window);
    showActive(about);
    save(about.grab(), "about.png");
    about.close();

    showActive(window.m_dlgTransform);
    save(window.m_dlgTransform.grab(), "transform_frame.png");
    window.m_dlgTransform.close();
}

void enter(QWidget& dialog, int id, const QString& text) {
    auto* edit = platform::findControlAs<QLineEdit>(&dialog, id);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

void snapDistanceDialog() {
    platform::RecordingMessageService messages;
    CGitterwerkDlg window;
    CDistanceDlg& dialog = window.m_dlgDistance;
    showActive(dialog);
    save(dialog.grab(), "distance_defaults.png");

    // Magnetic north, full circle, a long way round.
    enter(dialog, 1017, "200");
    enter(dialog, 1018, "-3.5");
    QTest::mouseClick(platform::findControlAs<QCheckBox>(&dialog, 1021), Qt::LeftButton);
    QTest::mouseClick(platform::findControlAs<QCheckBox>(&dialog, 1023), Qt::LeftButton);
    enter(dialog, 1009, "-33.916667");
    enter(dialog, 1008, "-179.999999");
    save(dialog.grab(), "distance_magnetic_full_circle.png");

    // A refused radius: the field keeps the value and the focus.
    enter(dialog, 1010, "-6371");
    save(dialog.grab(), "distance_failed_check.png");
    if (!messages.messages.empty()) {
        const platform::RecordedMessage& recorded = messages.messages.back();
        QMessageBox box(QMessageBox::Warning, recorded.caption, recorded.text, QMessageBox::Ok,
                        &dialog);
        showActive(box);
        save(box.grab(), "distance_failed_check_message.png");
    } else {
        std::fprintf(stderr, "snap_app: the refused radius showed no message\n");
        ++failures;
    }
    dialog.close();
}

}  // namespace

int main(int argc, char** argv) {
    CGitterwerkApp application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: snap_app OUTDIR\n");
        return 2;
    }
    outputDirectory = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outputDirectory)) {
        std::fprintf(stderr, "snap_app: cannot create %s\n", argv[1]);
        return 1;
    }
    snapMainWindow();
    snapDistanceDialog();
    return failures == 0 ? 0 : 1;
}
