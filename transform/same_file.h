#pragma once
// Whether two paths name one file, so that a transformation never reads from
// the file it is writing.

#include <string>

namespace transform {

// True when the two texts are equal, when the target exists and both name the
// same file (a symbolic or hard link, a "./" spelling), or, while the target
// does not exist yet, when both spellings lead to the same place. Letter case
// counts: two files whose names differ only in case are two files. Never
// throws; a path that cannot be examined counts by its text alone.
bool isSameFile(const std::string& sourcePath, const std::string& targetPath);

}  // namespace transform
