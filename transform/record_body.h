#pragma once
// The body of one metafile record while its header waits for the number of
// lines written: kept in memory up to a limit, beyond it in an unnamed
// temporary file, so that a record of millions of points is counted without
// being held in memory.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "fileio/output_file.h"

namespace transform {

class RecordBody {
public:
    explicit RecordBody(std::size_t memoryLimit);
    ~RecordBody();
    RecordBody(const RecordBody&) = delete;
    RecordBody& operator=(const RecordBody&) = delete;

    void append(std::string_view text) {
        text_.append(text);
        if (text_.size() > memoryLimit_) spill();
    }
    void append(char c) { text_.push_back(c); }
    // Bytes appended since the last clear.
    std::size_t size() const { return spilled_ + text_.size(); }
    // False once the temporary file could not be made or written.
    bool ok() const { return ok_; }

    // Appends the whole body to the target and empties it; false when the
    // temporary file failed (the target's own failures are in target.ok()).
    bool moveTo(fileio::OutputFile& target);
    void clear();

private:
    void spill();

    std::size_t memoryLimit_;
    std::string text_;
    std::FILE* spill_ = nullptr;
    std::size_t spilled_ = 0;
    bool ok_ = true;
};

}  // namespace transform
