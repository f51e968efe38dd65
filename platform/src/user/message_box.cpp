// MessageBoxA and MessageBeep: recorded in the event log and answered at once, so that a box
// never blocks a test or a headless run; a player that shows boxes to a person installs a
// handler that asks.
#include <mutex>

#include <winuser.h>
#include <zxw32/user_ext.h>

namespace {

struct BoxHandler {
    std::mutex mutex;
    zxw32::MessageBoxHandler handler = nullptr;
    void* context = nullptr;
};

BoxHandler& boxHandler() {
    static BoxHandler* h = new BoxHandler;
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
    BoxHandler& h = boxHandler();
    std::lock_guard lock(h.mutex);
    h.handler = handler;
    h.context = context;
}

} // namespace zxw32

extern "C" {

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    // A null caption shows as "Error" on Windows.
    zxw32::logEvent(zxw32::Event{"messagebox", text ? text : "", caption ? caption : "Error",
                                 static_cast<long>(type)});
    zxw32::MessageBoxHandler handler = nullptr;
    void* context = nullptr;
    {
        BoxHandler& h = boxHandler();
        std::lock_guard lock(h.mutex);
        handler = h.handler;
        context = h.context;
    }
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
