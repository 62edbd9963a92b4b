// The text-file transformation on any bytes, under every mode and angle
// format (chosen by the first byte), written to a device.

#include <cstdlib>

#include "fuzz_input.h"
#include "transform/text_file_transform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::FuzzInput input = fuzz::splitInput(data, size);
    fuzz::MemorySource& source = fuzz::memorySource();
    if (!source.assign(input.file)) return 0;
    transform::FileTransformRequest request;
    request.snapshot = fuzz::textSnapshot(input.setup);
    request.sourcePath = source.path();
    request.targetPath = fuzz::kDiscardPath;
    fuzz::CheckingFeedback feedback;
    const transform::FileTransformResult result = transform::transformTextFile(request, feedback);
    feedback.expectBalanced();
    // A regular source and a device target cannot fail.
    if (result.status != transform::FileTransformStatus::Finished || result.unmappedPoints < 0) {
        std::abort();
    }
    return 0;
}
