#include "fileio/output_file.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
constexpr unsigned kNewFileMode = 0666;
constexpr unsigned kModeBits = 07777;

// The process's umask, read without changing it (setting and restoring it
// would affect files that other threads create meanwhile); 022 when the
// kernel does not tell.
unsigned currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<unsigned>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    return 022;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a symbolic link finally leads to, or empty.
std::string resolvedPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return {};
    std::string text(resolved);
    std::free(resolved);
    return text;
}

}  // namespace

OutputFile::~OutputFile() {
    discard();
}

bool OutputFile::open(const std::string& path) {
    discard();
    buffer_.assign(kBufferSize, '\0');
    used_ = 0;
    ok_ = true;
    if (path == kStandardOutputPath) {
        // A copy of the descriptor, so that closing it leaves standard output open.
        fd_ = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
        return fd_ >= 0;
    }
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
        if (errno == ENOENT) return openReplacement(path, nullptr) || openDirectly(path);
        return openDirectly(path);
    }
    std::string target = path;
    struct stat info = link;
    if (S_ISLNK(link.st_mode)) {
        // The file behind the link is replaced, the link stays.
        if (::stat(path.c_str(), &info) != 0) return openDirectly(path);
        target = resolvedPath(path);
        if (target.empty()) return openDirectly(path);
    }
    if (!S_ISREG(info.st_mode)) return openDirectly(path);
    // The file would be replaced, not written: ask as opening it would.
    if (::access(target.c_str(), W_OK) != 0) return false;
    return openReplacement(target, &info) || openDirectly(path);
}

bool OutputFile::openReplacement(const std::string& target, const struct stat* existing) {
    std::string pattern = folderOf(target) + "/." + nameOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return false;
    unsigned mode = kNewFileMode & ~currentUmask();
    if (existing != nullptr) {
        mode = static_cast<unsigned>(existing->st_mode) & kModeBits;
        // The same owner and group where the process may give them; where it
        // may not, the replacement is the process's own, as a new file is.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
        }
    }
    if (::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return false;
    }
    fd_ = fd;
    target_ = target;
    temporary_ = pattern;
    return true;
}

bool OutputFile::openDirectly(const std::string& path) {
    // Without O_NONBLOCK a named pipe would wait in the kernel for a reader,
    // with the window frozen; without a reader it now fails at once. A
    // regular file or a device is not affected by the flag, which is cleared
    // again so that writes to a pipe with a reader wait for it as usual.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, kNewFileMode);
    if (fd < 0) return false;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void OutputFile::makeRoom(std::size_t size) {
    flush();
    if (size > buffer_.size()) buffer_.resize(size);
}

void OutputFile::flush() {
    if (used_ == 0) return;
    if (fd_ < 0) ok_ = false;
    if (ok_ && !writeOut(fd_, buffer_.data(), used_)) ok_ = false;
    used_ = 0;
}

bool OutputFile::writeOut(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool OutputFile::close() {
    if (fd_ < 0) return false;
    flush();
    // A replacement reaches the disk before it takes the target's name, so
    // that a crash leaves either the old file or the whole new one.
    if (ok_ && !temporary_.empty() && ::fsync(fd_) != 0) ok_ = false;
    if (::close(fd_) != 0) ok_ = false;
    fd_ = -1;
    if (!temporary_.empty()) {
        if (ok_ && ::rename(temporary_.c_str(), target_.c_str()) != 0) ok_ = false;
        if (!ok_) ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    target_.clear();
    buffer_ = {};
    return ok_;
}

void OutputFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    target_.clear();
    used_ = 0;
}

}  // namespace fileio
