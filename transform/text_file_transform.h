#pragma once
// The transformation of a text file of coordinate pairs: one target line per
// source line. A line whose first two fields (split at any run of
// " ,\t;|") both begin with a number is a coordinate line and gives
// "a\tb\tr1\tr2\n" with eight decimals: the two values as read (before any
// dd.mmssss conversion), then the two results of the point transformation.
// Every other line (empty, delimiters only, a title, a single number) and
// every point without a finite image gives an empty line; the latter are
// counted. A UTF-8 byte-order mark at the start of the source is skipped.
// Fields after the second are ignored; a comma always separates fields.

#include "fileio/feedback.h"
#include "transform/file_run.h"
#include "transform/transform_request.h"

#include <string_view>

namespace transform {

// A coordinate line: its first two fields (split as above) both begin with a
// number; their values go to a and b. False for every other line.
bool readCoordinatePair(std::string_view line, double& a, double& b);

// Runs in the frame of file_run.h (feedback order, open, read and write
// failures). Of the options only the source descriptor is taken: the
// byte-order mark is always skipped.
FileTransformResult transformTextFile(const FileTransformRequest& request,
                                      fileio::Feedback& feedback,
                                      const FileRunOptions& options = {});

}  // namespace transform
