#include "app/gitterwerk_app.h"

#include <clocale>

#include "app/app_icon.h"
#include "app/gitterwerk_dlg.h"

CGitterwerkApp::CGitterwerkApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Gitterwerk"));
    setApplicationVersion(QStringLiteral("1.1.2"));
    setWindowIcon(app::applicationIcon());
    setQuitOnLastWindowClosed(true);
    // Qt takes the whole C locale from the environment. Every number this
    // program writes into a file, a message or a rounded result uses a
    // decimal point, so the numeric part goes back to the classic locale.
    std::setlocale(LC_NUMERIC, "C");
}

CGitterwerkApp::~CGitterwerkApp() = default;

int CGitterwerkApp::initInstance() {
    CGitterwerkDlg mainWindow;
    mainWindow.show();
    exec();
    return 0;
}
