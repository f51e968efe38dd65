// The Lua global that answers a movie handler a sprite calls: "Refresh" -> on_refresh,
// "SetSpriteCursor" -> on_set_sprite_cursor.
#pragma once

#include <string>

namespace zxlua {

// Camel case to snake case with an "on_" prefix. A capital starts a new word when it
// follows a lower-case letter or digit, or when it begins a capitalised word after an
// acronym ("HTMLText" -> on_html_text).
std::string handlerGlobalName(const std::string& handler);

} // namespace zxlua
