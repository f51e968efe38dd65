// Where the arrows and the bar of a slider go inside its sprite rectangle. The thumb is
// placed separately, because where it goes depends on the value (thumb_placement.h).
#pragma once

#include <cstdint>

#include "geometry.h"

namespace zx::slider {

enum class Orientation {
    kHorizontal,
    kVertical,
};

// A sprite at least as wide as it is high is horizontal; a square one too.
Orientation orientationOf(const Rect& sprite);

// The sizes of the pictures that will be drawn for each part (the pressed picture's size
// while that part is pressed); zero for a part without a picture.
struct PartSizes {
    Size firstArrow;
    Size secondArrow;
    Size bar;
    Size thumb;
};

struct PartLayout {
    Orientation orientation = Orientation::kHorizontal;
    Rect firstArrow;  // at the left edge, or the bottom edge when vertical
    Rect secondArrow; // at the right edge, or the top edge when vertical
    Rect bar;         // the span between the arrows, as thick as its picture
};

// Arrows at the two ends of the sprite and the bar between them, each centred across the
// slider's axis on the sprite's centre.
PartLayout layoutParts(const Rect& sprite, const PartSizes& sizes);

// How far the thumb can travel: the room between the arrows less the thumb's extent along
// the axis. Zero or negative when the sprite is too small for its parts.
int64_t trackLength(const PartLayout& layout, int64_t thumbExtent);

} // namespace zx::slider
