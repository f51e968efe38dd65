// The window registry: windows that the host or a test creates, looked up, moved and
// destroyed with the Windows calls. A window's client area is its whole rectangle.
#include <algorithm>
#include <cstdint>
#include <strings.h>

#include <winbase.h>

#include "user_state.h"

using namespace zxw32::user;

namespace {

// Window and point arithmetic saturates at the ends of the 32-bit range: a window placed at
// an extreme position, or a point far outside it, gives the nearest representable answer
// instead of wrapping around.
LONG saturate(int64_t v) {
    return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}
LONG add(LONG a, LONG b) {
    return saturate(int64_t{a} + b);
}
LONG sub(LONG a, LONG b) {
    return saturate(int64_t{a} - b);
}

// Screen position of a window's client origin; controls sit in their dialog's client area.
POINT clientOrigin(UserState& s, const Window& w) {
    POINT p{w.rect.left, w.rect.top};
    if (Window* parent = findWindow(s, w.parent)) {
        p.x = add(p.x, parent->rect.left);
        p.y = add(p.y, parent->rect.top);
    }
    return p;
}

bool matches(const Window& w, const char* className, const char* title) {
    // Class names compare without case as on Windows; so do titles.
    if (className != nullptr && strcasecmp(w.className.c_str(), className) != 0) {
        return false;
    }
    if (title != nullptr && strcasecmp(w.title.c_str(), title) != 0) {
        return false;
    }
    return true;
}

BOOL invalidHandle() {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
}

} // namespace

namespace zxw32 {

HWND createWindow(const char* className, const char* title, RECT screenRect, WindowHandler handler,
                  void* context) {
    if (className == nullptr || className[0] == '\0') {
        return nullptr;
    }
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window& w = addWindow(s);
    w.className = className;
    w.title = title ? title : "";
    w.rect = screenRect;
    w.handler = handler;
    w.context = context;
    raise(s, w.handle);
    return w.handle;
}

bool setWindowHandler(HWND window, WindowHandler handler, void* context) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    if (w == nullptr || w->parent != nullptr) {
        return false;
    }
    w->handler = handler;
    w->context = context;
    return true;
}

bool isTopmost(HWND window) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    return w != nullptr && w->topmost;
}

} // namespace zxw32

extern "C" {

BOOL WINAPI IsWindow(HWND window) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    return findWindow(s, window) != nullptr;
}

// The handler sees WM_DESTROY while the window still exists; then it and its controls go.
BOOL WINAPI DestroyWindow(HWND window) {
    UserState& s = state();
    zxw32::WindowHandler handler = nullptr;
    void* context = nullptr;
    {
        std::lock_guard lock(s.mutex);
        Window* w = findWindow(s, window);
        if (w == nullptr) {
            return invalidHandle();
        }
        handler = w->handler;
        context = w->context;
    }
    if (handler != nullptr) {
        handler(window, WM_DESTROY, 0, 0, context);
    }
    std::lock_guard lock(s.mutex);
    removeWindow(s, window);
    return TRUE;
}

// Top-level windows in z-order; a null class or title matches any, both null find the top
// window.
HWND WINAPI FindWindowA(LPCSTR className, LPCSTR windowName) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    for (HWND h : s.zorder) {
        if (matches(*findWindow(s, h), className, windowName)) {
            return h;
        }
    }
    SetLastError(0);
    return nullptr;
}

BOOL WINAPI GetWindowRect(HWND window, LPRECT rect) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    if (w == nullptr || rect == nullptr) {
        return invalidHandle();
    }
    POINT origin = clientOrigin(s, *w);
    *rect = RECT{origin.x, origin.y, add(origin.x, sub(w->rect.right, w->rect.left)),
                 add(origin.y, sub(w->rect.bottom, w->rect.top))};
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    if (w == nullptr || rect == nullptr) {
        return invalidHandle();
    }
    *rect = RECT{0, 0, sub(w->rect.right, w->rect.left), sub(w->rect.bottom, w->rect.top)};
    return TRUE;
}

// Moves, sizes and re-orders a top-level window. HWND_TOPMOST puts it in the topmost band
// (recorded for isTopmost and logged as a "window" event "HWND_TOPMOST" with the window's
// title and the flags), HWND_NOTOPMOST takes it out; SWP_NOZORDER keeps its place.
BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    if (w == nullptr) {
        return invalidHandle();
    }
    if (!(flags & SWP_NOMOVE)) {
        const LONG width = sub(w->rect.right, w->rect.left);
        const LONG height = sub(w->rect.bottom, w->rect.top);
        w->rect = RECT{x, y, add(x, width), add(y, height)};
    }
    if (!(flags & SWP_NOSIZE)) {
        w->rect.right = add(w->rect.left, cx < 0 ? 0 : cx);
        w->rect.bottom = add(w->rect.top, cy < 0 ? 0 : cy);
    }
    if (!(flags & SWP_NOZORDER) && w->parent == nullptr) {
        if (insertAfter == HWND_TOPMOST) {
            w->topmost = true;
            raise(s, window);
            // Taking a window above every other is visible to the user, so it goes to the
            // event log like the window messages do.
            zxw32::logEvent(
                zxw32::Event{"window", "HWND_TOPMOST", w->title, static_cast<long>(flags)});
        } else if (insertAfter == HWND_NOTOPMOST) {
            w->topmost = false;
            raise(s, window);
        } else if (insertAfter == HWND_TOP) {
            raise(s, window);
        } else if (insertAfter == HWND_BOTTOM) {
            w->topmost = false;
            std::erase(s.zorder, window);
            s.zorder.push_back(window);
        }
    }
    if (!(flags & SWP_NOACTIVATE) && w->parent == nullptr) {
        s.active = s.foreground = window;
    }
    return TRUE;
}

// The top window of the z-order whose rectangle holds the point.
HWND WINAPI WindowFromPoint(POINT point) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    for (HWND h : s.zorder) {
        const RECT& r = findWindow(s, h)->rect;
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) {
            return h;
        }
    }
    return nullptr;
}

BOOL WINAPI ScreenToClient(HWND window, LPPOINT point) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    if (w == nullptr || point == nullptr) {
        return invalidHandle();
    }
    POINT origin = clientOrigin(s, *w);
    point->x = sub(point->x, origin.x);
    point->y = sub(point->y, origin.y);
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    if (w == nullptr || point == nullptr) {
        return invalidHandle();
    }
    POINT origin = clientOrigin(s, *w);
    point->x = add(point->x, origin.x);
    point->y = add(point->y, origin.y);
    return TRUE;
}

int WINAPI GetWindowTextA(HWND window, LPSTR buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) {
        return 0;
    }
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    if (w == nullptr) {
        buffer[0] = '\0';
        return invalidHandle();
    }
    size_t n = std::min(w->title.size(), static_cast<size_t>(capacity - 1));
    w->title.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

} // extern "C"
