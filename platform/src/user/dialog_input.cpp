// A person's input to a dialog: the mouse on buttons, boxes and edits, the keyboard (Tab
// order, Enter, Escape, Space, editing keys) and typed text. The state changes under the
// USER mutex; the pressed button then reaches the dialog procedure with the mutex released,
// so the procedure may read and set controls and end the dialog.
#include <zxw32/dialog_view.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "dialog_focus.h"
#include "dialog_font.h"
#include "dialog_internal.h"
#include "dialog_layout.h"
#include "user_state.h"

using namespace zxw32::user;
using zxw32::ControlKind;

namespace {

// A button to press once the mutex is released: its id and window (null for an id the
// dialog has no control for).
struct Press {
    int id = 0;
    HWND control = nullptr;
};

// The open dialog of a handle, or null (not a dialog, or already ended).
Window* openDialog(UserState& s, HWND dialog) {
    Window* d = findWindow(s, dialog);
    return d != nullptr && d->dialog && !d->dialog->ended ? d : nullptr;
}

// The control under a point of the client area that takes input. Texts and group boxes let
// the pointer through, as on Windows; of overlapping controls the first in template order
// is on top.
Window* controlAt(UserState& s, const Window& dialog, POINT p) {
    for (HWND h : dialog.children) {
        Window* c = findWindow(s, h);
        if (c != nullptr && takesFocus(*c) && PtInRect(&c->rect, p)) {
            return c;
        }
    }
    return nullptr;
}

// The caret position nearest to x (client coordinates) in an edit, as its painting lays
// the text out.
size_t caretAt(const Window& dialog, const Window& edit, int x) {
    const HFONT font = dialogFont(dialog.dialog->fontFace, dialog.dialog->fontSize);
    const std::vector<int> offsets = caretOffsets(font, edit.title);
    const int textX = x - (edit.rect.left + 3) + edit.scroll;
    size_t best = 0;
    for (size_t i = 1; i < offsets.size(); ++i) {
        if (std::abs(offsets[i] - textX) < std::abs(offsets[best] - textX)) {
            best = i;
        }
    }
    return best;
}

// A radio's group: the run of consecutive radios around it in template order, as positions
// in the dialog's children, and the radio's own position.
struct RadioGroup {
    size_t first;
    size_t last;
    size_t at;
};
RadioGroup radioGroup(UserState& s, const Window& dialog, const Window& radio) {
    const auto& order = dialog.children;
    const size_t at = std::find(order.begin(), order.end(), radio.handle) - order.begin();
    const auto isRadio = [&](size_t i) {
        Window* c = findWindow(s, order[i]);
        return c != nullptr && c->kind == ControlKind::Radio;
    };
    RadioGroup g{at, at, at};
    while (g.first > 0 && isRadio(g.first - 1)) {
        --g.first;
    }
    while (g.last + 1 < order.size() && isRadio(g.last + 1)) {
        ++g.last;
    }
    return g;
}

// What a click (or Space) does to the control itself before the procedure hears of it:
// an automatic check box toggles; an automatic radio checks itself and unchecks the other
// radios of its group.
void actOn(UserState& s, Window& dialog, Window& control) {
    if (!control.automatic) {
        return;
    }
    if (control.kind == ControlKind::CheckBox) {
        control.check = control.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        return;
    }
    if (control.kind != ControlKind::Radio) {
        return;
    }
    const RadioGroup g = radioGroup(s, dialog, control);
    for (size_t i = g.first; i <= g.last; ++i) {
        findWindow(s, dialog.children[i])->check = i == g.at ? BST_CHECKED : BST_UNCHECKED;
    }
}

// The arrows move the focus round a radio group, and choose the radio they reach, as
// Windows does for automatic radios.
Window* radioByArrow(UserState& s, const Window& dialog, const Window& radio, UINT key) {
    const bool forward = key == VK_RIGHT || key == VK_DOWN;
    if (!forward && key != VK_LEFT && key != VK_UP) {
        return nullptr;
    }
    const RadioGroup g = radioGroup(s, dialog, radio);
    const size_t count = g.last - g.first + 1;
    const size_t next = g.first + (g.at - g.first + (forward ? 1 : count - 1)) % count;
    return next == g.at ? nullptr : findWindow(s, dialog.children[next]);
}

std::optional<Press> click(UserState& s, Window& dialog, Window& control) {
    actOn(s, dialog, control);
    return Press{control.id, control.handle};
}

// Hands the press to the procedure as WM_COMMAND(id, BN_CLICKED). OK and Cancel that the
// procedure leaves alone end the dialog with their id, so a dialog can always be left.
void deliver(HWND dialog, const Press& press) {
    const LRESULT handled = dialogMessage(dialog, WM_COMMAND, MAKEWPARAM(press.id, BN_CLICKED),
                                          reinterpret_cast<LPARAM>(press.control));
    if (!handled && (press.id == IDOK || press.id == IDCANCEL)) {
        UserState& s = state();
        std::lock_guard lock(s.mutex);
        if (Window* d = openDialog(s, dialog)) {
            d->dialog->ended = true;
            d->dialog->result = press.id;
        }
    }
}

bool mouseDown(UserState& s, Window& d, POINT p) {
    Window* c = controlAt(s, d, p);
    if (c == nullptr) {
        return false;
    }
    focusControl(s, d, *c, false);
    if (c->kind == ControlKind::Edit) {
        c->selection.caret = c->selection.anchor = caretAt(d, *c, p.x);
        d.dialog->selecting = c->handle;
    } else {
        d.dialog->pressed = c->handle;
        d.dialog->pressedInside = true;
    }
    return true;
}

bool mouseMove(UserState& s, Window& d, POINT p) {
    DialogData& data = *d.dialog;
    if (Window* c = findWindow(s, data.pressed)) {
        const bool inside = PtInRect(&c->rect, p) != FALSE;
        const bool changed = inside != data.pressedInside;
        data.pressedInside = inside;
        return changed;
    }
    if (Window* e = findWindow(s, data.selecting)) {
        const size_t caret = caretAt(d, *e, p.x);
        const bool changed = caret != e->selection.caret;
        e->selection.caret = caret;
        return changed;
    }
    return false;
}

bool mouseUp(UserState& s, Window& d, POINT p, std::optional<Press>& press) {
    DialogData& data = *d.dialog;
    data.selecting = nullptr;
    Window* c = findWindow(s, data.pressed);
    data.pressed = nullptr;
    if (c == nullptr) {
        return false;
    }
    if (PtInRect(&c->rect, p)) {
        press = click(s, d, *c);
    }
    data.pressedInside = false;
    return true;
}

std::optional<EditKey> editKeyFor(UINT key, bool control) {
    switch (key) {
    case VK_LEFT:
        return EditKey::Left;
    case VK_RIGHT:
        return EditKey::Right;
    case VK_HOME:
        return EditKey::Home;
    case VK_END:
        return EditKey::End;
    case VK_DELETE:
        return EditKey::Delete;
    case VK_BACK:
        return EditKey::Backspace;
    case 'A':
        return control ? std::optional(EditKey::SelectAll) : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

namespace zxw32 {

bool dialogMouse(HWND dialog, DialogMouse what, int x, int y) {
    UserState& s = state();
    std::optional<Press> press;
    bool changed = false;
    {
        std::lock_guard lock(s.mutex);
        Window* d = openDialog(s, dialog);
        if (d == nullptr) {
            return false;
        }
        const POINT origin = clientOrigin();
        const POINT p{x - origin.x, y - origin.y};
        switch (what) {
        case DialogMouse::Down:
            changed = mouseDown(s, *d, p);
            break;
        case DialogMouse::Move:
            changed = mouseMove(s, *d, p);
            break;
        case DialogMouse::Up:
            changed = mouseUp(s, *d, p, press);
            break;
        }
    }
    if (press) {
        deliver(dialog, *press);
    }
    return changed;
}

bool dialogKey(HWND dialog, UINT virtualKey, bool shift, bool control) {
    UserState& s = state();
    std::optional<Press> press;
    bool changed = false;
    {
        std::lock_guard lock(s.mutex);
        Window* d = openDialog(s, dialog);
        if (d == nullptr) {
            return false;
        }
        Window* focused = focusedControl(s, *d);
        switch (virtualKey) {
        case VK_TAB:
            if (Window* next = nextInTabOrder(s, *d, focused, shift)) {
                focusControl(s, *d, *next, true);
                changed = true;
            }
            break;
        case VK_RETURN:
            if (Window* button = defaultButton(s, *d)) {
                press = Press{button->id, button->handle};
            } else {
                press = Press{IDOK, nullptr};
            }
            break;
        case VK_ESCAPE: {
            Window* cancel = findControl(s, dialog, IDCANCEL);
            press = Press{IDCANCEL, cancel != nullptr ? cancel->handle : nullptr};
            break;
        }
        case VK_SPACE:
            if (focused != nullptr && focused->kind != ControlKind::Edit) {
                press = click(s, *d, *focused);
                changed = true;
            }
            break;
        default:
            if (focused != nullptr && focused->kind == ControlKind::Radio) {
                if (Window* next = radioByArrow(s, *d, *focused, virtualKey)) {
                    focusControl(s, *d, *next, false);
                    press = click(s, *d, *next);
                    changed = true;
                }
            } else if (focused != nullptr && focused->kind == ControlKind::Edit) {
                if (auto key = editKeyFor(virtualKey, control)) {
                    changed = editKey(focused->title, focused->selection, *key, shift);
                }
            }
            break;
        }
    }
    if (press) {
        deliver(dialog, *press);
        changed = true;
    }
    return changed;
}

bool dialogText(HWND dialog, const char* cp1252Text) {
    if (cp1252Text == nullptr) {
        return false;
    }
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* d = openDialog(s, dialog);
    if (d == nullptr) {
        return false;
    }
    Window* focused = focusedControl(s, *d);
    if (focused == nullptr || focused->kind != ControlKind::Edit) {
        return false;
    }
    return insertText(focused->title, focused->selection, cp1252Text);
}

bool dialogEnded(HWND dialog, INT_PTR* result) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* d = findWindow(s, dialog);
    if (d == nullptr || !d->dialog || !d->dialog->ended) {
        return false;
    }
    if (result != nullptr) {
        *result = d->dialog->result;
    }
    return true;
}

} // namespace zxw32
