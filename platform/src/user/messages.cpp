// SendMessageA and DefWindowProcA. Every message sent through SendMessageA is logged as a
// "window" event (text: the message's name, caption: the window's title, flags: the number)
// before the window's handler sees it.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include <winbase.h>

#include "dialog_internal.h"
#include "user_state.h"

using namespace zxw32::user;

namespace {

std::string messageName(UINT message) {
    switch (message) {
    case WM_CREATE:
        return "WM_CREATE";
    case WM_DESTROY:
        return "WM_DESTROY";
    case WM_MOVE:
        return "WM_MOVE";
    case WM_SIZE:
        return "WM_SIZE";
    case WM_ACTIVATE:
        return "WM_ACTIVATE";
    case WM_SETFOCUS:
        return "WM_SETFOCUS";
    case WM_KILLFOCUS:
        return "WM_KILLFOCUS";
    case WM_SETTEXT:
        return "WM_SETTEXT";
    case WM_GETTEXT:
        return "WM_GETTEXT";
    case WM_GETTEXTLENGTH:
        return "WM_GETTEXTLENGTH";
    case WM_PAINT:
        return "WM_PAINT";
    case WM_CLOSE:
        return "WM_CLOSE";
    case WM_QUIT:
        return "WM_QUIT";
    case WM_KEYDOWN:
        return "WM_KEYDOWN";
    case WM_KEYUP:
        return "WM_KEYUP";
    case WM_CHAR:
        return "WM_CHAR";
    case WM_INITDIALOG:
        return "WM_INITDIALOG";
    case WM_COMMAND:
        return "WM_COMMAND";
    case WM_TIMER:
        return "WM_TIMER";
    case WM_MOUSEMOVE:
        return "WM_MOUSEMOVE";
    case WM_LBUTTONDOWN:
        return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP:
        return "WM_LBUTTONUP";
    case BM_GETCHECK:
        return "BM_GETCHECK";
    case BM_SETCHECK:
        return "BM_SETCHECK";
    default: {
        char text[16];
        std::snprintf(text, sizeof text, "0x%04X", message);
        return text;
    }
    }
}

} // namespace

extern "C" {

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    UserState& s = state();
    zxw32::WindowHandler handler = nullptr;
    void* context = nullptr;
    std::string title;
    {
        std::lock_guard lock(s.mutex);
        Window* w = findWindow(s, window);
        if (w == nullptr) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        handler = w->handler;
        context = w->context;
        title = w->title;
    }
    zxw32::logEvent(
        zxw32::Event{"window", messageName(message), title, static_cast<long>(message)});
    if (handler != nullptr) {
        return handler(window, message, wParam, lParam, context);
    }
    if (dialogProcedure(window) != nullptr) {
        return dialogMessage(window, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// What a window does with a message its handler leaves alone: WM_CLOSE destroys it; texts and
// button checks are read and written.
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case BM_GETCHECK:
    case BM_SETCHECK:
    case EM_GETSEL:
    case EM_SETSEL:
        break;
    default:
        return 0;
    }
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* w = findWindow(s, window);
    if (w == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_SETTEXT:
        w->title = lParam ? reinterpret_cast<const char*>(lParam) : "";
        w->selection = EditSelection{};
        w->scroll = 0;
        return TRUE;
    case WM_GETTEXT: {
        char* buffer = reinterpret_cast<char*>(lParam);
        if (buffer == nullptr || wParam == 0) {
            return 0;
        }
        size_t n = std::min(w->title.size(), static_cast<size_t>(wParam - 1));
        w->title.copy(buffer, n);
        buffer[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->title.size());
    case BM_GETCHECK:
        return w->check;
    case EM_GETSEL: {
        // Start and end of the selection, each also stored where the pointers ask.
        clampSelection(w->title, w->selection);
        const auto start = static_cast<DWORD>(w->selection.start());
        const auto end = static_cast<DWORD>(w->selection.end());
        if (wParam != 0) {
            *reinterpret_cast<DWORD*>(wParam) = start;
        }
        if (lParam != 0) {
            *reinterpret_cast<DWORD*>(lParam) = end;
        }
        return static_cast<LRESULT>(MAKELONG(start, end));
    }
    case EM_SETSEL: {
        // From wParam to lParam; a negative start removes the selection, a negative end
        // (or one past the text) means the end of the text.
        const auto length = static_cast<LONG_PTR>(w->title.size());
        const auto from = static_cast<LONG_PTR>(static_cast<int>(wParam));
        const auto to = static_cast<LONG_PTR>(static_cast<int>(lParam));
        if (from < 0) {
            w->selection.anchor = w->selection.caret;
        } else {
            w->selection.anchor = static_cast<size_t>(std::min(from, length));
            w->selection.caret = static_cast<size_t>(to < 0 ? length : std::min(to, length));
        }
        clampSelection(w->title, w->selection);
        return TRUE;
    }
    default: // BM_SETCHECK
        w->check = static_cast<UINT>(wParam);
        return 0;
    }
}

} // extern "C"
