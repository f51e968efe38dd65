// Where the thumb goes for a value: along the track in proportion to the value, and at the
// ends for values outside the range.
#pragma once

#include "part_layout.h"

namespace zx::slider {

// The thumb rectangle of the given size, centred across the axis. Inside the range the
// thumb's left edge (bottom edge when vertical) lies the value's fraction of the track, cut
// to whole pixels, beyond the first arrow. A value at or beyond XMinimum puts it against the
// first arrow, at or beyond XMaximum against the second. A range of one point and NaN
// anywhere put it at the minimum end.
Rect placeThumb(const PartLayout& layout, const Rect& sprite, Size thumb, double value,
                double minimum, double maximum);

} // namespace zx::slider
