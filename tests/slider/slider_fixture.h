// A horizontal slider 200 x 20 and a vertical one 20 x 200 at the origin with 16-pixel
// arrows, a 16-pixel bar and an 8-pixel thumb: 168 pixels between the arrows and a track of
// 160, so one pixel is worth 1/160 of the range 0-1.
#pragma once

#include "engine/draw_plan.h"
#include "engine/part_layout.h"

namespace slider_test {

using namespace zx::slider;

inline constexpr Rect kHorizontal{0, 0, 200, 20};
inline constexpr Rect kVertical{0, 0, 20, 200};
inline constexpr int64_t kTrack = 160;

inline PartSizes horizontalSizes() {
    return PartSizes{Size{16, 16}, Size{16, 16}, Size{1, 16}, Size{8, 16}};
}

inline PartSizes verticalSizes() {
    return PartSizes{Size{16, 16}, Size{16, 16}, Size{16, 1}, Size{16, 8}};
}

// The parts as drawn for a value, as the previous draw of a step leaves them.
inline DrawnParts drawnAt(const Rect& sprite, const PartSizes& sizes, SliderValues values) {
    DrawInput input;
    input.sprite = sprite;
    input.sizes = sizes;
    input.values = values;
    return planDraw(input).drawn;
}

} // namespace slider_test
