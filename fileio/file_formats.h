#pragma once
// The three file formats of the graticule export and the file
// transformations: their list names, default suffixes and the filters of the
// file dialogs. The graticule export and the transformation dialog word the
// Illustrator filter differently; both are kept as the dialogs show them.

#include <array>
#include <string_view>

namespace fileio {

inline constexpr std::string_view kTextFormat = "Textdatei";
inline constexpr std::string_view kMetafileFormat = "Quorin Meta-Datei";
inline constexpr std::string_view kIllustratorFormat = "Adobe Illustrator / FreeHand";

enum class FileFormatKind { Text, Metafile, Illustrator };

struct FileFormat {
    FileFormatKind kind;
    std::string_view name;
    std::string_view suffix;
    std::string_view exportFilter;     // save dialog of the graticule export
    std::string_view transformFilter;  // open and save dialogs of the transformation
};

// In the order of both dialogs' lists.
inline constexpr std::array<FileFormat, 3> kFileFormats = {{
    {FileFormatKind::Text, kTextFormat, "txt", "Textdatei (Tabs getrennt) (*.txt)",
     "Textdatei (Tabs getrennt) (*.txt)"},
    {FileFormatKind::Metafile, kMetafileFormat, "met", "Quorin Metadatei (*.met)",
     "Quorin Metadatei (*.met)"},
    {FileFormatKind::Illustrator, kIllustratorFormat, "ai", "Adobe Illustrator 7.x (*.ai)",
     "Adobe Illustrator (*.ai)"},
}};

// The row of a list name (exact comparison), or nullptr.
constexpr const FileFormat* findFileFormat(std::string_view name) {
    for (const FileFormat& format : kFileFormats) {
        if (format.name == name) return &format;
    }
    return nullptr;
}

}  // namespace fileio
