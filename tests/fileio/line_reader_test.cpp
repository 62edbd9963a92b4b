#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fileio/line_reader.h"
#include "fileio/number_reader.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/line_reader_XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string file(const std::string& name, const std::string& bytes) const {
        const std::string path = path_ + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

struct ReadOutcome {
    std::vector<std::string> lines;
    bool failed = false;
    std::uint64_t consumed = 0;
};

ReadOutcome readAll(fileio::LineReader& reader) {
    ReadOutcome outcome;
    std::string_view line;
    while (reader.readLine(line)) outcome.lines.emplace_back(line);
    outcome.failed = reader.failed();
    outcome.consumed = reader.bytesConsumed();
    return outcome;
}

ReadOutcome readFile(const std::string& path, bool skipMark = false) {
    fileio::LineReader reader;
    EXPECT_TRUE(reader.open(path));
    if (skipMark) reader.skipByteOrderMark();
    return readAll(reader);
}

// ---- Line ends -------------------------------------------------------------

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

const LineCase kLineCases[] = {
    {"empty file", "", {}},
    {"one empty line", "\n", {""}},
    {"LF", "a\nb\n", {"a", "b"}},
    {"CR LF once", "a\r\nb\r\n", {"a", "b"}},
    {"lone CR", "a\rb\r", {"a", "b"}},
    {"CR CR LF is two ends", "a\r\r\nb", {"a", "", "b"}},
    {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
    {"mixed ends", "a\nb\r\nc\rd", {"a", "b", "c", "d"}},
    {"last line without end", "a\nlast", {"a", "last"}},
    {"empty lines keep their place", "\n\na\n\n", {"", "", "a", ""}},
    {"NUL is an ordinary byte", "a\0b\nc"s, {"a\0b"s, "c"}},
    {"blanks kept", "  x  \t\n", {"  x  \t"}},
};

TEST(LineReaderTest, LineEnds) {
    TempDir dir;
    for (const LineCase& c : kLineCases) {
        const ReadOutcome outcome = readFile(dir.file("lines", c.bytes));
        EXPECT_EQ(outcome.lines, c.lines) << c.name;
        EXPECT_FALSE(outcome.failed) << c.name;
        EXPECT_EQ(outcome.consumed, c.bytes.size()) << c.name;
    }
}

// A CR LF pair split across two reads, and lines that outgrow the buffer.
TEST(LineReaderTest, LinesAcrossBufferBoundaries) {
    TempDir dir;
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    for (std::size_t crAt : {kChunk - 1, kChunk, kChunk + 1}) {
        std::string bytes(crAt, 'x');
        bytes += "\r\nnext\r";
        const ReadOutcome outcome = readFile(dir.file("split", bytes));
        ASSERT_EQ(outcome.lines.size(), 2u) << crAt;
        EXPECT_EQ(outcome.lines[0].size(), crAt);
        EXPECT_EQ(outcome.lines[1], "next");
        EXPECT_EQ(outcome.consumed, bytes.size());
    }
    // Three million bytes in one line, between two short ones.
    std::string huge(3'000'000, 'y');
    huge[1'234'567] = '\0';
    const ReadOutcome outcome = readFile(dir.file("huge", "a\n" + huge + "\nb"));
    ASSERT_EQ(outcome.lines.size(), 3u);
    EXPECT_EQ(outcome.lines[1], huge);
    EXPECT_EQ(outcome.lines[2], "b");
}

TEST(LineReaderTest, LongLineAndLongFieldIntact) {
    TempDir dir;
    std::string line(100'000, '7');
    const std::string field(1'000, '5');
    line.replace(50'000, 3, " ; ");
    line += "\t" + field + "|tail";
    const ReadOutcome outcome = readFile(dir.file("long", line + "\n"));
    ASSERT_EQ(outcome.lines.size(), 1u);
    EXPECT_EQ(outcome.lines[0], line);
    EXPECT_EQ(fileio::getField(2, fileio::kFieldDelimiters, outcome.lines[0]), field);
    EXPECT_EQ(fileio::getField(0, fileio::kFieldDelimiters, outcome.lines[0]).size(), 50'000u);
}

TEST(LineReaderTest, ByteOrderMarkSkippedOnlyWhenAsked) {
    TempDir dir;
    const std::string path = dir.file("bom",
                                      "\xEF\xBB\xBF"
                                      "48 9\n");
    EXPECT_EQ(readFile(path, true).lines, std::vector<std::string>{"48 9"});
    EXPECT_EQ(readFile(path, true).consumed, 8u);
    EXPECT_EQ(readFile(path, false).lines, std::vector<std::string>{"\xEF\xBB\xBF"
                                                                    "48 9"});
    // A file that only begins like a mark keeps its bytes.
    EXPECT_EQ(readFile(dir.file("half", "\xEF\xBB"), true).lines,
              std::vector<std::string>{"\xEF\xBB"});
}

// ---- Opening and errors ------------------------------------------------------

TEST(LineReaderTest, OnlyRegularFilesOpen) {
    TempDir dir;
    fileio::LineReader reader;
    EXPECT_FALSE(reader.open(dir.path() + "/missing"));
    EXPECT_FALSE(reader.open(dir.path()));
    const std::string fifo = dir.path() + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(reader.open(fifo));  // refused, without waiting for a writer
    ASSERT_TRUE(reader.open(dir.file("size", "12345\n")));
    EXPECT_EQ(reader.size(), 6u);
}

TEST(LineReaderTest, ReadErrorIsNotEndOfFile) {
    // A directory opens as a descriptor but cannot be read.
    TempDir dir;
    const int fd = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    fileio::LineReader reader;
    reader.openDescriptor(fd);
    const ReadOutcome outcome = readAll(reader);
    EXPECT_TRUE(outcome.lines.empty());
    EXPECT_TRUE(outcome.failed);
    ::close(fd);
    // A regular file of the process file system whose reading fails.
    fileio::LineReader memory;
    ASSERT_TRUE(memory.open("/proc/self/mem"));
    EXPECT_TRUE(readAll(memory).failed);
}

TEST(LineReaderTest, ReadsFromOpenDescriptor) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const std::string bytes = "1 2\r\n3 4";
    ASSERT_EQ(::write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fds[1]);
    fileio::LineReader reader;
    reader.openDescriptor(fds[0]);
    const ReadOutcome outcome = readAll(reader);
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{"1 2", "3 4"}));
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(reader.size(), 0u);  // unknown for a pipe
    ::close(fds[0]);
}

// ---- Fields ------------------------------------------------------------------

struct FieldCase {
    std::string line;
    std::string_view delimiters;
    std::vector<std::string> fields;
};

const FieldCase kFieldCases[] = {
    {"48.5;9.1", fileio::kFieldDelimiters, {"48.5", "9.1"}},
    {"48.5,9.1", fileio::kFieldDelimiters, {"48.5", "9.1"}},
    {"  48.5 |  9.1", fileio::kFieldDelimiters, {"48.5", "9.1"}},
    {";|,\t 1 ,, 2 ;; 3|", fileio::kFieldDelimiters, {"1", "2", "3"}},
    {"48,5 9,1", fileio::kFieldDelimiters, {"48", "5", "9", "1"}},
    {" ,;|\t", fileio::kFieldDelimiters, {}},
    {"", fileio::kFieldDelimiters, {}},
    {"1,2 m", fileio::kBlankDelimiters, {"1,2", "m"}},
    {"1;2 3", fileio::kCoordinateDelimiters, {"1;2", "3"}},
    {"a\0b c"s, fileio::kFieldDelimiters, {"a\0b"s, "c"}},
};

TEST(FieldTest, SplitAtDelimiterRuns) {
    for (const FieldCase& c : kFieldCases) {
        const fileio::DelimiterSet set(c.delimiters);
        std::vector<std::string_view> fields(8);
        const int count = fileio::splitFields(c.line, set, fields.data(), 8);
        fields.resize(count);
        EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.end()), c.fields) << c.line;
        for (std::size_t i = 0; i <= c.fields.size(); ++i) {
            const std::string expected = i < c.fields.size() ? c.fields[i] : "";
            EXPECT_EQ(fileio::getField(static_cast<int>(i), c.delimiters, c.line), expected)
                << c.line << " field " << i;
        }
    }
    std::string_view first[1];
    EXPECT_EQ(fileio::splitFields("1 2 3", fileio::DelimiterSet(" "), first, 1), 1);
}

// ---- Numbers -----------------------------------------------------------------

constexpr double kInf = std::numeric_limits<double>::infinity();

struct NumberCase {
    const char* field;
    double value;
    bool number;  // begins with a number
};

const NumberCase kNumberCases[] = {
    {"48.5", 48.5, true},  {"-.5", -0.5, true},     {".5", 0.5, true},
    {"+5", 5.0, true},     {"1e2", 100.0, true},    {"1E-2", 0.01, true},
    {"9.1abc", 9.1, true}, {"7.", 7.0, true},       {"1e", 1.0, true},
    {"1e+", 1.0, true},    {"2.5e1x", 25.0, true},  {"0x10", 0.0, true},
    {"1e999", kInf, true}, {"-1e999", -kInf, true}, {"1e-999", 0.0, true},
    {"nan", 0.0, false},   {"inf", 0.0, false},     {"-infinity", 0.0, false},
    {"Nord", 0.0, false},  {"", 0.0, false},        {"-", 0.0, false},
    {".", 0.0, false},     {"+-5", 0.0, false},     {"-+5", 0.0, false},
    {"..5", 0.0, false},   {"\v5", 0.0, false},     {"4.9e-324", 4.9e-324, true},
};

TEST(NumberReaderTest, LenientDecimalReading) {
    for (const NumberCase& c : kNumberCases) {
        EXPECT_EQ(fileio::readNumber(c.field), c.value) << c.field;
        EXPECT_EQ(fileio::startsWithNumber(c.field), c.number) << c.field;
    }
    EXPECT_TRUE(std::signbit(fileio::readNumber("-1e-999")));
    EXPECT_TRUE(std::signbit(fileio::readNumber("-0")));
    std::size_t length = 0;
    fileio::readNumber("-12.5e1;", length);
    EXPECT_EQ(length, 7u);
}

// The values of a classic-locale strtod, for digits that need correct rounding.
TEST(NumberReaderTest, SameValuesAsClassicStrtod) {
    const char* const fields[] = {
        "0.1",
        "2.2250738585072011e-308",
        "1.7976931348623157e308",
        "9007199254740993",
        "0.3",
        "123456789.12345678",
        "5e-324",
        "-47.123456789012345678",
        "1e23",
        "8.98846567431158e307",
        "0.000000000000000000001",
        "3.14159265358979323846",
    };
    for (const char* field : fields) {
        EXPECT_EQ(fileio::readNumber(field), std::strtod(field, nullptr)) << field;
    }
    // Random decimals of 1 to 24 digits, the point anywhere, some with an exponent.
    std::mt19937 random(11);
    for (int i = 0; i < 200000; ++i) {
        std::string field = random() % 4 == 0 ? "-" : "";
        const int length = 1 + static_cast<int>(random() % 24);
        const int point = static_cast<int>(random() % (length + 1));
        for (int k = 0; k < length; ++k) {
            if (k == point) field += '.';
            field += static_cast<char>('0' + random() % 10);
        }
        if (random() % 8 == 0) {
            field += 'e';
            field += std::to_string(static_cast<int>(random() % 40) - 20);
        }
        ASSERT_EQ(fileio::readNumber(field), std::strtod(field.c_str(), nullptr)) << field;
    }
}

// A decimal comma in the process locale changes nothing.
TEST(NumberReaderTest, IndependentOfProcessLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    const double point = fileio::readNumber("9.75");
    const double comma = fileio::readNumber("9,75");
    const double huge = fileio::readNumber("1e999");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(point, 9.75);
    EXPECT_EQ(comma, 9.0);
    EXPECT_EQ(huge, kInf);
}

struct IntegerCase {
    const char* field;
    std::int32_t value;  // readInteger
    bool whole;          // parseWholeInteger accepts the field
};

const IntegerCase kIntegerCases[] = {
    {"11", 11, true},
    {"-5", -5, true},
    {"+7", 7, true},
    {"12abc", 12, false},
    {"abc", 0, false},
    {"", 0, false},
    {"-", 0, false},
    {"2147483647", 2147483647, true},
    {"2147483648", 2147483647, false},
    {"-2147483648", -2147483647 - 1, true},
    {"-2147483649", -2147483647 - 1, false},
    {"99999999999999999999", 2147483647, false},
    {"0000000000012", 12, true},
    {"1.5", 1, false},
};

TEST(NumberReaderTest, Integers) {
    for (const IntegerCase& c : kIntegerCases) {
        EXPECT_EQ(fileio::readInteger(c.field), c.value) << c.field;
        std::int32_t value = -1;
        EXPECT_EQ(fileio::parseWholeInteger(c.field, value), c.whole) << c.field;
        if (c.whole) {
            EXPECT_EQ(value, c.value) << c.field;
        }
    }
}

}  // namespace
