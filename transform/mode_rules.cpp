#include "transform/mode_rules.h"

#include "fileio/file_formats.h"
#include "transform/modes.h"

namespace transform {
namespace {

bool isSameKind(std::string_view coordinateMode) {
    return coordinateMode == kGeographicToGeographic || coordinateMode == kCartesianToCartesian;
}

}  // namespace

bool isWithinProjection(std::string_view projectionMode) {
    return projectionMode == kWithinProjection1 || projectionMode == kWithinProjection2;
}

bool isVectorFormat(std::string_view fileFormat) {
    return fileFormat == fileio::kMetafileFormat || fileFormat == fileio::kIllustratorFormat;
}

void applyProjectionModeRule(ModeSelection& s) {
    if (isWithinProjection(s.projectionMode) && isSameKind(s.coordinateMode)) {
        s.coordinateMode = kGeographicToCartesian;
    }
    if (isWithinProjection(s.projectionMode) && isVectorFormat(s.fileFormat)) {
        s.fileFormat = fileio::kTextFormat;
    }
}

void applyCoordinateModeRule(ModeSelection& s) {
    if (isSameKind(s.coordinateMode) && isWithinProjection(s.projectionMode)) {
        s.projectionMode = kProjection1To2;
    }
    if (s.coordinateMode != kCartesianToCartesian && isVectorFormat(s.fileFormat)) {
        s.fileFormat = fileio::kTextFormat;
    }
}

void applyFileFormatRule(ModeSelection& s) {
    if (isVectorFormat(s.fileFormat) && s.coordinateMode != kCartesianToCartesian) {
        s.coordinateMode = kCartesianToCartesian;
    }
    if (isVectorFormat(s.fileFormat) && isWithinProjection(s.projectionMode)) {
        s.projectionMode = kProjection1To2;
    }
}

bool isReachable(const ModeSelection& s) {
    if (isWithinProjection(s.projectionMode) && isSameKind(s.coordinateMode)) return false;
    if (isVectorFormat(s.fileFormat)) {
        return s.coordinateMode == kCartesianToCartesian && !isWithinProjection(s.projectionMode);
    }
    return true;
}

}  // namespace transform
