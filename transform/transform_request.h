#pragma once
// What a point or file transformation works on: a snapshot of the two
// projection definitions, the three modes and the source side's height,
// taken when the run starts, so that nothing a dialog shows can change under
// a running transformation.

#include <cstdint>
#include <string>

#include "fileio/file_formats.h"
#include "geodesy/projection.h"

namespace transform {

struct TransformSnapshot {
    geodesy::ProjectionParams projection1;
    geodesy::ProjectionParams projection2;
    std::string projectionMode;  // an entry of kProjectionModes
    std::string coordinateMode;  // an entry of kCoordinateModes
    std::string angleFormat;     // an entry of kAngleFormats
    double sourceHeight = 0.0;   // metres, the height of the source side for every point
    // The unit texts of the two sides ("mm", "cm", "m ", "km", "pixel"): the
    // records carry only their millimetres per unit, and the metafile run asks
    // about every side whose unit text is not "pixel".
    std::string units1;
    std::string units2;
};

struct FileTransformRequest {
    TransformSnapshot snapshot;
    std::string sourcePath;
    std::string targetPath;
};

enum class FileTransformStatus {
    Finished,          // the target is complete
    SourceOpenFailed,  // nothing was written; no feedback
    TargetOpenFailed,  // the source was closed again; no feedback
    ReadFailed,        // the run stopped at a read error of the source
    WriteFailed,       // the run stopped at the first failed write (or close)
};

struct FileTransformResult {
    FileTransformStatus status = FileTransformStatus::Finished;
    // Points whose image is not finite: left out (vector formats) or written
    // as empty lines (text files).
    int64_t unmappedPoints = 0;
};

}  // namespace transform
