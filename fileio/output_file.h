#pragma once
// The target file of a run (a graticule, a file transformation, a definition
// file): written through a large buffer of its own, with every failed write
// and a failed close noticed, so that a full disk is reported instead of a
// finished file.
//
// Replacing, not overwriting: a target that is a regular file (or does not
// exist yet) is written to a hidden temporary file beside it, which close()
// renames over the target only when every write, the flush to the disk and
// the close succeeded. A failed run, or a file dropped without a successful
// close() (discard(), the destructor), removes the temporary file, so the
// user's previous file stays as it was and nothing is left behind. The
// temporary file gets the mode of the file it replaces, or that of a new file
// under the process's umask.
//
// Written directly, as it is: the path "-" (standard output); a target that
// exists and is not a regular file (a device such as /dev/full, a named pipe),
// opened without blocking (a named pipe without a reader does not open);
// a symbolic link that leads nowhere; and a target whose folder takes no new
// file (the file itself being writable). A directory does not open.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

struct stat;

namespace fileio {

// The path that means standard output.
inline constexpr std::string_view kStandardOutputPath = "-";

class OutputFile {
public:
    OutputFile() = default;
    virtual ~OutputFile();  // discards a file that was not closed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens for writing; false when that fails (an existing target that the
    // process may not write, a missing folder, a named pipe without a reader).
    // The target itself is not touched before close().
    bool open(const std::string& path);
    bool isOpen() const { return fd_ >= 0; }
    // False once any write failed (or fail() was called); later writes are dropped.
    bool ok() const { return ok_; }
    // Marks the run failed for a reason of the caller's: close() then discards.
    void fail() { ok_ = false; }

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

    // Writes what is buffered, flushes and closes, and puts the file in place
    // of the target; true when all of it succeeded. After a failure the target
    // is as it was before open() (written directly: as far as it got).
    bool close();
    // Drops the file: closes it and removes the temporary file.
    void discard();

protected:
    // Writes `size` bytes to the open file; false on an error. The one place
    // where bytes leave the process, so that a test can fail it.
    virtual bool writeOut(int fd, const char* data, std::size_t size);

private:
    std::size_t room() const { return buffer_.size() - used_; }
    void makeRoom(std::size_t size);
    void flush();
    // A temporary file beside `target` with the mode of `existing` (or of a new
    // file when it is null); false when the folder takes no new file.
    bool openReplacement(const std::string& target, const struct stat* existing);
    bool openDirectly(const std::string& path);

    int fd_ = -1;
    std::string target_;     // renamed over on close; empty when written directly
    std::string temporary_;  // the temporary file while it exists
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

}  // namespace fileio
