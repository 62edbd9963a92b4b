#pragma once
// The target file of one generation run: written through a large buffer of
// its own, with every failed write and a failed close noticed, so that a full
// disk is reported instead of a finished file.

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace fileio {

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();  // closes without reporting; call close() to learn the outcome
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens for writing (an existing file is truncated); false when that fails.
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    // False once any write failed; later writes are dropped.
    bool ok() const { return ok_; }

    void write(std::string_view text) {
        if (text.size() > room()) makeRoom(text.size());
        std::memcpy(buffer_.data() + used_, text.data(), text.size());
        used_ += text.size();
    }
    void put(char c) {
        if (room() == 0) makeRoom(1);
        buffer_[used_++] = c;
    }
    // A place to format up to `size` characters in; commit(end) keeps them.
    char* reserve(std::size_t size) {
        if (size > room()) makeRoom(size);
        return buffer_.data() + used_;
    }
    void commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }

    // Writes what is buffered and closes; true when every write and the close succeeded.
    bool close();

private:
    std::size_t room() const { return buffer_.size() - used_; }
    void makeRoom(std::size_t size);
    void flush();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

}  // namespace fileio
