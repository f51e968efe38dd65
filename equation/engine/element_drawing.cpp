// What the layout rules share: the base element's drawing operations, the parts each kind's Draw
// reaches, translation of laid-out geometry, and the generic Measure. The per-kind rules live in
// char_layout.cpp, structure_layout.cpp, text_layout.cpp and group_layout.cpp.
#include <algorithm>

#include "char_element.h"
#include "enclosure.h"
#include "group_element.h"
#include "layout_support.h"

namespace zx::equation {

// Only kinds without a rule of their own reach this: they take no room.
void EquationElement::Draw(DrawSurface& dc, Point& pen) {
    start = pen;
    height = dc.TextHeight();
    end = pen;
    DrawFrom(dc, next(), pen);
}

void EquationElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

// Superscript raised by a third of the element's height, subscript lowered by a quarter, both one
// size level smaller; each anchor ends at the right end of its group.
void EquationElement::DrawAttachments(DrawSurface& dc) {
    dc.PushLevel();
    if (EquationElement* u = upper()) {
        upperAnchor.y -= height / 3;
        u->Draw(dc, upperAnchor);
    }
    if (EquationElement* l = lower()) {
        lowerAnchor.y += height / 4;
        l->Draw(dc, lowerAnchor);
    }
    dc.PopLevel();
}

PlacedParts PlacedPartsOf(EquationElement& e) {
    PlacedParts parts;
    switch (e.kind) {
    case kCharKind:
    case kHoleKind:
    case kSymbolKind:
    case kArgumentNameKind:
        parts.accent = e.accent;
        parts.upper = e.upper();
        parts.lower = e.lower();
        if (e.kind == kArgumentNameKind) {
            auto& args = static_cast<ArgumentNameElement&>(e).arguments();
            if (!args.IsEmpty()) {
                parts.arguments = &args;
            }
        }
        break;
    case kGroupKind: {
        auto& group = static_cast<GroupElement&>(e);
        parts.contents = group.FirstChild();
        const char code = group.enclosureCode();
        if (code == '(' || code == '[') {
            parts.upper = e.upper();
            parts.lower = e.lower();
        }
        break;
    }
    case kDeltaKind:
    case kFractionKind:
    case kDigitKind:
    case kFunctionKind:
        parts.upper = e.upper();
        parts.lower = e.lower();
        break;
    default:
        break;
    }
    return parts;
}

namespace {

struct Shift {
    double dx;
    double dy;
    void Move(Point& p) const {
        p.x += dx;
        p.y += dy;
    }
    void operator()(EquationElement& e) const {
        Move(e.start);
        Move(e.end);
        Move(e.upperAnchor);
        Move(e.lowerAnchor);
        switch (e.kind) {
        case kCharKind:
        case kHoleKind:
        case kSymbolKind:
        case kArgumentNameKind:
            Move(static_cast<CharElement&>(e).afterAttachments);
            break;
        default:
            break;
        }
    }
};

struct Grow {
    double& height;
    Point& maxCorner;
    Point& minCorner;
    void operator()(EquationElement& e) const { GrowCorners(e, height, maxCorner, minCorner); }
};

} // namespace

void ShiftPlacedSubtree(EquationElement& e, double dx, double dy) {
    Shift shift{dx, dy};
    VisitPlacedSubtree(e, shift);
}

void ShiftPlacedChain(EquationElement* e, double dx, double dy) {
    Shift shift{dx, dy};
    VisitPlacedChain(e, shift);
}

void GrowCorners(const EquationElement& e, double& height, Point& maxCorner, Point& minCorner) {
    minCorner.x = std::min(minCorner.x, e.start.x);
    minCorner.y = std::min(minCorner.y, e.start.y - e.height);
    maxCorner.x = std::max(maxCorner.x, e.end.x);
    maxCorner.y = std::max(maxCorner.y, e.end.y);
    height = std::max(height, static_cast<double>(e.height));
}

void MeasurePlaced(EquationElement& e, double& height, Point& maxCorner, Point& minCorner,
                   Point& pen) {
    Grow grow{height, maxCorner, minCorner};
    VisitPlacedChain(&e, grow);
    for (EquationElement* c = &e; c != nullptr && c->kind != kPaneToggleKind; c = c->next()) {
        pen = c->EndPoint();
    }
}

} // namespace zx::equation
