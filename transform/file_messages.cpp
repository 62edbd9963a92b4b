#include "transform/file_messages.h"

#include "fileio/file_texts.h"

namespace transform {

std::string finishedText(const std::string& targetPath, std::int64_t unmappedPoints,
                         fileio::FileFormatKind format) {
    std::string text = fileio::createdText(targetPath);
    if (unmappedPoints <= 0) return text;
    text += '\n';
    text += std::to_string(unmappedPoints);
    text += format == fileio::FileFormatKind::Text
                ? " Punkte ohne Abbildung: leere Zeilen in der Zieldatei."
                : " Punkte ohne Abbildung: in der Zieldatei ausgelassen.";
    return text;
}

FileMessage fileTransformMessage(const FileTransformRequest& request,
                                 const FileTransformResult& result, fileio::FileFormatKind format) {
    const auto error = [](std::string text) {
        return FileMessage{std::move(text), fileio::kFileAccessCaption, FileMessageIcon::Error};
    };
    switch (result.status) {
        case FileTransformStatus::Finished:
            return FileMessage{finishedText(request.targetPath, result.unmappedPoints, format),
                               fileio::kFinishedCaption, FileMessageIcon::None};
        case FileTransformStatus::SourceOpenFailed:
            return error(fileio::openErrorText(request.sourcePath));
        case FileTransformStatus::ReadFailed:
            return error(fileio::readErrorText(request.sourcePath));
        case FileTransformStatus::TargetOpenFailed:
        case FileTransformStatus::WriteFailed:
            break;
    }
    return error(fileio::writeErrorText(request.targetPath));
}

}  // namespace transform
