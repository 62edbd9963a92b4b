// The line reader, the field splitter and the number reader on their own.
// Besides the sanitizers' findings, the reader's promises are checked: lines
// hold no line end, every byte of the source is delivered exactly once, and
// the splitter and the number reader agree with themselves.

#include <unistd.h>

#include <array>
#include <cstdlib>

#include "fileio/line_reader.h"
#include "fileio/number_reader.h"
#include "fuzz_input.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkFields(std::string_view line, std::string_view delimiterText) {
    const fileio::DelimiterSet delimiters(delimiterText);
    constexpr int kFields = 8;
    std::array<std::string_view, kFields> fields;
    const int found = fileio::splitFields(line, delimiters, fields.data(), kFields);
    require(found >= 0 && found <= kFields);
    for (int i = 0; i < kFields; ++i) {
        const std::string_view field = fileio::getField(i, delimiters, line);
        require(i < found ? field == fields[static_cast<std::size_t>(i)] : field.empty());
        for (char c : field) require(!delimiters.contains(c));
        std::size_t length = 0;
        fileio::readNumber(field, length);
        require(length <= field.size());
        require((length > 0) == fileio::startsWithNumber(field));
        std::int32_t whole = 0;
        if (fileio::parseWholeInteger(field, whole)) require(fileio::readInteger(field) == whole);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::FuzzInput input = fuzz::splitInput(data, size);
    fuzz::MemorySource& source = fuzz::memorySource();
    if (!source.assign(input.file)) return 0;
    fileio::LineReader reader;
    // Bit 0: read through a descriptor handed over instead of the path.
    if ((input.setup & 1u) != 0) {
        if (::lseek(source.descriptor(), 0, SEEK_SET) != 0) return 0;
        reader.openDescriptor(source.descriptor());
    } else {
        require(reader.open(source.path()));
    }
    require(reader.size() == input.file.size());
    std::uint64_t expected = 0;
    // Bit 1: drop a byte-order mark first.
    if ((input.setup & 2u) != 0 && reader.skipByteOrderMark()) {
        require(input.file.substr(0, 3) == fileio::kByteOrderMark);
        expected = 3;
    }
    std::string_view line;
    while (reader.readLine(line)) {
        // The line is the next bytes of the source, followed by its end.
        require(input.file.substr(static_cast<std::size_t>(expected), line.size()) == line);
        expected += line.size();
        for (char c : line) require(c != '\n' && c != '\r');
        if (expected < input.file.size()) {
            const char end = input.file[static_cast<std::size_t>(expected)];
            require(end == '\n' || end == '\r');
            ++expected;
            if (end == '\r' && expected < input.file.size() &&
                input.file[static_cast<std::size_t>(expected)] == '\n') {
                ++expected;
            }
        }
        require(reader.bytesConsumed() == expected);
        checkFields(line, fileio::kFieldDelimiters);
        checkFields(line, fileio::kCoordinateDelimiters);
    }
    require(!reader.failed());
    require(expected == input.file.size());
    return 0;
}
