// MessageBoxA and MessageBeep: recorded in the event log and answered at once, so that a box
// never blocks a test or a headless run; a player that shows boxes to a person installs a
// handler that asks.
#include <winuser.h>
#include <zxw32/user_ext.h>

#include "callback_slot.h"

namespace {

zxw32::user::CallbackSlot<zxw32::MessageBoxHandler>& boxHandler() {
    static auto* h = new zxw32::user::CallbackSlot<zxw32::MessageBoxHandler>;
    return *h;
}

// The answer of a user who presses the first button of the box.
int firstButton(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return IDYES;
    case MB_RETRYCANCEL:
        return IDRETRY;
    case MB_CANCELTRYCONTINUE:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

} // namespace

namespace zxw32 {

void setMessageBoxHandler(MessageBoxHandler handler, void* context) {
    boxHandler().set(handler, context);
}

} // namespace zxw32

extern "C" {

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    // A null caption shows as "Error" on Windows.
    zxw32::logEvent(zxw32::Event{"messagebox", text ? text : "", caption ? caption : "Error",
                                 static_cast<long>(type)});
    const auto [handler, context] = boxHandler().get();
    if (handler != nullptr) {
        return handler(text ? text : "", caption ? caption : "Error", type, context);
    }
    return firstButton(type);
}

BOOL WINAPI MessageBeep(UINT type) {
    zxw32::logEvent(zxw32::Event{"beep", "", "", static_cast<long>(type)});
    return TRUE;
}

} // extern "C"
