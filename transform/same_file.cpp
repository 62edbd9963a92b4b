#include "transform/same_file.h"

#include <filesystem>
#include <system_error>

namespace transform {

bool isSameFile(const std::string& sourcePath, const std::string& targetPath) {
    if (sourcePath == targetPath) return true;
    namespace fs = std::filesystem;
    const fs::path source(sourcePath);
    const fs::path target(targetPath);
    std::error_code error;
    if (fs::exists(target, error)) {
        const bool same = fs::equivalent(source, target, error);
        return !error && same;
    }
    // The target is still to be written: compare where both spellings lead
    // (links and "." or ".." resolved as far as the path exists).
    const fs::path canonicalSource = fs::weakly_canonical(source, error);
    if (error) return false;
    const fs::path canonicalTarget = fs::weakly_canonical(target, error);
    if (error) return false;
    return canonicalSource == canonicalTarget;
}

}  // namespace transform
