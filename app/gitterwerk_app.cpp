#include "app/gitterwerk_app.h"

#include "app/app_icon.h"
#include "app/gitterwerk_dlg.h"

CGitterwerkApp::CGitterwerkApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Gitterwerk"));
    setApplicationVersion(QStringLiteral("1.1.2"));
    setWindowIcon(app::applicationIcon());
    setQuitOnLastWindowClosed(true);
}

CGitterwerkApp::~CGitterwerkApp() = default;

int CGitterwerkApp::initInstance() {
    CGitterwerkDlg mainWindow;
    mainWindow.show();
    exec();
    return 0;
}
