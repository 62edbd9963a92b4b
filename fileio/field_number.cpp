#include "fileio/field_number.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "fileio/number_reader.h"

namespace fileio {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view withoutBlanksAround(std::string_view view) {
    while (!view.empty() && isBlank(view.front())) view.remove_prefix(1);
    while (!view.empty() && isBlank(view.back())) view.remove_suffix(1);
    return view;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Number of digits at the front of view, which it removes.
std::size_t takeDigits(std::string_view& view) {
    std::size_t count = 0;
    while (count < view.size() && isDigit(view[count])) ++count;
    view.remove_prefix(count);
    return count;
}

// A decimal number: optional sign, digits with an optional point (at least
// one digit), optional exponent.
bool isDecimalNumber(std::string_view view) {
    if (!view.empty() && (view.front() == '+' || view.front() == '-')) view.remove_prefix(1);
    std::size_t digits = takeDigits(view);
    if (!view.empty() && view.front() == '.') {
        view.remove_prefix(1);
        digits += takeDigits(view);
    }
    if (digits == 0) return false;
    if (!view.empty() && (view.front() == 'e' || view.front() == 'E')) {
        view.remove_prefix(1);
        if (!view.empty() && (view.front() == '+' || view.front() == '-')) view.remove_prefix(1);
        if (takeDigits(view) == 0) return false;
    }
    return view.empty();
}

// True when a digit before the exponent is not zero.
bool hasNonzeroDigit(std::string_view number) {
    for (char c : number) {
        if (c == 'e' || c == 'E') return false;
        if (c >= '1' && c <= '9') return true;
    }
    return false;
}

// The "C" locale for strtod_l, whatever locale the process runs in.
locale_t classicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

}  // namespace

bool parseNumberField(std::string_view text, double& value, FieldRules rules) {
    std::string core(rules.blanksAround ? withoutBlanksAround(text) : text);
    if (rules.decimalComma) {
        const std::size_t comma = core.find(',');
        if (comma != std::string::npos && core.find(',', comma + 1) == std::string::npos &&
            core.find('.') == std::string::npos) {
            core[comma] = '.';
        }
    }
    if (!isDecimalNumber(core)) return false;
    // The syntax is checked above; strtod_l rounds correctly, gives an
    // infinite value on overflow and zero or a subnormal value on underflow.
    const double parsed = strtod_l(core.c_str(), nullptr, classicLocale());
    if (!std::isfinite(parsed)) return false;
    if (parsed == 0.0 && !rules.tinyAsZero && hasNonzeroDigit(core)) return false;
    value = parsed;
    return true;
}

bool parseIntegerField(std::string_view text, std::int32_t& value, bool blanksAround) {
    return parseWholeInteger(blanksAround ? withoutBlanksAround(text) : text, value);
}

std::string formatNumberField(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

}  // namespace fileio
