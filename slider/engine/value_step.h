// One step of an interaction with the slider: what a pressed arrow, a press on the bar or a
// thumb drag does to the value at each redraw while the part stays active.
#pragma once

#include <cstdint>
#include <optional>

#include "part_hit.h"
#include "slider_part.h"

namespace zx::slider {

struct SliderValues {
    double value = 0.5;
    double minimum = 0.0;
    double maximum = 1.0;
    double smallStep = -1.0; // zero or negative: one pixel's worth of value
    double largeStep = -1.0; // zero or negative: a sixteenth of the range
};

struct StepInput {
    int32_t part = kPartNone; // the active part; any code outside 1-5 does nothing
    DrawnParts drawn;         // the parts as last drawn: the thumb the drag moves from
    int64_t track = 0;        // trackLength() of this draw
    Point cursor;             // the cursor now, in the sprite's coordinates
    int32_t grabOffset = 0;   // from the press on the thumb
};

// The value after one step, kept inside the range; nothing when nothing is to be stored. An
// arrow moves by the small step, the bar by the large step while the cursor lies beyond the
// thumb, a drag by the pixels the cursor moved the grabbed point. Steps count towards
// XMaximum for the second arrow and the maximum side whichever way the range runs. Without
// room for the thumb to travel (track <= 0) there is no value per pixel: drags and one-pixel
// steps do nothing. A result that is not finite is never stored.
std::optional<double> steppedValue(const SliderValues& values, const StepInput& step);

// One pixel's worth of value: the range over the track. Nothing without a track.
std::optional<double> valuePerPixel(const SliderValues& values, int64_t track);

} // namespace zx::slider
