#pragma once
// What the caller of a file transformation shows when the run is over: the
// text, caption and icon of the one message box, by the run's outcome.
// - finished: "Datei : "<target>" erzeugt !", caption "Fertig", no icon; when
//   points had no finite image, a second line says how many and what became
//   of them;
// - the source does not open: "Fehler beim Öffnen von Datei : "<source>"";
// - the target does not open, or a write fails: "Fehler beim Schreiben von
//   Datei : "<target>"";
// - a read fails: "Fehler beim Lesen von Datei : "<source>"";
// the errors with caption "Dateizugriff" and the error icon.

#include <cstdint>
#include <string>

#include "fileio/file_formats.h"
#include "transform/transform_request.h"

namespace transform {

enum class FileMessageIcon { None, Error };

struct FileMessage {
    std::string text;
    std::string caption;
    FileMessageIcon icon = FileMessageIcon::None;
};

// The "Fertig" text; the line about unmapped points only when there were any
// (text files keep an empty line for each, the vector formats leave them out).
std::string finishedText(const std::string& targetPath, std::int64_t unmappedPoints,
                         fileio::FileFormatKind format);

FileMessage fileTransformMessage(const FileTransformRequest& request,
                                 const FileTransformResult& result, fileio::FileFormatKind format);

}  // namespace transform
