// Pixel geometry of the slider: points, sizes and rectangles in the sprite's coordinate
// system (the stage's), with Win32's convention that right and bottom lie outside.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zx::slider {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int64_t width() const { return int64_t{right} - left; }
    int64_t height() const { return int64_t{bottom} - top; }
    // Empty and inverted rectangles contain nothing.
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// Positions are worked out in 64 bits and stored saturated, so a sprite near the ends of the
// coordinate range squeezes its parts together instead of wrapping them around.
inline int32_t saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

inline Rect rectAt(int64_t left, int64_t top, int64_t width, int64_t height) {
    return Rect{saturate(left), saturate(top), saturate(left + width), saturate(top + height)};
}

} // namespace zx::slider
