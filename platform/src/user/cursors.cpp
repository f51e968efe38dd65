// The system cursors: LoadCursorA hands out one handle per IDC_* shape, SetCursor remembers
// which one is showing so that a player can show the same shape. Cursors from a module's
// resources do not exist here.
#include <atomic>
#include <cstdint>

#include <winbase.h>
#include <winuser.h>
#include <zxw32/user_ext.h>

namespace {

// Handles carry the shape's number above this base, so that they are never null and never
// collide with the small numbers of other handle kinds.
constexpr uintptr_t kCursorBase = 0x7C000000;
constexpr int kFirstShape = 32512;
constexpr int kLastShape = 32650;

std::atomic<int>& current() {
    static std::atomic<int> shape{32512};
    return shape;
}

bool isShape(uintptr_t id) {
    return id >= static_cast<uintptr_t>(kFirstShape) && id <= static_cast<uintptr_t>(kLastShape);
}

} // namespace

namespace zxw32 {

int cursorShape() {
    return current().load();
}

} // namespace zxw32

extern "C" {

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    const auto id = reinterpret_cast<uintptr_t>(name);
    if (instance != nullptr || !IS_INTRESOURCE(name) || !isShape(id)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(kCursorBase + id);
}

// A null cursor hides it; a handle that LoadCursorA did not give leaves it as it is.
HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    const int previous = current().load();
    const auto value = reinterpret_cast<uintptr_t>(cursor);
    if (cursor == nullptr) {
        current().store(0);
    } else if (value > kCursorBase && isShape(value - kCursorBase)) {
        current().store(static_cast<int>(value - kCursorBase));
    }
    return previous == 0 ? nullptr : reinterpret_cast<HCURSOR>(kCursorBase + previous);
}

HCURSOR WINAPI GetCursor(void) {
    const int shape = current().load();
    return shape == 0 ? nullptr : reinterpret_cast<HCURSOR>(kCursorBase + shape);
}

} // extern "C"
