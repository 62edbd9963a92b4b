#include "app/display_check.h"

namespace app {
namespace {

bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

std::string displayProblem(const char* qpaPlatform, const char* x11Display,
                           const char* waylandDisplay) {
    if (isSet(qpaPlatform) || isSet(x11Display) || isSet(waylandDisplay)) return {};
    return "Gitterwerk kann nicht starten: keine Anzeige gefunden "
           "(weder DISPLAY noch WAYLAND_DISPLAY noch QT_QPA_PLATFORM ist gesetzt).";
}

std::string displayFailure(const std::string& qtMessage) {
    std::string text = "Gitterwerk kann nicht starten: die Anzeige lässt sich nicht öffnen.";
    if (!qtMessage.empty()) text += "\n" + qtMessage;
    return text;
}

}  // namespace app
