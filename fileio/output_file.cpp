#include "fileio/output_file.h"

namespace fileio {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

OutputFile::~OutputFile() {
    if (file_ != nullptr) std::fclose(file_);
}

bool OutputFile::open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) return false;
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
