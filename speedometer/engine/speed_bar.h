// The coloured bar that fills the gauge from the left up to the current speed.
#pragma once

#include <optional>

#include "gauge_geometry.h"

namespace zx::speedometer {

// The bar's length in pixels: the speed's share of the scale times the gauge's width, kept
// within [0, width] before it is cut to whole pixels. 0 for a scale of one point, a speed that
// is not a number or a gauge without width.
int64_t speedBarLength(const Rect& gauge, double ySpeed, int32_t xMin, int32_t xMax);

// The filled rectangle, inside the frame from (left + 1, top + 1) to the bar's end (never
// past the right edge) and the bottom. Nothing while the speed is not above xMin or the bar
// has no length.
std::optional<Rect> speedBar(const Rect& gauge, double ySpeed, int32_t xMin, int32_t xMax);

} // namespace zx::speedometer
