#include "fileio/number_format.h"

#include <charconv>
#include <cstring>

namespace fileio {

char* formatFixed(char* out, double v, int decimals) {
    // Non-finite values cannot occur in the writers' point lines; they are
    // written the way printf writes them, for the odd caller that has one.
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
