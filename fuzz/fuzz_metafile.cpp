// The metafile transformation on any bytes, between the definition pair and
// in the direction chosen by the first byte, written to a device.

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::runTransformation(fileio::FileFormatKind::Metafile, data, size);
}
