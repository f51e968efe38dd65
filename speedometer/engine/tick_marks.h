// The tick marks of the gauge's scale: small ticks a third of the way down from the top, big
// ticks two thirds of the way down with their labels under them at the bottom edge.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gauge_geometry.h"

namespace zx::speedometer {

struct TickMark {
    int32_t x = 0;     // the column of the line
    int32_t top = 0;   // the line runs from here ...
    int32_t end = 0;   // ... down to here, which it leaves out
    int32_t label = 0; // the scale value at the tick (shown under big ticks)
};

// The inner ticks k = 1 ... n - 1 of n = (xMax - xMin) / space steps, at
// x = left + width * space * k / (xMax - xMin) in whole pixels. None when the scale is empty
// or reversed, the spacing is not positive or the gauge has no width. Where ticks are closer
// than a pixel, each column gets one mark (the first of its ticks), so a gauge never draws
// more marks than it has columns.
std::vector<TickMark> smallTicks(const Rect& gauge, const GaugeScale& scale);
std::vector<TickMark> bigTicks(const Rect& gauge, const GaugeScale& scale);

// The label of a big tick: the scale value in decimal ("%d").
std::string tickLabel(int32_t value);

} // namespace zx::speedometer
