// Which part of a slider a mouse press lands on, tested against the parts as last drawn.
#pragma once

#include <cstdint>

#include "part_layout.h"
#include "slider_part.h"

namespace zx::slider {

// The parts as the last draw placed them. All empty before the first draw, so nothing is hit.
struct DrawnParts {
    PartLayout layout;
    Rect thumb;
};

// The arrows are tested first, then the thumb, then the bar: beside the thumb on its
// minimum side (left of it, or below it) is kPartBarMinSide, elsewhere on the bar
// kPartBarMaxSide. kPartNone outside every part.
SliderPart partAt(const DrawnParts& drawn, Point p);

// Where the thumb was grabbed: the press position less the thumb's left edge (top edge when
// vertical). Drags keep this point of the thumb under the cursor.
int32_t grabOffset(const DrawnParts& drawn, Point p);

// Whether the cursor lies beyond the thumb on the side a bar part pages towards; paging
// stops once the thumb has reached the cursor.
bool cursorBeyondThumb(const DrawnParts& drawn, SliderPart barPart, Point cursor);

} // namespace zx::slider
