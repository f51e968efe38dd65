// The parts of a slider as ActiveComponent names them.
#pragma once

#include <cstdint>

namespace zx::slider {

enum SliderPart : int32_t {
    kPartNone = 0,
    kPartThumb = 1,
    kPartFirstArrow = 2,  // left arrow, or down arrow when vertical
    kPartSecondArrow = 3, // right arrow, or up arrow when vertical
    kPartBarMinSide = 4,  // the bar left of the thumb, or below it
    kPartBarMaxSide = 5,  // the bar right of the thumb, or above it
};

} // namespace zx::slider
