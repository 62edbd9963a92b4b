#include <gtest/gtest.h>

#include <unistd.h>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "fileio/line_reader.h"
#include "fileio/number_reader.h"

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

struct Read {
    Lines lines;
    bool failed = false;
    std::uint64_t consumed = 0;
};

// Writes the bytes to a file and reads it back line by line.
Read readBytes(const std::string& bytes, bool skipMark = false) {
    char path[] = "/tmp/line_reader_XXXXXX";
    ::close(::mkstemp(path));
    std::ofstream(path, std::ios::binary) << bytes;
    fileio::LineReader reader;
    EXPECT_TRUE(reader.open(path));
    if (skipMark) reader.skipByteOrderMark();
    Read read;
    std::string_view line;
    while (reader.readLine(line)) read.lines.emplace_back(line);
    read.failed = reader.failed();
    read.consumed = reader.bytesConsumed();
    std::remove(path);
    return read;
}

struct LineCase {
    std::string bytes;
    Lines lines;
};

const LineCase kLineCases[] = {
    {"", {}},
    {"\n", {""}},
    {"a\nb\n", {"a", "b"}},
    {"a\r\nb\r\n", {"a", "b"}},
    {"a\rb\r", {"a", "b"}},
    {"a\r\r\nb", {"a", "", "b"}},
    {"a\n\rb", {"a", "", "b"}},
    {"a\nb\r\nc\rlast", {"a", "b", "c", "last"}},
    {"\n\na\n\n", {"", "", "a", ""}},
    {"a\0b\nc"s, {"a\0b"s, "c"}},
    {"\xEF\xBB\xBF"
     "1 2",
     {"\xEF\xBB\xBF"
      "1 2"}},  // kept unless asked to skip
};

TEST(LineReaderTest, LineEnds) {
    for (const LineCase& c : kLineCases) {
        const Read read = readBytes(c.bytes);
        EXPECT_EQ(read.lines, c.lines) << c.bytes;
        EXPECT_FALSE(read.failed);
        EXPECT_EQ(read.consumed, c.bytes.size()) << c.bytes;
    }
    EXPECT_EQ(readBytes("\xEF\xBB\xBF"
                        "1 2\n",
                        true)
                  .lines,
              Lines{"1 2"});
    EXPECT_EQ(readBytes("\xEF\xBB", true).lines, Lines{"\xEF\xBB"});
}

// A CR LF pair split between two reads of the buffer; lines longer than it.
TEST(LineReaderTest, LinesAcrossBufferBoundaries) {
    constexpr std::size_t kBuffer = std::size_t{1} << 20;
    for (std::size_t crAt : {kBuffer - 1, kBuffer, kBuffer + 1}) {
        const std::string first(crAt, 'x');
        EXPECT_EQ(readBytes(first + "\r\nnext\r").lines, (Lines{first, "next"})) << crAt;
    }
    std::string longLine(100'000, '7');
    const std::string field(1'000, '5');
    longLine.replace(50'000, 3, " ; ");
    longLine += "\t" + field + "|" + std::string(3'000'000, 'y');
    const Read read = readBytes("a\n" + longLine + "\nb");
    ASSERT_EQ(read.lines, (Lines{"a", longLine, "b"}));
    EXPECT_EQ(fileio::getField(2, fileio::kFieldDelimiters, read.lines[1]), field);
}

TEST(LineReaderTest, OpeningAndReadErrors) {
    fileio::LineReader reader;
    EXPECT_FALSE(reader.open("/nonexistent/file"));
    EXPECT_FALSE(reader.open("/tmp"));  // a directory
    char fifo[] = "/tmp/line_reader_fifo_XXXXXX";
    ::close(::mkstemp(fifo));
    std::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo, 0600), 0);
    EXPECT_FALSE(reader.open(fifo));  // refused at once, without waiting for a writer
    std::remove(fifo);
    // A regular file that opens but cannot be read: an error, not the end.
    ASSERT_TRUE(reader.open("/proc/self/mem"));
    std::string_view line;
    EXPECT_FALSE(reader.readLine(line));
    EXPECT_TRUE(reader.failed());
}

struct FieldCase {
    std::string line;
    std::string_view delimiters;
    Lines fields;
};

const FieldCase kFieldCases[] = {
    {"  48.5 |  9.1", fileio::kFieldDelimiters, {"48.5", "9.1"}},
    {";|,\t 1 ,, 2 ;; 3|", fileio::kFieldDelimiters, {"1", "2", "3"}},
    {"48,5 9,1", fileio::kFieldDelimiters, {"48", "5", "9", "1"}},
    {" ,;|\t", fileio::kFieldDelimiters, {}},
    {"1,2 m", fileio::kBlankDelimiters, {"1,2", "m"}},
    {"1;2 3", fileio::kCoordinateDelimiters, {"1;2", "3"}},
};

TEST(FieldTest, SplitAtDelimiterRuns) {
    for (const FieldCase& c : kFieldCases) {
        std::string_view fields[8];
        const int count =
            fileio::splitFields(c.line, fileio::DelimiterSet(c.delimiters), fields, 8);
        EXPECT_EQ(Lines(fields, fields + count), c.fields) << c.line;
        for (std::size_t i = 0; i <= c.fields.size(); ++i) {
            EXPECT_EQ(fileio::getField(int(i), c.delimiters, c.line),
                      i < c.fields.size() ? c.fields[i] : "")
                << c.line;
        }
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

struct NumberCase {
    const char* field;
    double value;  // 0 and not a number where `number` is false
    bool number;
};

const NumberCase kNumberCases[] = {
    {"-.5", -0.5, true},   {"+5", 5.0, true},     {"1e2", 100.0, true},
    {"9.1abc", 9.1, true}, {"7.", 7.0, true},     {"1e+", 1.0, true},
    {"0x10", 0.0, true},   {"1e999", kInf, true}, {"-1e999", -kInf, true},
    {"1e-999", 0.0, true}, {"nan", 0.0, false},   {"inf", 0.0, false},
    {"Nord", 0.0, false},  {"-", 0.0, false},     {".", 0.0, false},
    {"+-5", 0.0, false},   {"", 0.0, false},      {"4.9e-324", 4.9e-324, true},
};

TEST(NumberReaderTest, LenientDecimalReading) {
    for (const NumberCase& c : kNumberCases) {
        EXPECT_EQ(fileio::readNumber(c.field), c.value) << c.field;
        EXPECT_EQ(fileio::startsWithNumber(c.field), c.number) << c.field;
    }
    EXPECT_TRUE(std::signbit(fileio::readNumber("-0")));
}

// Random decimals of 1 to 24 digits, some with an exponent: the values of a
// classic-locale strtod.
TEST(NumberReaderTest, SameValuesAsClassicStrtod) {
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

TEST(NumberReaderTest, IndependentOfProcessLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    const double values[] = {fileio::readNumber("9.75"), fileio::readNumber("9,75"),
                             fileio::readNumber("1.23456789012345678e3")};
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(values[0], 9.75);
    EXPECT_EQ(values[1], 9.0);
    EXPECT_EQ(values[2], 1234.56789012345678);
}

struct IntegerCase {
    const char* field;
    bool whole;          // an optional sign and digits within 32 bits
    std::int32_t value;  // readInteger
};

const IntegerCase kIntegerCases[] = {
    {"-11", true, -11},
    {"+7", true, 7},
    {"12abc", false, 12},
    {"abc", false, 0},
    {"2147483647", true, 2147483647},
    {"2147483648", false, 2147483647},
    {"-2147483648", true, -2147483647 - 1},
    {"000000000000012", true, 12},
};

TEST(NumberReaderTest, Integers) {
    for (const IntegerCase& c : kIntegerCases) {
        std::int32_t value = -1;
        EXPECT_EQ(fileio::parseWholeInteger(c.field, value), c.whole) << c.field;
        EXPECT_EQ(fileio::readInteger(c.field), c.value) << c.field;
        if (c.whole) {
            EXPECT_EQ(value, c.value) << c.field;
        }
    }
}

}  // namespace
