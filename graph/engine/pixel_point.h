// Pixel positions and segments as the drawing code paints them.
#pragma once

#include <cstdint>

namespace plotmark {

struct PixelPoint {
    int32_t x;
    int32_t y;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelSegment {
    PixelPoint from;
    PixelPoint to;
    bool operator==(const PixelSegment&) const = default;
};

} // namespace plotmark
