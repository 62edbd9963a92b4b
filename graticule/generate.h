#pragma once
// One graticule run: opens the target file, writes the format's prologue, the
// parallels from -90 and the meridians from -180 in steps of the spacing with
// the tropics and polar circles inserted, projects every point, and writes
// the epilogue. Qt-free: inputs are explicit, progress and pumping go through
// fileio::Feedback, and the outcome comes back for the caller to show.

#include <string>

#include "fileio/feedback.h"
#include "geodesy/projection.h"
#include "graticule/extent.h"
#include "graticule/graticule_writer.h"

namespace graticule {

struct GenerationRequest {
    GraticuleExtent extent;
    std::string path;  // the target file, as entered
};

enum class GenerationStatus {
    Finished,      // the file is complete; box holds the points written
    InvalidInput,  // an extent field failed its check; nothing was touched
    OpenFailed,    // the file could not be opened; nothing was written, no feedback
    WriteFailed,   // a write or the close failed; the run stopped there
};

struct GenerationResult {
    GenerationStatus status = GenerationStatus::Finished;
    BoundingBox box;        // reset when the file was opened
    ExtentProblem problem;  // for InvalidInput
};

// Feedback order: started() after the file was opened and the prologue was
// written, a progress position before every line inside the extent, pump()
// after every point, stopped() after the file was closed (also after a write
// failure). Nothing of it when the input is invalid or the file does not open.
GenerationResult generateGraticule(const geodesy::ProjectionParams& projection,
                                   const GenerationRequest& request, GraticuleWriter& writer,
                                   fileio::Feedback& feedback);
// The same with any projector in place of the engine.
GenerationResult generateGraticule(const PointProjector& projector,
                                   const GenerationRequest& request, GraticuleWriter& writer,
                                   fileio::Feedback& feedback);

// The progress position of v between low and high, from base to base + 50
// (truncated); base when low equals high.
int progressPosition(double v, double low, double high, int base);

// The "Fertig" text: the file and the bounding box in the output unit
// (unit text unchanged, so "m " keeps its blank); for a file without any
// point, a sentence saying so instead of the box.
std::string summaryText(const std::string& path, const BoundingBox& box, const std::string& units);

}  // namespace graticule
