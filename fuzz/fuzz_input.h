#pragma once
// What every fuzz target shares: the bytes of one input as a regular source
// file (in memory, reached through its /proc path, so that the readers open it
// as they open a user's file), a transformation set-up chosen by the first
// byte of the input, and a feedback that only counts.
//
// The first byte picks the set-up; the rest is the source file. So a
// finding replays with the same projections and modes it was found with.
// The seeds in fuzz/corpus/<target>/ are the project's test files and the
// graticule export's outputs behind such a byte (the two hex digits at the
// end of each seed's name); the definition file reader's seeds are plain
// definition files, since its input is the definition itself.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fileio/feedback.h"
#include "fileio/file_formats.h"
#include "transform/transform_request.h"

namespace fuzz {

// The input split into the set-up byte (0 for an empty input) and the file.
struct FuzzInput {
    std::uint8_t setup = 0;
    std::string_view file;
};
FuzzInput splitInput(const std::uint8_t* data, std::size_t size);

// A file that holds `bytes`; path() opens it from the start. One per process,
// rewritten for every input.
class MemorySource {
public:
    MemorySource();
    ~MemorySource();
    MemorySource(const MemorySource&) = delete;
    MemorySource& operator=(const MemorySource&) = delete;

    // Replaces the content; false when the kernel refused.
    bool assign(std::string_view bytes);
    const std::string& path() const { return path_; }
    int descriptor() const { return fd_; }

private:
    int fd_ = -1;
    std::string path_;
};

// The process's one memory source.
MemorySource& memorySource();

// Every mode of the text-file transformation: bits 0-1 the projection mode,
// 2-3 the coordinate mode, 4 the angle format, 5-7 the pair of definitions.
transform::TransformSnapshot textSnapshot(std::uint8_t setup);
// "kartesisch --> kartesisch" as the vector formats need it: bit 0 the
// direction, bits 1-3 the pair of definitions.
transform::TransformSnapshot vectorSnapshot(std::uint8_t setup);

// The target of every run: a device, so that nothing reaches the disk.
inline constexpr const char* kDiscardPath = "/dev/null";

// Counts what a run reports and checks its order: started() before
// stopped(), each at most once.
class CheckingFeedback : public fileio::Feedback {
public:
    void started() override;
    void setProgress(int position) override;
    void pump() override {}
    void stopped() override;
    // Aborts when a run that opened its files did not stop, or stopped
    // without starting.
    void expectBalanced() const;

private:
    int starts_ = 0;
    int stops_ = 0;
};

// One input through the file transformation of a format: the set-up byte
// picks the snapshot (textSnapshot or vectorSnapshot), the source is the rest,
// the target a device. Aborts when the feedback is out of order or the run
// does not finish (a regular source and a device target cannot fail).
int runTransformation(fileio::FileFormatKind kind, const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
