// Bounding boxes of groups: a layout-only drawing pass, then the extent of every element it
// placed. The box bottom is the lowest baseline (descenders are not counted); accents count.
#include "layout.h"

#include <algorithm>
#include <limits>

#include "draw_surface.h"
#include "group_element.h"
#include "layout_support.h"
#include "text_element.h"

namespace zx::equation {

namespace {

struct Extent {
    double left = std::numeric_limits<double>::infinity();
    double top = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double bottom = -std::numeric_limits<double>::infinity();
    bool empty = true;

    void operator()(EquationElement& e) {
        left = std::min(left, e.start.x);
        top = std::min(top, e.start.y - e.height);
        right = std::max(right, e.end.x);
        bottom = std::max(bottom, e.end.y);
        empty = false;
    }
};

// A group's result text is drawn only after a line's contents, at the pen where they end; a
// layout pass places it there too. An empty result text is left out: it is never painted, and
// its position (never set, or left from an earlier drawing) would stretch the box to it.
void AddResultText(DrawSurface& dc, GroupElement& group, Point pen, Extent& extent) {
    FixedTextElement& result = group.resultText();
    if (result.text().empty()) {
        return;
    }
    result.Draw(dc, pen);
    extent(result);
}

void StoreBox(GroupElement& group, const Extent& extent, Point pen) {
    if (extent.empty) {
        group.boxFirst = pen;
        group.boxSecond = pen;
    } else {
        group.boxFirst = Point{extent.left, extent.top};
        group.boxSecond = Point{extent.right, extent.bottom};
    }
    group.boxValid = 1;
}

} // namespace

void ComputeBox(DrawSurface& dc, GroupElement& group, Point pen) {
    DrawSurface::LayoutOnly layoutOnly(dc);
    const Point at = pen;
    group.Draw(dc, pen);
    Extent extent;
    VisitPlacedSubtree(group, extent);
    AddResultText(dc, group, pen, extent);
    StoreBox(group, extent, at);
}

// The contents are laid out from the pen on their own (not through the group's enclosure, which
// may itself ask for this box). The placeholder heading them is left out unless it is all there
// is.
void ComputeContentsBox(DrawSurface& dc, GroupElement& group, Point pen) {
    DrawSurface::LayoutOnly layoutOnly(dc);
    const Point at = pen;
    EquationElement* head = group.FirstChild();
    DrawFrom(dc, head, pen);
    Extent extent;
    if (head != nullptr) {
        if (head->next() != nullptr) {
            VisitPlacedChain(head->next(), extent);
        } else {
            VisitPlacedSubtree(*head, extent);
        }
    }
    AddResultText(dc, group, pen, extent);
    StoreBox(group, extent, at);
}

} // namespace zx::equation
