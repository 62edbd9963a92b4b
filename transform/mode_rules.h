#pragma once
// The rules that keep the transformation dialog's three lists consistent:
// within one projection only "geographisch --> kartesisch" and
// "kartesisch --> geographisch" are possible, and a metafile or Illustrator
// document is only transformed "kartesisch --> kartesisch" between two
// projections. Each rule answers one changed selection.

#include <string>
#include <string_view>

namespace transform {

struct ModeSelection {
    std::string projectionMode;
    std::string coordinateMode;
    std::string fileFormat;
};

bool isWithinProjection(std::string_view projectionMode);
bool isVectorFormat(std::string_view fileFormat);

// After the projection mode changed.
void applyProjectionModeRule(ModeSelection& s);
// After the coordinate mode changed.
void applyCoordinateModeRule(ModeSelection& s);
// After the file format changed.
void applyFileFormatRule(ModeSelection& s);

// True when the selection keeps both rules; a combination that is false here
// never reaches a transformation.
bool isReachable(const ModeSelection& s);

}  // namespace transform
