#pragma once
// Rewriting a "Quorin Meta-Datei" from one projection into the other, record
// by record: every header normalised to "type count parameter" with single
// blanks, the points of the line, point-mark, text-point and area records
// transformed and written with one decimal, the text record marked as
// converted, every other line copied byte for byte.
//
// A record's count is the number of body lines actually written: a record
// cut short by the end of the file keeps the lines it has, a point without a
// finite image is left out, and the added second point of a single point
// mark or text point is counted. A header whose type or count is not an
// integer, or whose count is negative, is copied and starts no record, so a
// damaged header never swallows the records after it.

#include <cstdint>
#include <string>
#include <vector>

#include "fileio/feedback.h"
#include "fileio/file_texts.h"
#include "transform/file_run.h"
#include "transform/transform_request.h"

namespace transform {

// The questions (Yes/No, caption fileio::kUnitsCaption) to ask before a metafile run,
// in the order to ask them: one per side whose unit text is not exactly
// "pixel", side 1 first, whatever the direction of the run. A No to any of
// them ends the run before a file is opened.
std::vector<std::string> metafileUnitQuestions(const TransformSnapshot& snapshot);

// Transforms the metafile at request.sourcePath into request.targetPath. The
// snapshot's modes are "kartesisch --> kartesisch" between the two
// projections. Feedback and failures as every file transformation reports
// them; unmappedPoints counts the points left out. Of the options only the
// source descriptor is taken: a byte-order mark is copied.
FileTransformResult transformMetafile(const FileTransformRequest& request,
                                      fileio::Feedback& feedback,
                                      const FileRunOptions& options = {});

}  // namespace transform
