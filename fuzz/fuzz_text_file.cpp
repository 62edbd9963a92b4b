// The text-file transformation on any bytes, under every mode and angle
// format (chosen by the first byte), written to a device.

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::runTransformation(fileio::FileFormatKind::Text, data, size);
}
