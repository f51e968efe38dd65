#include "part_layout.h"

namespace zx::slider {

namespace {

// The start of a part of the given extent centred on `centre`, as the sprite frame centres
// pictures: half the extent (rounded towards zero) before the centre.
int64_t centred(int64_t centre, int64_t extent) {
    return centre - extent / 2;
}

} // namespace

Orientation orientationOf(const Rect& sprite) {
    return sprite.width() >= sprite.height() ? Orientation::kHorizontal : Orientation::kVertical;
}

PartLayout layoutParts(const Rect& sprite, const PartSizes& sizes) {
    PartLayout layout;
    layout.orientation = orientationOf(sprite);
    const int64_t cx = (int64_t{sprite.left} + sprite.right) / 2;
    const int64_t cy = (int64_t{sprite.top} + sprite.bottom) / 2;
    const Size& first = sizes.firstArrow;
    const Size& second = sizes.secondArrow;
    const Size& bar = sizes.bar;

    if (layout.orientation == Orientation::kHorizontal) {
        layout.firstArrow =
            rectAt(sprite.left, centred(cy, first.height), first.width, first.height);
        layout.secondArrow = rectAt(int64_t{sprite.right} - second.width,
                                    centred(cy, second.height), second.width, second.height);
        const int64_t start = layout.firstArrow.right;
        const int64_t span = std::max<int64_t>(0, int64_t{layout.secondArrow.left} - start);
        layout.bar = rectAt(start, centred(cy, bar.height), span, bar.height);
    } else {
        layout.firstArrow = rectAt(centred(cx, first.width), int64_t{sprite.bottom} - first.height,
                                   first.width, first.height);
        layout.secondArrow =
            rectAt(centred(cx, second.width), sprite.top, second.width, second.height);
        const int64_t start = layout.secondArrow.bottom;
        const int64_t span = std::max<int64_t>(0, int64_t{layout.firstArrow.top} - start);
        layout.bar = rectAt(centred(cx, bar.width), start, bar.width, span);
    }
    return layout;
}

int64_t trackLength(const PartLayout& layout, int64_t thumbExtent) {
    const int64_t between = layout.orientation == Orientation::kHorizontal
                                ? int64_t{layout.secondArrow.left} - layout.firstArrow.right
                                : int64_t{layout.firstArrow.top} - layout.secondArrow.bottom;
    return between - thumbExtent;
}

} // namespace zx::slider
