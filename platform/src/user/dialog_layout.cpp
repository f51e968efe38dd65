// Dialog units to pixels and the window's frame around the client area.
#include "dialog_layout.h"

#include <algorithm>
#include <cstdint>

namespace zxw32::user {

LONG clampedLong(int64_t v) {
    return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

LONG unitsX(LONG x) {
    return clampedLong(int64_t{x} * 6 / 4);
}

LONG unitsY(LONG y) {
    return clampedLong(int64_t{y} * 13 / 8);
}

RECT pixels(const RECT& r) {
    return RECT{unitsX(r.left), unitsY(r.top), unitsX(r.right), unitsY(r.bottom)};
}

POINT clientOrigin() {
    return POINT{kFrameWidth, kFrameWidth + kCaptionHeight};
}

SIZE windowSize(LONG clientWidth, LONG clientHeight) {
    return SIZE{
        clampedLong(int64_t{std::max<LONG>(clientWidth, 0)} + 2 * kFrameWidth),
        clampedLong(int64_t{std::max<LONG>(clientHeight, 0)} + 2 * kFrameWidth + kCaptionHeight)};
}

} // namespace zxw32::user
