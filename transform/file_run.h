#pragma once
// The frame that every file transformation runs in: open the source (a
// regular file) and learn its size, open the target, report progress by the
// bytes of the source consumed, pump after every unit of work (a line, a
// record), stop at the first read or write failure, close both files and
// say how it went. The point transformation is prepared once for the run.
//
// Feedback order: started() after both files are open; setProgress() and
// pump() after every unit; stopped() after both files are closed, also after
// a read or write failure. Nothing of it when a file does not open.
//
// Opening: a source that is not a regular file (a directory, a named pipe) is
// an open failure, and the target is then not touched. The target is opened
// as fileio::OutputFile opens it: without blocking (a named pipe without a
// reader is an open failure), and a regular target is replaced only when the
// run finished; after a read or write failure it keeps its previous bytes.

#include <cstdint>
#include <string_view>

#include "fileio/feedback.h"
#include "fileio/line_reader.h"
#include "fileio/output_file.h"
#include "transform/point_transform.h"
#include "transform/transform_request.h"

namespace transform {

struct FileRunOptions {
    // Text sources: a UTF-8 byte-order mark at the start is not part of the
    // first line (it counts as consumed). The vector formats copy it.
    bool skipByteOrderMark = false;
    // A source that is already open (standard input) is read instead of the
    // request's source path; the run does not close it.
    int sourceDescriptor = -1;
};

// bytes consumed × 100 / size, truncated and held to 0..100; 0 for an empty
// source or one of unknown size.
int progressPosition(std::uint64_t consumed, std::uint64_t size);

class FileRun {
public:
    FileRun(const FileTransformRequest& request, fileio::Feedback& feedback,
            const FileRunOptions& options = {});
    ~FileRun() = default;  // source and output close themselves, without feedback
    FileRun(const FileRun&) = delete;
    FileRun& operator=(const FileRun&) = delete;

    // Opens source and target; Finished when both are open (started() was
    // called), else SourceOpenFailed or TargetOpenFailed (nothing reported).
    FileTransformStatus open();

    // The next line of the source; false at its end or on a read error (the
    // run then ends as ReadFailed).
    bool readLine(std::string_view& line) { return source_.readLine(line); }
    fileio::OutputFile& target() { return target_; }
    const PointTransformer& points() const { return points_; }
    const FileTransformRequest& request() const { return request_; }

    // A point without a finite image.
    void countUnmapped() { ++unmapped_; }

    // After every unit of work: the progress position, then one pump.
    void step() {
        feedback_.setProgress(progressPosition(source_.bytesConsumed(), source_.size()));
        feedback_.pump();
    }

    // False once a read or a write failed: stop the run and finish().
    bool ok() const { return !source_.failed() && target_.ok(); }

    // Closes both files, reports stopped(), and gives the outcome: ReadFailed,
    // WriteFailed (a write, the final flush or the close failed) or Finished.
    FileTransformResult finish();

private:
    const FileTransformRequest& request_;
    fileio::Feedback& feedback_;
    FileRunOptions options_;
    PointTransformer points_;
    fileio::LineReader source_;
    fileio::OutputFile target_;
    std::int64_t unmapped_ = 0;
    bool open_ = false;
};

// The end step of a run without one.
struct NoFileEnd {
    void operator()(FileRun&) const {}
};

// The whole run: opens, calls unit(run, line) for every line read at the top
// level (a unit may read further lines of its own through run.readLine),
// steps after each, stops at the first failure, calls end(run) once the whole
// source was read without a failure (no step follows it), and finishes.
template <class Unit, class End = NoFileEnd>
FileTransformResult runFileTransform(const FileTransformRequest& request,
                                     fileio::Feedback& feedback, const FileRunOptions& options,
                                     Unit&& unit, End&& end = {}) {
    FileRun run(request, feedback, options);
    const FileTransformStatus opened = run.open();
    if (opened != FileTransformStatus::Finished) return FileTransformResult{opened, 0};
    std::string_view line;
    while (run.ok() && run.readLine(line)) {
        unit(run, line);
        run.step();
    }
    if (run.ok()) end(run);
    return run.finish();
}

}  // namespace transform
