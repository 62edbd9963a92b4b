#include "transform/file_run.h"

namespace transform {

int progressPosition(std::uint64_t consumed, std::uint64_t size) {
    if (size == 0) return 0;
    if (consumed >= size) return 100;
    return static_cast<int>(static_cast<double>(consumed) * 100.0 / static_cast<double>(size));
}

FileRun::FileRun(const FileTransformRequest& request, fileio::Feedback& feedback,
                 const FileRunOptions& options)
    : request_(request), feedback_(feedback), options_(options), points_(request.snapshot) {}

FileTransformStatus FileRun::open() {
    if (options_.sourceDescriptor >= 0) {
        source_.openDescriptor(options_.sourceDescriptor);
    } else if (!source_.open(request_.sourcePath)) {
        return FileTransformStatus::SourceOpenFailed;
    }
    if (!target_.open(request_.targetPath)) {
        source_.close();
        return FileTransformStatus::TargetOpenFailed;
    }
    if (options_.skipByteOrderMark) source_.skipByteOrderMark();
    open_ = true;
    feedback_.started();
    return FileTransformStatus::Finished;
}

FileTransformResult FileRun::finish() {
    FileTransformResult result;
    result.unmappedPoints = unmapped_;
    const bool readFailed = source_.failed();
    source_.close();
    // After a read error the target keeps its previous content.
    if (readFailed) target_.discard();
    const bool written = !readFailed && target_.close();
    if (open_) feedback_.stopped();
    open_ = false;
    if (readFailed) {
        result.status = FileTransformStatus::ReadFailed;
    } else if (!written) {
        result.status = FileTransformStatus::WriteFailed;
    }
    return result;
}

}  // namespace transform
