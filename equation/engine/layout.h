// Bounding boxes of groups, computed by a layout-only drawing pass and cached in the group.
#pragma once

#include "element.h"

namespace zx::equation {

class DrawSurface;

// Draws group at pen with the paint flag cleared and stores the box of the group and its result
// text in the group (boxFirst = left-top, boxSecond = right-bottom, boxValid = 1). The bottom is
// the lowest baseline: descenders are not counted.
void ComputeBox(DrawSurface& dc, GroupElement& group, Point pen);
// The same for the contents only (the first child's chain and the result text).
void ComputeContentsBox(DrawSurface& dc, GroupElement& group, Point pen);

} // namespace zx::equation
