#pragma once
// The texts and captions that every file operation shows: the final box of a
// finished file, and the "Dateizugriff" messages for a file that cannot be
// opened, read or written. The path stands in double quotation marks.

#include <string>
#include <string_view>

namespace fileio {

inline constexpr const char* kFinishedCaption = "Fertig";
inline constexpr const char* kFileAccessCaption = "Dateizugriff";
// The caption of the question asked when the metafile units are not pixels.
inline constexpr const char* kUnitsCaption = "Einheiten";

// "Datei : "<path>" erzeugt !"
std::string createdText(std::string_view path);
// "Fehler beim Öffnen von Datei : "<path>""
std::string openErrorText(std::string_view path);
// "Fehler beim Lesen von Datei : "<path>""
std::string readErrorText(std::string_view path);
// "Fehler beim Schreiben von Datei : "<path>""
std::string writeErrorText(std::string_view path);

}  // namespace fileio
