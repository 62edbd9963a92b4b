#pragma once
// Lenient reading of numbers from fields of the transformed files, in the
// classic notation whatever the process locale: a point is the decimal
// separator, and reading stops at the first character that cannot continue
// the number ("9.1abc" reads as 9.1, "1e2" as 100, "1e" as 1).
//
// A field begins with a number when it starts with an optional sign and
// then a digit, or a point followed by a digit ("-.5", "+5", "7."). Anything
// else reads as 0: in particular "0x10" reads as 0 (the digit 0, then a
// stop: numbers are decimal), and "nan", "inf" and "infinity" are not
// numbers. Decimal values are rounded correctly, the same values a C-locale
// strtod gives; a value beyond the range of double reads as infinity with
// its sign ("1e999"), one too small for it as zero with its sign.

#include <cstdint>
#include <string_view>

namespace fileio {

bool startsWithNumber(std::string_view field);

// The decimal number at the start of the field, or 0.
double readNumber(std::string_view field);

// Like readNumber, and tells how many characters the number took (0 when the
// field does not begin with a number).
double readNumber(std::string_view field, std::size_t& length);

// A decimal integer at the start of the field: optional sign, digits up to the
// first other character; 0 when there is none. Values beyond the 32-bit range
// are held at its nearest end.
std::int32_t readInteger(std::string_view field);

// True when the whole field is an optional sign and digits whose value fits
// into 32 bits signed; the value goes to `value`.
bool parseWholeInteger(std::string_view field, std::int32_t& value);

}  // namespace fileio
