#pragma once
// Fixed-point number text as C's "%.<n>f" and "%<w>.<n>f" give it in the
// classic locale (a point as the decimal separator, a minus sign before
// negative values and before negative zero, exact halves rounded to even),
// produced without printf's format parsing and independent of the process
// locale.

#include <string>

namespace fileio {

// Room enough for any finite double in fixed notation with up to 16 decimals.
inline constexpr int kMaxFixedChars = 340;

// Writes v with `decimals` digits after the point to out (at least
// kMaxFixedChars of room) and returns the end; no terminating zero.
char* formatFixed(char* out, double v, int decimals);

// The same, right-aligned with blanks in a field of at least `width` characters.
char* formatFixedWidth(char* out, double v, int decimals, int width);

// Convenience for texts outside the hot paths.
std::string fixedText(double v, int decimals, int width = 0);

}  // namespace fileio
