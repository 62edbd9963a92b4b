#pragma once
// What a graticule run needs besides the projection: the writer of the chosen
// format, the checks of the whole extent before a run, and the question about
// non-pixel units in a metafile. The dialog and the command line set up a run
// from the same inputs through these functions.

#include <ctime>
#include <memory>
#include <string>
#include <string_view>

#include "fileio/file_texts.h"
#include "graticule/extent.h"
#include "graticule/graticule_writer.h"
#include "graticule/metafile_writer.h"

namespace graticule {

inline constexpr const char* kUnitsQuestion =
    "Die Einheiten sind nicht auf Pixel eingestellt !\n\nTrotzdem fortfahren ?";

// The writer of a format list name (nullptr for any other text). The
// Illustrator writer takes the target path for its title, the map
// millimetres per output unit and the local creation time.
std::unique_ptr<GraticuleWriter> makeWriter(std::string_view fileFormat, const ObjectKeys& keys,
                                            const std::string& targetPath,
                                            double millimetresPerUnit, const std::tm& created);

// A metafile in another unit than "pixel" needs the user's consent.
bool needsUnitQuestion(std::string_view fileFormat, std::string_view units);

}  // namespace graticule
