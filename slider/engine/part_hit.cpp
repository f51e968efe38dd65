#include "part_hit.h"

namespace zx::slider {

namespace {

bool onMinimumSide(const DrawnParts& drawn, Point p) {
    return drawn.layout.orientation == Orientation::kHorizontal ? p.x < drawn.thumb.left
                                                                : p.y >= drawn.thumb.bottom;
}

bool onMaximumSide(const DrawnParts& drawn, Point p) {
    return drawn.layout.orientation == Orientation::kHorizontal ? p.x >= drawn.thumb.right
                                                                : p.y < drawn.thumb.top;
}

} // namespace

SliderPart partAt(const DrawnParts& drawn, Point p) {
    if (drawn.layout.firstArrow.contains(p)) {
        return kPartFirstArrow;
    }
    if (drawn.layout.secondArrow.contains(p)) {
        return kPartSecondArrow;
    }
    if (drawn.thumb.contains(p)) {
        return kPartThumb;
    }
    if (drawn.layout.bar.contains(p)) {
        return onMinimumSide(drawn, p) ? kPartBarMinSide : kPartBarMaxSide;
    }
    return kPartNone;
}

int32_t grabOffset(const DrawnParts& drawn, Point p) {
    return drawn.layout.orientation == Orientation::kHorizontal
               ? saturate(int64_t{p.x} - drawn.thumb.left)
               : saturate(int64_t{p.y} - drawn.thumb.top);
}

bool cursorBeyondThumb(const DrawnParts& drawn, SliderPart barPart, Point cursor) {
    if (barPart == kPartBarMinSide) {
        return onMinimumSide(drawn, cursor);
    }
    if (barPart == kPartBarMaxSide) {
        return onMaximumSide(drawn, cursor);
    }
    return false;
}

} // namespace zx::slider
