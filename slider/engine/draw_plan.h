// Everything one redraw of a slider decides before it paints: where the parts go, the step
// that an active part applies, and where the thumb then stands. The drawing code paints the
// parts at these rectangles and stores the new value into the member.
#pragma once

#include <cstdint>
#include <optional>

#include "part_hit.h"
#include "value_step.h"

namespace zx::slider {

struct DrawInput {
    Rect sprite;
    PartSizes sizes;     // of the pictures to be drawn (pressed ones for the active part)
    SliderValues values; // as the member holds them
    int32_t activePart = kPartNone;
    DrawnParts previous; // as the last draw left them; the step reads the thumb there
    Point cursor;        // read only for a drag or a press on the bar
    int32_t grabOffset = 0;
};

struct DrawPlan {
    DrawnParts drawn;               // to paint now and to hit-test until the next draw
    std::optional<double> newValue; // to store into the member, when the step changed it
    double shownValue = 0.0;        // the value the thumb shows
};

DrawPlan planDraw(const DrawInput& input);

} // namespace zx::slider
