#include "fileio/number_reader.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

#include <locale.h>

namespace fileio {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the digits start after an optional sign, or npos when the field does
// not begin with a number.
std::size_t numberStart(std::string_view field) {
    std::size_t i = 0;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
    if (i < field.size() && isDigit(field[i])) return i;
    if (i + 1 < field.size() && field[i] == '.' && isDigit(field[i + 1])) return i;
    return std::string_view::npos;
}

// A value beyond the range of double: the classic-locale strtod decides
// between infinity and zero (with the number's own sign added by the caller).
double outOfRange(const char* begin, const char* end) {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string text(begin, end);
    return strtod_l(text.c_str(), nullptr, classic);
}

// Plain decimals of up to 15 significant digits and 22 decimals without an
// exponent, the common case in coordinate files: digits and decimals form an
// integer below 2^53 and a power of ten that are both exact doubles, so one
// division gives the correctly rounded value. False for anything else.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactDigits = 15;

bool readPlainDecimal(const char* begin, const char* end, double& value, const char*& stop) {
    std::uint64_t digits = 0;
    int significant = 0;
    int decimals = 0;
    const char* p = begin;
    for (; p != end && isDigit(*p); ++p) {
        digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        if (digits != 0) ++significant;
    }
    if (p != end && *p == '.') {
        for (++p; p != end && isDigit(*p); ++p) {
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
            if (digits != 0) ++significant;
            ++decimals;
        }
    }
    if (significant > kMaxExactDigits || decimals > 22) return false;
    if (p != end && (*p == 'e' || *p == 'E')) return false;
    value = static_cast<double>(digits) / kExactPowers[decimals];
    stop = p;
    return true;
}

}  // namespace

bool startsWithNumber(std::string_view field) {
    return numberStart(field) != std::string_view::npos;
}

double readNumber(std::string_view field, std::size_t& length) {
    const std::size_t start = numberStart(field);
    if (start == std::string_view::npos) {
        length = 0;
        return 0.0;
    }
    const char* begin = field.data() + start;
    const char* end = field.data() + field.size();
    double value = 0.0;
    const char* stop = nullptr;
    if (!readPlainDecimal(begin, end, value, stop)) {
        // Decimal only: "0x10" stops after the 0.
        const auto result = std::from_chars(begin, end, value, std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range) value = outOfRange(begin, result.ptr);
        stop = result.ptr;
    }
    length = static_cast<std::size_t>(stop - field.data());
    return field[0] == '-' ? -value : value;
}

double readNumber(std::string_view field) {
    std::size_t length = 0;
    return readNumber(field, length);
}

std::int32_t readInteger(std::string_view field) {
    std::size_t i = 0;
    const bool negative = !field.empty() && field[0] == '-';
    if (!field.empty() && (field[0] == '+' || field[0] == '-')) ++i;
    // Accumulated as a negative number, whose range reaches the 32-bit minimum.
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{1} << 32;
    for (; i < field.size() && isDigit(field[i]); ++i) {
        if (value > -kLimit) value = value * 10 - (field[i] - '0');
    }
    if (!negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

bool parseWholeInteger(std::string_view field, std::int32_t& value) {
    std::size_t i = 0;
    if (!field.empty() && (field[0] == '+' || field[0] == '-')) ++i;
    if (i == field.size()) return false;
    for (std::size_t k = i; k < field.size(); ++k) {
        if (!isDigit(field[k])) return false;
    }
    // Leading zeros keep a long field in range ("0000000000012").
    std::int64_t magnitude = 0;
    for (; i < field.size(); ++i) {
        magnitude = magnitude * 10 + (field[i] - '0');
        if (magnitude > (std::int64_t{1} << 31)) return false;
    }
    const std::int64_t signedValue = field[0] == '-' ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max()) return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

}  // namespace fileio
