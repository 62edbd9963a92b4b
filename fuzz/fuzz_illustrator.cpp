// The Illustrator transformation on any bytes, between the definition pair
// and in the direction chosen by the first byte, written to a device.

#include <cstdlib>

#include "fuzz_input.h"
#include "transform/illustrator_transform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::FuzzInput input = fuzz::splitInput(data, size);
    fuzz::MemorySource& source = fuzz::memorySource();
    if (!source.assign(input.file)) return 0;
    transform::FileTransformRequest request;
    request.snapshot = fuzz::vectorSnapshot(input.setup);
    request.sourcePath = source.path();
    request.targetPath = fuzz::kDiscardPath;
    fuzz::CheckingFeedback feedback;
    const transform::FileTransformResult result =
        transform::transformIllustratorFile(request, feedback);
    feedback.expectBalanced();
    if (result.status != transform::FileTransformStatus::Finished || result.unmappedPoints < 0) {
        std::abort();
    }
    return 0;
}
