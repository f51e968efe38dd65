// Helpers shared by the per-kind layout rules: device-coordinate conversion, the walk over what
// a Draw reaches, translating laid-out geometry, and the generic Measure.
#pragma once

#include <algorithm>
#include <climits>
#include <string_view>

#include "draw_surface.h"
#include "element.h"

namespace zx::equation {

// Device coordinates truncate toward zero. Values beyond the int range (a runaway layout) are
// clamped rather than converted, which would be undefined.
inline int DeviceUnits(double v) {
    if (!(v > static_cast<double>(INT_MIN))) {
        return INT_MIN;
    }
    if (v >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(v);
}

// Paints text at a pen position (nothing while the paint flag is cleared).
inline void TextAt(DrawSurface& dc, Point p, std::string_view text) {
    dc.Text(DeviceUnits(p.x), DeviceUnits(p.y), text);
}

// Draws e and the rest of its chain from pen; nothing when e is null.
inline void DrawFrom(DrawSurface& dc, EquationElement* e, Point& pen) {
    if (e != nullptr) {
        e->Draw(dc, pen);
    }
}

// Calls visit on e and on everything a Draw of e places (its accent, the groups and chains it
// draws), but not on e's right neighbours. A pane toggle places nothing and is not visited.
template <class Visit>
void VisitPlacedSubtree(EquationElement& e, Visit& visit);

// The same for e and the rest of its chain, up to a pane toggle, which ends a drawn chain.
template <class Visit>
void VisitPlacedChain(EquationElement* e, Visit& visit) {
    for (; e != nullptr && e->kind != kPaneToggleKind; e = e->next()) {
        VisitPlacedSubtree(*e, visit);
    }
}

// Which parts of an element its Draw reaches (beyond the element itself and its chain).
struct PlacedParts {
    EquationElement* accent = nullptr;
    EquationElement* contents = nullptr;
    EquationElement* upper = nullptr;
    EquationElement* lower = nullptr;
    EquationElement* arguments = nullptr;
};
PlacedParts PlacedPartsOf(EquationElement& e);

template <class Visit>
void VisitPlacedSubtree(EquationElement& e, Visit& visit) {
    if (e.kind == kPaneToggleKind) {
        return;
    }
    visit(e);
    const PlacedParts parts = PlacedPartsOf(e);
    VisitPlacedChain(parts.accent, visit);
    VisitPlacedChain(parts.contents, visit);
    VisitPlacedChain(parts.upper, visit);
    VisitPlacedChain(parts.lower, visit);
    VisitPlacedChain(parts.arguments, visit);
}

// Moves the stored geometry of e's subtree (not its right neighbours) by (dx, dy): the result is
// what drawing it again from a pen moved by the same amount would store. Layout is translation
// invariant, so a part laid out once at (0, 0) to measure its box need not be laid out again;
// drawing it twice at every nesting level would cost time exponential in the nesting depth.
// Cached boxes are relative to their own group's baseline start and are left alone.
void ShiftPlacedSubtree(EquationElement& e, double dx, double dy);
void ShiftPlacedChain(EquationElement* e, double dx, double dy);

// Grows the corners by the stored geometry of e alone.
void GrowCorners(const EquationElement& e, double& height, Point& maxCorner, Point& minCorner);
// The generic Measure: e, the parts its Draw reaches, then the rest of its chain; pen ends at
// the end point of the last element measured.
void MeasurePlaced(EquationElement& e, double& height, Point& maxCorner, Point& minCorner,
                   Point& pen);

} // namespace zx::equation
