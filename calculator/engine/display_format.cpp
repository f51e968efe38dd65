// The display formats with seven significant digits in the manner of printf's "% .7G", but
// through std::to_chars: it ignores the locale and writes the same digits and exponent width
// with every C library, so the Windows build shows what the native build shows.
#include "display_format.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace zx::calculator {

namespace {

constexpr int kSignificantDigits = 7;
constexpr std::size_t kLongestKept = 6;

bool startsExponentZero(const std::string& text, std::size_t at) {
    return at + 1 < text.size() && (text[at] == '+' || text[at] == '-') && text[at + 1] == '0';
}

} // namespace

void shortenExponent(std::string& text) {
    while (text.size() > kLongestKept) {
        const std::size_t third = text.size() - 3;
        const std::size_t fourth = text.size() - 4;
        if (startsExponentZero(text, third)) {
            text.erase(third + 1, 1);
        } else if (startsExponentZero(text, fourth)) {
            text.erase(fourth + 1, 1);
        } else {
            break;
        }
    }
}

std::optional<std::string> formatDisplay(double value) {
    if (!std::isfinite(value) || std::fabs(value) > kLargestShown) {
        return std::nullopt;
    }
    // Sign, seven digits, the point, "e-" and three exponent digits fit with room to spare.
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value,
                                       std::chars_format::general, kSignificantDigits);
    if (written.ec != std::errc()) {
        return std::nullopt;
    }
    std::string text;
    if (digits[0] != '-') {
        text.push_back(' ');
    }
    for (const char* c = digits; c != written.ptr; ++c) {
        text.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(*c))));
    }
    shortenExponent(text);
    if (text.size() > kDisplayCapacity) {
        return std::nullopt;
    }
    return text;
}

} // namespace zx::calculator
