#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "batch/console.h"
#include "fileio/file_texts.h"

namespace batch {
namespace {

// The whole content of a descriptor; false on a read error.
bool readAll(int fd, std::string& text) {
    char buffer[1 << 14];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0) return false;
        text.append(buffer, static_cast<size_t>(got));
    }
}

}  // namespace

Outcome readDefinition(const std::string& path, const Console& console,
                       definition::DefinitionFile& out) {
    std::string text;
    if (isStandardStream(path)) {
        if (!readAll(console.inputFd, text)) return {kExitFile, fileio::readErrorText(path)};
    } else {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info {};
        if (fd < 0 || ::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
            if (fd >= 0) ::close(fd);
            return {kExitFile, fileio::openErrorText(path)};
        }
        const bool read = readAll(fd, text);
        ::close(fd);
        if (!read) return {kExitFile, fileio::readErrorText(path)};
    }
    std::string problem = definition::parseDefinitionText(text, path, out);
    if (!problem.empty()) return {kExitInput, std::move(problem)};
    return {};
}

}  // namespace batch
