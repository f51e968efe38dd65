// Copying a dialog's state for painting.
#include "dialog_snapshot.h"

#include "dialog_focus.h"

namespace zxw32::user {

std::optional<DialogSnapshot> snapshotDialog(HWND dialog) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* d = findWindow(s, dialog);
    if (d == nullptr || !d->dialog) {
        return std::nullopt;
    }
    DialogSnapshot view;
    view.clientWidth = d->rect.right - d->rect.left;
    view.clientHeight = d->rect.bottom - d->rect.top;
    view.caption = d->title;
    view.active = s.active == dialog;
    view.fontSize = d->dialog->fontSize;
    view.fontFace = d->dialog->fontFace;
    const Window* focused = focusedControl(s, *d);
    const Window* defaultOne = defaultButton(s, *d);
    for (HWND h : d->children) {
        Window* c = findWindow(s, h);
        if (c == nullptr) {
            continue;
        }
        clampSelection(c->title, c->selection);
        ControlSnapshot control;
        control.handle = h;
        control.kind = c->kind;
        control.rect = c->rect;
        control.text = c->title;
        control.check = c->check;
        control.align = c->align;
        control.isDefault = c == defaultOne;
        control.focused = c == focused;
        control.pushed = d->dialog->pressed == h && d->dialog->pressedInside;
        control.selection = c->selection;
        control.scroll = c->scroll;
        view.controls.push_back(std::move(control));
    }
    return view;
}

void storeEditScroll(HWND edit, int scroll) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    if (Window* c = findWindow(s, edit)) {
        c->scroll = scroll;
    }
}

} // namespace zxw32::user
