// The calculator's display text for a number: seven significant digits, a sign position in
// front (' ' or '-'), upper-case exponents with their leading zeros dropped, and the error
// text for what a pocket calculator cannot show.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zx::calculator {

// The display holds at most this many characters, whatever it shows.
inline constexpr std::size_t kDisplayCapacity = 16;

// What the display reads after a calculation error.
inline constexpr std::string_view kErrorDisplay = " Math Error ";

// Magnitudes above this are calculation errors.
inline constexpr double kLargestShown = 1e150;

// The text for a result: " 14", "-0.5", " 1.234567E+9". No text when the value is not
// finite or its magnitude exceeds kLargestShown: the caller shows the error instead.
std::optional<std::string> formatDisplay(double value);

// Drops the leading zeros of an exponent at the end of a display text ("E+015" becomes "E+15",
// "E+005" and "E+05" become "E+5"), keeping texts of six characters or fewer as they are. C
// libraries differ in the exponent width they write; both widths shorten to the same text.
void shortenExponent(std::string& text);

} // namespace zx::calculator
