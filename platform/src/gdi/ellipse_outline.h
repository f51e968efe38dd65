// The outline of an ellipse as Windows rasterises it: the pixels of a midpoint walk over
// one quarter, mirrored into the other three.
#pragma once

#include <vector>

#include "gdi/surface.h"

namespace w32::gdi {

// The outline of the ellipse in the box [x0, x1] x [y0, y1] (inclusive) as one closed
// path without repeated points, counter-clockwise from the right end of the horizontal
// axis. Empty for a box of one pixel.
std::vector<DevPoint> ellipseOutline(int64_t x0, int64_t y0, int64_t x1, int64_t y1);

} // namespace w32::gdi
