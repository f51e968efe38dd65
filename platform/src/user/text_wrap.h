// Word wrapping of a static control's text: lines no wider than the control, broken at
// spaces and at line feeds. A word wider than the control stands alone on its line (the
// control clips it), as a static text does on Windows.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zxw32::user {

// The width in pixels of a piece of text.
using TextWidth = std::function<int(std::string_view)>;

std::vector<std::string> wrapLines(const std::string& text, int width, const TextWidth& measure);

} // namespace zxw32::user
