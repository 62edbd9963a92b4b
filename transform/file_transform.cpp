#include "transform/file_transform.h"

#include "transform/illustrator_transform.h"
#include "transform/metafile_transform.h"
#include "transform/text_file_transform.h"

namespace transform {

FileTransformResult transformFile(fileio::FileFormatKind kind, const FileTransformRequest& request,
                                  fileio::Feedback& feedback, const FileRunOptions& options) {
    switch (kind) {
        case fileio::FileFormatKind::Metafile:
            return transformMetafile(request, feedback, options);
        case fileio::FileFormatKind::Illustrator:
            return transformIllustratorFile(request, feedback, options);
        case fileio::FileFormatKind::Text:
            break;
    }
    return transformTextFile(request, feedback, options);
}

}  // namespace transform
