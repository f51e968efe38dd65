// The text editing of a single-line edit control: a caret and an anchor over the text (the
// selection is what lies between them), typing that replaces the selection, deleting, and
// caret moves that extend the selection with Shift. Plain text and offsets only; drawing and
// hit testing live with the dialog's painting.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zxw32::user {

struct EditSelection {
    size_t anchor = 0;
    size_t caret = 0;

    size_t start() const { return anchor < caret ? anchor : caret; }
    size_t end() const { return anchor < caret ? caret : anchor; }
    bool empty() const { return anchor == caret; }
};

enum class EditKey { Left, Right, Home, End, Delete, Backspace, SelectAll };

// Holds the selection inside the text, which the procedure may have replaced meanwhile.
void clampSelection(const std::string& text, EditSelection& selection);

// Replaces the selection with typed text (control characters are dropped); the caret ends
// after the insertion. Returns whether the text or the selection changed.
bool insertText(std::string& text, EditSelection& selection, std::string_view typed);

// A key: caret moves (Shift keeps the anchor), Delete and Backspace (the selection, or the
// character after or before the caret), select all. Returns whether anything changed.
bool editKey(std::string& text, EditSelection& selection, EditKey key, bool shift);

} // namespace zxw32::user
