// Movie handler names as Lua globals.
#include "handler_names.h"

#include <cctype>

namespace zxlua {

std::string handlerGlobalName(const std::string& handler) {
    std::string name = "on_";
    const auto upper = [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; };
    const auto lowerOrDigit = [](char c) {
        return std::islower(static_cast<unsigned char>(c)) ||
               std::isdigit(static_cast<unsigned char>(c));
    };
    for (size_t i = 0; i < handler.size(); ++i) {
        const char c = handler[i];
        if (upper(c) && i > 0) {
            const bool afterWord = lowerOrDigit(handler[i - 1]);
            const bool endsAcronym = upper(handler[i - 1]) && i + 1 < handler.size() &&
                                     std::islower(static_cast<unsigned char>(handler[i + 1]));
            if ((afterWord || endsAcronym) && name.back() != '_') {
                name += '_';
            }
        }
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

} // namespace zxlua
