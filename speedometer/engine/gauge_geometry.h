// The gauge's scale and rectangle: what the drawing divides up into a bar and tick marks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zx::speedometer {

// Right and bottom lie outside, as in Win32.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int64_t width() const { return int64_t{right} - left; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// The scale runs from xMin at the left edge to xMax at the right edge, with a small tick
// every smallTickSpace and a labelled big tick every bigTickSpace. The defaults are a new
// member's.
struct GaugeScale {
    int32_t xMin = 0;
    int32_t xMax = 100;
    int32_t smallTickSpace = 10;
    int32_t bigTickSpace = 20;
};

// Coordinates are worked out in 64 bits and stored saturated.
inline int32_t saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace zx::speedometer
