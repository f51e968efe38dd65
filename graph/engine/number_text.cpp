#include "number_text.h"

#include <charconv>

namespace plotmark {

namespace {

std::string format(double value, std::chars_format form, int precision) {
    char buffer[400]; // "%.0f" of 1e308 has 309 digits
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, form, precision);
    if (result.ec != std::errc()) {
        return {};
    }
    return std::string(buffer, result.ptr);
}

std::string fixed(double value, int decimals) {
    return format(value, std::chars_format::fixed, decimals);
}

// "%.1e" (the exponent has at least two digits, as the C library writes it), trimmed.
std::string exponent(double value) {
    std::string text = format(value, std::chars_format::scientific, 1);
    trimExponent(text);
    return text;
}

} // namespace

void trimExponent(std::string& text) {
    while (text.size() > 6) {
        std::size_t erase = std::string::npos;
        for (std::size_t back : {3u, 4u}) {
            std::size_t at = text.size() - back;
            if ((text[at] == '+' || text[at] == '-') && text[at + 1] == '0') {
                erase = at + 1;
                break;
            }
        }
        if (erase == std::string::npos) {
            return;
        }
        text.erase(erase, 1);
    }
}

std::string numberText(double x) {
    if (x > 999999) {
        return exponent(x);
    }
    if (x > 99) {
        return fixed(x, 0);
    }
    if (x > 9) {
        return fixed(x, 1);
    }
    if (x > 0.9) {
        return fixed(x, 2);
    }
    if (x > 0.09) {
        return fixed(x, 3);
    }
    if (x > 0.0009) {
        return fixed(x, 4);
    }
    if (x > -1e-15 && x < 1e-15) {
        return "0.0";
    }
    if (x > -0.0009) {
        return exponent(x);
    }
    if (x > -0.009) {
        return fixed(x, 4);
    }
    if (x > -0.9) {
        return fixed(x, 3);
    }
    if (x > -9) {
        return fixed(x, 2);
    }
    if (x > -99) {
        return fixed(x, 1);
    }
    if (x > -99999) {
        return fixed(x, 0);
    }
    if (x >= -999999) {
        // "%3g": six significant digits, no trimming.
        return format(x, std::chars_format::general, 6);
    }
    // Below -999999, and NaN, which fails every comparison above.
    return exponent(x);
}

} // namespace plotmark
