// The system caret: one per process, owned by a window, hidden until shown. The host reads
// its state to draw it; nothing is drawn here.
#include <winbase.h>

#include "user_state.h"

using namespace zxw32::user;

namespace {

// A caret of width or height 0 takes the system's border size, as on Windows.
constexpr int borderSize = 1;

// ShowCaret and HideCaret name the owner, or null for whichever window owns the caret.
bool ownsCaret(const UserState& s, HWND window) {
    return s.caret.owner != nullptr && (window == nullptr || window == s.caret.owner);
}

} // namespace

namespace zxw32 {

CaretState caretState() {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    const Caret& c = s.caret;
    return CaretState{c.owner, c.width, c.height, c.position,
                      c.owner != nullptr && c.hideCount == 0};
}

} // namespace zxw32

extern "C" {

// Replaces any existing caret with a hidden one at the owner's client origin.
BOOL WINAPI CreateCaret(HWND window, HBITMAP, int width, int height) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    if (findWindow(s, window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    s.caret = Caret{window, width > 0 ? width : borderSize, height > 0 ? height : borderSize,
                    POINT{0, 0}, 1};
    return TRUE;
}

BOOL WINAPI SetCaretPos(int x, int y) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    if (s.caret.owner == nullptr) {
        return FALSE;
    }
    s.caret.position = POINT{x, y};
    return TRUE;
}

BOOL WINAPI GetCaretPos(LPPOINT point) {
    if (point == nullptr) {
        return FALSE;
    }
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    if (s.caret.owner == nullptr) {
        return FALSE;
    }
    *point = s.caret.position;
    return TRUE;
}

// Hiding is cumulative: each HideCaret needs its ShowCaret.
BOOL WINAPI ShowCaret(HWND window) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    if (!ownsCaret(s, window)) {
        return FALSE;
    }
    if (s.caret.hideCount > 0) {
        --s.caret.hideCount;
    }
    return TRUE;
}

BOOL WINAPI HideCaret(HWND window) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    if (!ownsCaret(s, window)) {
        return FALSE;
    }
    ++s.caret.hideCount;
    return TRUE;
}

BOOL WINAPI DestroyCaret(void) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    if (s.caret.owner == nullptr) {
        return FALSE;
    }
    s.caret = Caret{};
    return TRUE;
}

} // extern "C"
