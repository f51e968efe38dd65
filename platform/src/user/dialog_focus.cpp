// Focus and Tab order inside a dialog. The focus is the process's one keyboard focus (GetFocus
// answers the control); a dialog has it while one of its controls holds it.
#include "dialog_focus.h"

namespace zxw32::user {

bool takesFocus(const Window& control) {
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::CheckBox:
    case ControlKind::Radio:
    case ControlKind::Button:
        return true;
    default:
        return false;
    }
}

Window* focusedControl(UserState& s, const Window& dialog) {
    Window* w = findWindow(s, s.focus);
    return w != nullptr && w->parent == dialog.handle ? w : nullptr;
}

void focusControl(UserState& s, Window& dialog, Window& control, bool selectAll) {
    s.focus = control.handle;
    s.active = dialog.handle;
    if (control.kind == ControlKind::Edit && selectAll) {
        editKey(control.title, control.selection, EditKey::SelectAll, false);
    }
}

Window* nextInTabOrder(UserState& s, const Window& dialog, const Window* from, bool backwards) {
    const auto& order = dialog.children;
    const size_t n = order.size();
    size_t start = n; // the position just "before" the first (or after the last) control
    for (size_t i = 0; from != nullptr && i < n; ++i) {
        if (order[i] == from->handle) {
            start = i;
        }
    }
    for (size_t step = 1; step <= n; ++step) {
        size_t i = 0;
        if (start == n) {
            i = backwards ? n - step : step - 1;
        } else {
            i = backwards ? (start + n - step) % n : (start + step) % n;
        }
        Window* c = findWindow(s, order[i]);
        if (c != nullptr && takesFocus(*c)) {
            return c;
        }
    }
    return nullptr;
}

Window* defaultButton(UserState& s, const Window& dialog) {
    if (Window* focused = focusedControl(s, dialog);
        focused != nullptr && focused->kind == ControlKind::Button) {
        return focused;
    }
    for (HWND h : dialog.children) {
        Window* c = findWindow(s, h);
        if (c != nullptr && c->kind == ControlKind::Button && c->defaultButton) {
            return c;
        }
    }
    return nullptr;
}

} // namespace zxw32::user
