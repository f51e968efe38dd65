// The number texts of tick labels, the trace and line equations: a format chosen by the
// value's range so that labels stay short, exponents trimmed to their significant digits.
// The digits come from the standard library's locale-free conversion, so the Linux and the
// Windows builds write the same texts.
#pragma once

#include <string>

namespace plotmark {

// The number text of value: "%.1e" (trimmed) above 999999 and below -999999 and for small
// magnitudes, "0.0" within 1e-15 of zero, fixed decimals in between (the negative side
// switches one decade later) and "%3g" from -999999 to -99999.
std::string numberText(double value);

// Removes leading zeros of the exponent while the text is longer than 6 characters:
// "1.2e+005" and "1.2e+05" both become "1.2e+5"; "1.0e+100" stays.
void trimExponent(std::string& text);

} // namespace plotmark
