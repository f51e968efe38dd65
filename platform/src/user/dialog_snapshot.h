// A copy of what painting a dialog needs, taken under the USER mutex so that the drawing
// itself (GDI calls, text measuring) runs without holding it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "user_state.h"

namespace zxw32::user {

struct ControlSnapshot {
    HWND handle = nullptr;
    ControlKind kind = ControlKind::Static;
    RECT rect{0, 0, 0, 0}; // client coordinates
    std::string text;
    UINT check = BST_UNCHECKED;
    TextAlign align = TextAlign::Left;
    bool isDefault = false; // the button Enter would press
    bool focused = false;
    bool pushed = false; // held down with the pointer over it
    EditSelection selection;
    int scroll = 0;
};

struct DialogSnapshot {
    LONG clientWidth = 0;
    LONG clientHeight = 0;
    std::string caption;
    bool active = false;
    int fontSize = 0;
    std::string fontFace;
    std::vector<ControlSnapshot> controls; // template order
};

// Nullopt for a handle that is not an open dialog.
std::optional<DialogSnapshot> snapshotDialog(HWND dialog);

// Keeps an edit's horizontal scroll, which painting works out so the caret stays in view.
void storeEditScroll(HWND edit, int scroll);

} // namespace zxw32::user
