#pragma once
// Reading the source of a file transformation line by line, and splitting a
// line into fields.
//
// Lines: a line ends at LF, at CR LF (taken together as one end) or at a lone
// CR; the last line of a file needs no end. Lines come back without their
// end, whole, however long they are, and with every other byte as it is
// (a NUL byte is an ordinary byte). A line is a view into the reader's
// buffer, valid until the next call.
//
// Errors: a failed read after opening is an error of its own, distinct from
// the end of the file; after it, readLine returns false and failed() is true.
//
// Fields: a line splits into fields at a set of delimiter characters; a run
// of delimiters counts as one and delimiters at the start of the line are
// skipped. Fields are views into the line.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fileio {

// The delimiters of coordinate lines and metafile records.
inline constexpr std::string_view kFieldDelimiters = " ,\t;|";
// The delimiters that classify Illustrator lines, and those of their coordinates.
inline constexpr std::string_view kBlankDelimiters = " \t";
inline constexpr std::string_view kCoordinateDelimiters = " ,\t";

// The UTF-8 byte-order mark.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class LineReader {
public:
    LineReader();
    ~LineReader();  // closes a file it opened itself
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens a regular file (anything else, a directory or a named pipe, is
    // refused without blocking) and learns its size. False when that fails.
    bool open(const std::string& path);
    // Reads from a descriptor that is already open (standard input, say);
    // the reader does not close it. The size is that of a regular file,
    // otherwise 0 (unknown).
    void openDescriptor(int fd);
    void close();

    // Drops a UTF-8 byte-order mark at the very start of the source (call
    // before the first readLine; it counts as consumed). True when there was one.
    bool skipByteOrderMark();

    // The next line without its end; false at the end of the source or after
    // a read error.
    bool readLine(std::string_view& line);

    bool failed() const { return failed_; }
    // Bytes of the source delivered so far: the lines returned with their ends
    // (and a skipped byte-order mark).
    std::uint64_t bytesConsumed() const { return consumed_; }
    // The size of the source when it was opened (0 when it is not a regular file).
    std::uint64_t size() const { return size_; }

private:
    bool fill();  // reads more into the buffer; false at the end or on an error

    int fd_ = -1;
    bool ownsFd_ = false;
    bool eof_ = false;
    bool failed_ = false;
    bool pendingCr_ = false;  // the last line ended in CR: a following LF belongs to it
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first byte not yet delivered
    std::size_t end_ = 0;    // end of the bytes read
    std::uint64_t consumed_ = 0;
    std::uint64_t size_ = 0;
};

// A set of delimiter characters as a table over all 256 byte values.
class DelimiterSet {
public:
    constexpr explicit DelimiterSet(std::string_view delimiters) : bits_{} {
        for (char c : delimiters) {
            const auto byte = static_cast<unsigned char>(c);
            bits_[byte / 64] |= std::uint64_t{1} << (byte % 64);
        }
    }
    constexpr bool contains(char c) const {
        const auto byte = static_cast<unsigned char>(c);
        return (bits_[byte / 64] >> (byte % 64)) & 1u;
    }

private:
    std::array<std::uint64_t, 4> bits_;
};

// Field number `index` (0 for the first) of the line, or an empty view when
// the line has fewer fields.
std::string_view getField(int index, const DelimiterSet& delimiters, std::string_view line);
std::string_view getField(int index, std::string_view delimiters, std::string_view line);

// The first up to `count` fields of the line into fields[0..); returns how
// many there were. Fields beyond `count` are not looked at.
int splitFields(std::string_view line, const DelimiterSet& delimiters, std::string_view* fields,
                int count);

}  // namespace fileio
