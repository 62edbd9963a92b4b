#pragma once
// The file transformation of a format: the text-file, metafile or Illustrator
// transformation, as the dialog's "&Speichern" and the command line start it.

#include "fileio/feedback.h"
#include "fileio/file_formats.h"
#include "transform/file_run.h"
#include "transform/transform_request.h"

namespace transform {

// `options` reach every format: an already open source is read by each; the
// byte-order mark is skipped by the text-file transformation only.
FileTransformResult transformFile(fileio::FileFormatKind kind, const FileTransformRequest& request,
                                  fileio::Feedback& feedback, const FileRunOptions& options = {});

}  // namespace transform
