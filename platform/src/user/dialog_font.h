// The fonts a dialog is drawn in (the template's face and point size, and the same face in
// bold for the caption) and text measured in them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace zxw32::user {

// Fonts are made once per face, size and weight and kept for the life of the process; the
// caller never deletes them. An empty face or a size of 0 means 8-point "MS Sans Serif".
HFONT dialogFont(const std::string& face, int pointSize, bool bold = false);

// Width of a text and the height of a line (tmHeight) in a font.
int textWidth(HFONT font, std::string_view text);
int lineHeight(HFONT font);

// The x offset of every caret position 0..size of a text.
std::vector<int> caretOffsets(HFONT font, std::string_view text);

} // namespace zxw32::user
