#include "app/gitterwerk_app.h"

#include <QLibraryInfo>
#include <QTranslator>
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
    // Qt's own texts (the file dialogs with their overwrite question, the
    // edit fields' context menus) in German like the rest of the program,
    // whatever language the environment names. Without Qt's translation
    // files they stay English.
    auto* qtTexts = new QTranslator(this);
    if (qtTexts->load(QStringLiteral("qtbase_de"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
}

CGitterwerkApp::~CGitterwerkApp() = default;

int CGitterwerkApp::initInstance() {
    CGitterwerkDlg mainWindow;
    mainWindow.show();
    exec();
    return 0;
}
