// A 32-bit BGRX pixel surface (the bits of a DIB section) and the device-space rectangle
// type that clipping and rasterising work in. Device coordinates are 64-bit so that
// mapped coordinates at +/-32767 and beyond never overflow.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include <windef.h>

namespace w32::gdi {

struct DevPoint {
    int64_t x = 0;
    int64_t y = 0;
};

// Half-open rectangle [left, right) x [top, bottom).
struct DevRect {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int64_t x, int64_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    DevRect intersect(const DevRect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
};

struct Surface {
    uint32_t* row0 = nullptr; // the top row
    ptrdiff_t pitch = 0;      // pixels from one row to the next (negative when bottom-up)
    int width = 0;
    int height = 0;

    uint32_t* row(int64_t y) const { return row0 + ptrdiff_t(y) * pitch; }
    uint32_t& at(int64_t x, int64_t y) const { return row(y)[x]; }
    DevRect bounds() const { return {0, 0, width, height}; }
};

// COLORREF 0x00BBGGRR to the surface's 0x00RRGGBB; the high byte is ignored.
inline uint32_t toPixel(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

inline COLORREF toColorRef(uint32_t p) {
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

// Paints [x0, x1) of row y, already clipped.
inline void fillSpan(const Surface& s, int64_t y, int64_t x0, int64_t x1, uint32_t pixel) {
    std::fill(s.row(y) + x0, s.row(y) + x1, pixel);
}

} // namespace w32::gdi
