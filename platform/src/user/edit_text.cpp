// Single-line edit text: typing, deleting and caret moves over a caret and an anchor. The
// functions are exported so that the platform tests can call them directly.
#include "edit_text.h"

namespace zxw32::user {
namespace {

// Removes the selected text and collapses the selection at its start.
bool eraseSelection(std::string& text, EditSelection& selection) {
    if (selection.empty()) {
        return false;
    }
    text.erase(selection.start(), selection.end() - selection.start());
    selection.anchor = selection.caret = selection.start();
    return true;
}

// Moves the caret; without Shift a selection first collapses to the side moved towards, as
// Windows does for Left and Right.
bool moveCaret(EditSelection& selection, size_t to, bool shift) {
    const EditSelection before = selection;
    selection.caret = to;
    if (!shift) {
        selection.anchor = to;
    }
    return selection.caret != before.caret || selection.anchor != before.anchor;
}

} // namespace

__attribute__((visibility("default"))) void clampSelection(const std::string& text,
                                                           EditSelection& selection) {
    if (selection.anchor > text.size()) {
        selection.anchor = text.size();
    }
    if (selection.caret > text.size()) {
        selection.caret = text.size();
    }
}

__attribute__((visibility("default"))) bool insertText(std::string& text, EditSelection& selection,
                                                       std::string_view typed) {
    clampSelection(text, selection);
    std::string printable;
    for (char c : typed) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            printable += c;
        }
    }
    if (printable.empty()) {
        return false;
    }
    eraseSelection(text, selection);
    text.insert(selection.caret, printable);
    selection.caret += printable.size();
    selection.anchor = selection.caret;
    return true;
}

__attribute__((visibility("default"))) bool editKey(std::string& text, EditSelection& selection,
                                                    EditKey key, bool shift) {
    clampSelection(text, selection);
    switch (key) {
    case EditKey::Left:
        if (!shift && !selection.empty()) {
            return moveCaret(selection, selection.start(), false);
        }
        return moveCaret(selection, selection.caret > 0 ? selection.caret - 1 : 0, shift);
    case EditKey::Right:
        if (!shift && !selection.empty()) {
            return moveCaret(selection, selection.end(), false);
        }
        return moveCaret(selection,
                         selection.caret < text.size() ? selection.caret + 1 : text.size(), shift);
    case EditKey::Home:
        return moveCaret(selection, 0, shift);
    case EditKey::End:
        return moveCaret(selection, text.size(), shift);
    case EditKey::Delete:
        if (eraseSelection(text, selection)) {
            return true;
        }
        if (selection.caret < text.size()) {
            text.erase(selection.caret, 1);
            return true;
        }
        return false;
    case EditKey::Backspace:
        if (eraseSelection(text, selection)) {
            return true;
        }
        if (selection.caret > 0) {
            text.erase(--selection.caret, 1);
            selection.anchor = selection.caret;
            return true;
        }
        return false;
    case EditKey::SelectAll: {
        const EditSelection before = selection;
        selection.anchor = 0;
        selection.caret = text.size();
        return selection.anchor != before.anchor || selection.caret != before.caret;
    }
    }
    return false;
}

} // namespace zxw32::user
