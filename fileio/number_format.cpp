#include "fileio/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace fileio {
namespace {

constexpr std::uint64_t kPowersOfTen[] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
    1000000000000000000ull,
};
constexpr int kMaxFastDecimals = 18;

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// `count` decimal digits of v, with leading zeros.
char* writeDigits(char* out, std::uint64_t v, int count) {
    int i = count;
    while (i >= 2) {
        i -= 2;
        std::memcpy(out + i, kDigitPairs + 2 * (v % 100), 2);
        v /= 100;
    }
    if (i == 1) out[0] = static_cast<char>('0' + v % 10);
    return out + count;
}

// The common case of map coordinates: |v| · 10^decimals below 2^63 and v not
// a whole number of 2^53 or more. The exact binary value m · 2^e times
// 10^decimals is rounded to a whole number, half to even, in 128-bit
// integers: the digits printf gives. False when the value is outside.
bool formatFast(char*& out, double v, int decimals) {
    if (decimals < 0 || decimals > kMaxFastDecimals) return false;
    if (!(std::fabs(v) < 9.2e18 / static_cast<double>(kPowersOfTen[decimals]))) return false;
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    if (exponent >= 0) return false;
    const unsigned __int128 scaled =
        static_cast<unsigned __int128>(mantissa) * kPowersOfTen[decimals];
    const int shift = -exponent;
    std::uint64_t n = 0;
    if (shift < 128) {
        unsigned __int128 q = scaled >> shift;
        const unsigned __int128 rest = scaled - (q << shift);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        if (rest > half || (rest == half && (q & 1) != 0)) ++q;
        n = static_cast<std::uint64_t>(q);
    }
    if (bits >> 63) *out++ = '-';  // also for negative values that round to zero
    const std::uint64_t whole = n / kPowersOfTen[decimals];
    out = std::to_chars(out, out + 20, whole).ptr;
    if (decimals > 0) {
        *out++ = '.';
        out = writeDigits(out, n % kPowersOfTen[decimals], decimals);
    }
    return true;
}

}  // namespace

char* formatFixed(char* out, double v, int decimals) {
    if (formatFast(out, v, decimals)) return out;
    // Large values, more decimals, and the non-finite values that cannot occur
    // in the writers' point lines (written the way printf writes them).
    return std::to_chars(out, out + kMaxFixedChars, v, std::chars_format::fixed, decimals).ptr;
}

char* formatFixedWidth(char* out, double v, int decimals, int width) {
    char digits[kMaxFixedChars];
    const char* end = formatFixed(digits, v, decimals);
    const int length = static_cast<int>(end - digits);
    for (int i = length; i < width; ++i) *out++ = ' ';
    std::memcpy(out, digits, length);
    return out + length;
}

std::string fixedText(double v, int decimals, int width) {
    char text[kMaxFixedChars + 64];
    char* end = formatFixedWidth(text, v, decimals, width);
    return std::string(text, end);
}

}  // namespace fileio
