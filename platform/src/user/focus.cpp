// The cursor position (set by the host), keyboard focus, the active and the foreground window.
#include <winbase.h>

#include "user_state.h"

using namespace zxw32::user;

namespace {

// The top-level window a window belongs to.
HWND topLevel(UserState& s, HWND window) {
    Window* w = findWindow(s, window);
    while (w != nullptr && w->parent != nullptr) {
        w = findWindow(s, w->parent);
    }
    return w != nullptr ? w->handle : nullptr;
}

} // namespace

extern "C" {

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (point == nullptr) {
        return FALSE;
    }
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    *point = s.cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    s.cursor = POINT{x, y};
    return TRUE;
}

// Focus on a window also activates its top-level window. A null window takes the focus
// away; an invalid one changes nothing. Returns the window that had the focus.
HWND WINAPI SetFocus(HWND window) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    HWND previous = s.focus;
    if (window == nullptr) {
        s.focus = nullptr;
        return previous;
    }
    if (findWindow(s, window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    s.focus = window;
    s.active = topLevel(s, window);
    return previous;
}

HWND WINAPI GetFocus(void) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    return s.focus;
}

HWND WINAPI GetActiveWindow(void) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    return s.active;
}

// A null window deactivates (the host's stage may be inactive); an invalid one changes
// nothing. Returns the previously active window.
HWND WINAPI SetActiveWindow(HWND window) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    HWND top = topLevel(s, window);
    if (top == nullptr && window != nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    HWND previous = s.active;
    s.active = top;
    return previous;
}

// Brings the window's top-level window to the front of its band and activates it.
BOOL WINAPI SetForegroundWindow(HWND window) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    HWND top = topLevel(s, window);
    if (top == nullptr) {
        return FALSE;
    }
    s.foreground = s.active = top;
    raise(s, top);
    return TRUE;
}

HWND WINAPI GetForegroundWindow(void) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    return s.foreground;
}

} // extern "C"
