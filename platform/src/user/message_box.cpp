// MessageBoxA and MessageBeep: recorded in the event log and answered at once, so that a box
// never blocks a test or a headless run.
#include <winuser.h>
#include <zxw32/user_ext.h>

namespace {

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

extern "C" {

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    // A null caption shows as "Error" on Windows.
    zxw32::logEvent(zxw32::Event{"messagebox", text ? text : "", caption ? caption : "Error",
                                 static_cast<long>(type)});
    return firstButton(type);
}

BOOL WINAPI MessageBeep(UINT type) {
    zxw32::logEvent(zxw32::Event{"beep", "", "", static_cast<long>(type)});
    return TRUE;
}

} // extern "C"
