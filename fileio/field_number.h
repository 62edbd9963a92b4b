#pragma once
// The number fields of the dialogs as text: what a field takes, how a number
// is shown in it and the messages a refused field gives. Numbers are read and
// written in the classic locale whatever the process locale. A number field
// takes a decimal number (optional sign, digits with an optional point and at
// least one digit, optional exponent; no hexadecimal, "nan" or "inf"). Values
// beyond the range of double are refused; a nonzero value too small for it
// reads as zero with its sign, and a subnormal value is kept. The dialogs
// also allow blanks around the number and read one decimal comma as the point
// when there is no point ("52,4" is 52.4); other readers of such fields (the
// definition files, the command line) switch these off through FieldRules.

#include <cstdint>
#include <string>
#include <string_view>

namespace fileio {

inline constexpr const char* kNumberMessage = "Bitte geben Sie eine Zahl ein.";
inline constexpr const char* kIntegerMessage = "Bitte geben Sie eine ganze Zahl ein.";

// What a number field takes besides the plain decimal number; the defaults
// are the dialogs'.
struct FieldRules {
    // Blanks (space, tab, line ends, vertical tab, form feed) around the number.
    bool blanksAround = true;
    // One comma standing for the decimal point when there is no point.
    bool decimalComma = true;
    // A nonzero value below the smallest subnormal double: true reads it as
    // zero, false refuses it like a value beyond the range.
    bool tinyAsZero = true;
};

// True when the text is a number as the rules allow it; the value goes to
// `value`, which is left alone otherwise.
bool parseNumberField(std::string_view text, double& value, FieldRules rules = {});

// True when the text is an optional sign and digits whose value fits into 32
// bits signed (with blanks around it when blanksAround); the value goes to `value`.
bool parseIntegerField(std::string_view text, std::int32_t& value, bool blanksAround = true);

// The text a number field shows: general notation with up to 15 significant
// digits ("%.15g" in the classic locale).
std::string formatNumberField(double value);

}  // namespace fileio
