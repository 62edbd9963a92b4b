#include "fileio/output_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace fileio {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

OutputFile::~OutputFile() {
    if (file_ != nullptr) std::fclose(file_);
}

bool OutputFile::open(const std::string& path) {
    // Without O_NONBLOCK a named pipe would wait in the kernel for a reader,
    // with the window frozen; without a reader it now fails at once. A
    // regular file or a device is not affected by the flag, which is cleared
    // again so that writes to a pipe with a reader wait for it as usual.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        ::close(fd);
        return false;
    }
    file_ = ::fdopen(fd, "w");
    if (file_ == nullptr) {
        ::close(fd);
        return false;
    }
    buffer_.assign(kBufferSize, '\0');
    used_ = 0;
    ok_ = true;
    return true;
}

void OutputFile::makeRoom(std::size_t size) {
    flush();
    if (size > buffer_.size()) buffer_.resize(size);
}

void OutputFile::flush() {
    if (used_ == 0) return;
    if (file_ == nullptr) ok_ = false;
    if (ok_ && std::fwrite(buffer_.data(), 1, used_, file_) != used_) ok_ = false;
    used_ = 0;
}

bool OutputFile::close() {
    if (file_ == nullptr) return false;
    flush();
    if (std::fflush(file_) != 0) ok_ = false;
    if (std::fclose(file_) != 0) ok_ = false;
    file_ = nullptr;
    return ok_;
}

}  // namespace fileio
