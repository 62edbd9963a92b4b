#pragma once
// The file transformation of a format: the text-file, metafile or Illustrator
// transformation, as the dialog's "&Speichern" and the command line start it.

#include "fileio/feedback.h"
#include "fileio/file_formats.h"
#include "transform/file_run.h"
#include "transform/transform_request.h"

namespace transform {

// `options` reach the text-file transformation only (an already open source,
// the byte-order mark); the vector formats read the request's source path.
FileTransformResult transformFile(fileio::FileFormatKind kind, const FileTransformRequest& request,
                                  fileio::Feedback& feedback, const FileRunOptions& options = {});

}  // namespace transform
