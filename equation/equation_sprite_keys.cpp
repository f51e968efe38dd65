// The key filter in front of the equation editor.
#include "equation_sprite_keys.h"

#include <string_view>

namespace formulon {

bool keyPassesFilter(char c) {
    const int code = static_cast<signed char>(c);
    if (code >= 'A' && code <= 'z') {
        return true;
    }
    if (code >= '0' && code <= '9') {
        return true;
    }
    if (code >= 28 && code <= 31) { // arrows
        return true;
    }
    constexpr std::string_view kSigns = "()*+-./<=>$& \b\r\x7f";
    return code > 0 && kSigns.find(static_cast<char>(code)) != std::string_view::npos;
}

} // namespace formulon
