// Starts Gitterwerk; without a display it says so on standard error and ends
// with status 1 instead of letting Qt abort.

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/display_check.h"
#include "app/gitterwerk_app.h"

namespace {

QtMessageHandler previousHandler = nullptr;

// Active while QApplication is constructed: Qt reports a display that cannot
// be opened as a fatal message and aborts after it; end here first.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtFatalMsg) {
        const std::string text = app::displayFailure(message.toStdString());
        std::fprintf(stderr, "%s\n", text.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (previousHandler != nullptr) previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string problem = app::displayProblem(
        std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    CGitterwerkApp application(argc, argv);
    qInstallMessageHandler(previousHandler);
    return application.initInstance();
}
