#pragma once
// Text and number conversions, the same in every locale ("." is the decimal point).
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// The number at the start of text (UTF-8), after any leading white space
// (Unicode's White_Space: blanks, tabs, line ends, no-break spaces): optional
// sign, digits with at most one decimal point, optional exponent. 0 when the
// text does not start with a number ("", "-", ".", "/", "abc", "inf", "nan").
// Too large for a double: +-infinity.
double Val(std::string_view text);

// value written by mask. The mask ".0000" writes four decimals after the point
// and no digit before it below 1 (0.05 -> ".0500"); a value that rounds to zero
// is ".0000", never "-.0000"; NaN and infinities never come out as "nan" or "inf".
std::string Format(double value, std::string_view mask);

// The code of the first character of text (UTF-8 decoded); -1 for the empty text.
int64_t Asc(std::string_view text);

}  // namespace fw
