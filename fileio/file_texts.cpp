#include "fileio/file_texts.h"

namespace fileio {
namespace {

std::string withQuotedPath(std::string_view lead, std::string_view path,
                           std::string_view tail = {}) {
    std::string text(lead);
    text += '"';
    text += path;
    text += '"';
    text += tail;
    return text;
}

}  // namespace

std::string createdText(std::string_view path) {
    return withQuotedPath("Datei : ", path, " erzeugt !");
}

std::string openErrorText(std::string_view path) {
    return withQuotedPath("Fehler beim Öffnen von Datei : ", path);
}

std::string readErrorText(std::string_view path) {
    return withQuotedPath("Fehler beim Lesen von Datei : ", path);
}

std::string writeErrorText(std::string_view path) {
    return withQuotedPath("Fehler beim Schreiben von Datei : ", path);
}

}  // namespace fileio
