#include "number_format.h"

#include <charconv>

namespace zx::equation {

namespace {

constexpr int kExponentDigits = 3;

} // namespace

std::string FormatResult(double value) {
    // "%.5g" without the locale's say in the decimal point: five significant digits, trailing
    // zeros dropped, the exponent form below 1e-4 and from 1e5 on.
    char buffer[48];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 5);
    if (result.ec != std::errc()) {
        return {};
    }
    std::string text(buffer, result.ptr);
    // The C library writes at least two exponent digits; results show at least three.
    std::size_t e = text.find('e');
    if (e == std::string::npos || e + 2 > text.size()) {
        return text;
    }
    std::size_t digitsStart = e + 1;
    if (text[digitsStart] == '+' || text[digitsStart] == '-') {
        ++digitsStart;
    } else {
        text.insert(digitsStart, 1, '+');
        ++digitsStart;
    }
    std::size_t digits = text.size() - digitsStart;
    if (digits < kExponentDigits) {
        text.insert(digitsStart, kExponentDigits - digits, '0');
    }
    return text;
}

} // namespace zx::equation
