// Modal dialogs run by a driver instead of a user. DialogBoxParamA builds the dialog and its
// controls from the module's template, lets the procedure initialise them, asks the driver
// which button to press (the driver reads and sets the controls through the ordinary calls, or
// plays the user through the dialog manager until the dialog ends), hands that button to the
// procedure unless the dialog has ended, and returns what the procedure gave EndDialog.
#include <algorithm>
#include <cstdint>
#include <mutex>

#include <winbase.h>

#include "../kernel/module_registry.h"
#include "dialog_focus.h"
#include "callback_slot.h"
#include "dialog_internal.h"
#include "dialog_layout.h"
#include "dialog_template.h"
#include "user_state.h"

using namespace zxw32::user;

namespace {

// Never destroyed: plug-ins may open dialogs from their own static destructors.
CallbackSlot<zxw32::DialogDriver>& driver() {
    static auto* d = new CallbackSlot<zxw32::DialogDriver>;
    return *d;
}

const char* className(zxw32::ControlKind kind) {
    switch (kind) {
    case zxw32::ControlKind::Edit:
        return "Edit";
    case zxw32::ControlKind::Static:
        return "Static";
    case zxw32::ControlKind::GroupBox:
        return "Button";
    default:
        return "Button";
    }
}

// Creates the dialog window and its controls; returns the dialog's handle.
HWND build(UserState& s, const DialogTemplate& t, HWND owner, std::shared_ptr<DialogData> data) {
    Window& d = addWindow(s);
    d.className = "#32770";
    d.title = t.caption;
    data->fontSize = t.fontSize;
    data->fontFace = t.fontFace;
    d.dialog = std::move(data);
    RECT size = pixels(t.rect);
    int64_t x = size.left, y = size.top;
    if (Window* o = findWindow(s, owner)) {
        x += o->rect.left;
        y += o->rect.top;
    }
    d.rect = RECT{clampedLong(x), clampedLong(y), clampedLong(x + int64_t{size.right} - size.left),
                  clampedLong(y + int64_t{size.bottom} - size.top)};
    HWND dialog = d.handle;
    for (const ControlTemplate& c : t.controls) {
        Window& w = addWindow(s);
        w.className = className(c.kind);
        w.title = c.text;
        w.rect = pixels(c.rect);
        w.parent = dialog;
        w.id = c.id;
        w.kind = c.kind;
        w.align = c.align;
        w.defaultButton = c.defaultButton;
        w.automatic = c.automatic;
        findWindow(s, dialog)->children.push_back(w.handle);
    }
    raise(s, dialog);
    return dialog;
}

INT_PTR callProcedure(DLGPROC proc, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc != nullptr ? proc(dialog, message, wParam, lParam) : 0;
}

} // namespace

namespace zxw32 {

void setDialogDriver(DialogDriver fn, void* context) {
    driver().set(fn, context);
}

} // namespace zxw32

namespace zxw32::user {

DLGPROC dialogProcedure(HWND window) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    return w != nullptr && w->dialog ? w->dialog->proc : nullptr;
}

LRESULT dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR handled = callProcedure(dialogProcedure(dialog), dialog, message, wParam, lParam);
    if (!handled && message == WM_CLOSE) {
        EndDialog(dialog, IDCANCEL);
    }
    return handled;
}

} // namespace zxw32::user

extern "C" {

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc,
                               LPARAM initParam) {
    auto bytes = zxw32::kernel::findResourceBytes(instance, templateName, RT_DIALOG);
    if (!bytes) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    auto tmpl = readDialogTemplate(bytes->data, bytes->size);
    if (!tmpl) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return -1;
    }
    auto data = std::make_shared<DialogData>();
    data->proc = proc;
    UserState& s = state();
    HWND dialog = nullptr;
    HWND firstControl = nullptr;
    HWND previousActive = nullptr;
    HWND previousFocus = nullptr;
    {
        std::lock_guard lock(s.mutex);
        dialog = build(s, *tmpl, owner, data);
        Window* d = findWindow(s, dialog);
        if (!d->children.empty()) {
            firstControl = d->children.front();
        }
        previousActive = s.active;
        previousFocus = s.focus;
        s.active = dialog;
    }
    auto ended = [&] {
        std::lock_guard lock(s.mutex);
        return data->ended || findWindow(s, dialog) == nullptr;
    };
    callProcedure(proc, dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstControl), initParam);
    {
        // The first control that takes the focus has it once the procedure has filled the
        // controls, an edit with its whole text selected, as Windows opens a dialog.
        std::lock_guard lock(s.mutex);
        if (Window* d = findWindow(s, dialog)) {
            if (Window* first = nextInTabOrder(s, *d, nullptr, false)) {
                focusControl(s, *d, *first, true);
            }
        }
    }
    if (!ended()) {
        const auto [fn, context] = driver().get();
        int button = fn != nullptr ? fn(dialog, context) : IDCANCEL;
        if (!ended()) {
            callProcedure(proc, dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                          reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
        }
        // A procedure that does not end the dialog on the pressed button ends it with the
        // button's id, so a driver never leaves a dialog open.
        std::lock_guard lock(s.mutex);
        if (!data->ended) {
            data->ended = true;
            data->result = button;
        }
    }
    std::lock_guard lock(s.mutex);
    removeWindow(s, dialog);
    if (s.active == nullptr && findWindow(s, previousActive) != nullptr) {
        s.active = previousActive;
    }
    if (s.focus == nullptr && findWindow(s, previousFocus) != nullptr) {
        s.focus = previousFocus;
    }
    return data->result;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, dialog);
    if (w == nullptr || !w->dialog) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    w->dialog->ended = true;
    w->dialog->result = result;
    return TRUE;
}

} // extern "C"
