#include "thumb_placement.h"

#include <cmath>

#include "value_range.h"

namespace zx::slider {

namespace {

// Pixels from the minimum end: the fraction of the track, truncated. The fraction lies
// strictly inside (0, 1) here, so the product lies within the track.
int64_t offsetAlongTrack(double fraction, int64_t track) {
    return static_cast<int64_t>(std::trunc(fraction * static_cast<double>(track)));
}

} // namespace

Rect placeThumb(const PartLayout& layout, const Rect& sprite, Size thumb, double value,
                double minimum, double maximum) {
    const int64_t track = trackLength(
        layout, layout.orientation == Orientation::kHorizontal ? thumb.width : thumb.height);
    const std::optional<double> fraction = rangeFraction(value, minimum, maximum);
    const bool atMinimum = !fraction || *fraction <= 0.0;
    const bool atMaximum = fraction && *fraction >= 1.0;

    if (layout.orientation == Orientation::kHorizontal) {
        const int64_t cy = (int64_t{sprite.top} + sprite.bottom) / 2;
        const int64_t top = cy - thumb.height / 2;
        int64_t left = layout.firstArrow.right;
        if (atMaximum) {
            left = int64_t{layout.secondArrow.left} - thumb.width;
        } else if (!atMinimum) {
            left += offsetAlongTrack(*fraction, track);
        }
        return rectAt(left, top, thumb.width, thumb.height);
    }
    const int64_t cx = (int64_t{sprite.left} + sprite.right) / 2;
    const int64_t left = cx - thumb.width / 2;
    int64_t top = int64_t{layout.firstArrow.top} - thumb.height;
    if (atMaximum) {
        top = layout.secondArrow.bottom;
    } else if (!atMinimum) {
        top -= offsetAlongTrack(*fraction, track);
    }
    return rectAt(left, top, thumb.width, thumb.height);
}

} // namespace zx::slider
