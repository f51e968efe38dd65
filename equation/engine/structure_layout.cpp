// Layout of the structural kinds: the placeholder (with the box that marks an empty group), the
// delta sign, digits, function names and fractions.
#include <algorithm>

#include "function_element.h"
#include "group_element.h"
#include "layout.h"
#include "layout_support.h"
#include "structure_elements.h"

namespace zx::equation {

namespace {

// Draws the upper and lower groups of e one level smaller, each from its own anchor, which ends
// at the right end of the group.
void DrawAttachedAt(EquationElement& e, DrawSurface& dc, Point upperAt, Point lowerAt) {
    e.upperAnchor = upperAt;
    e.lowerAnchor = lowerAt;
    dc.PushLevel();
    if (EquationElement* u = e.upper()) {
        u->Draw(dc, e.upperAnchor);
    }
    if (EquationElement* l = e.lower()) {
        l->Draw(dc, e.lowerAnchor);
    }
    dc.PopLevel();
}

} // namespace

// An empty group shows a dotted red box a quarter of the height wide and the height tall,
// standing on the baseline; a placeholder with something after it shows nothing.
void PlaceholderElement::Draw(DrawSurface& dc, Point& pen) {
    const int h = dc.TextHeight();
    start = pen;
    height = h;
    if (next() == nullptr && dc.Painting()) {
        const int x = DeviceUnits(pen.x);
        const int y = DeviceUnits(pen.y);
        dc.device().PushPen(PenKind::PlaceholderBox);
        dc.Line(x, y, x + h / 4, y);
        dc.Line(x + h / 4, y, x + h / 4, y - h);
        dc.Line(x + h / 4, y - h, x, y - h);
        dc.Line(x, y - h, x, y);
        dc.device().PopPen();
    }
    pen.x += h / 8;
    end = pen;
    DrawFrom(dc, next(), pen);
}

void PlaceholderElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

// The capital delta of the Symbol font; its attachments do not widen it.
void DeltaElement::Draw(DrawSurface& dc, Point& pen) {
    const int h = dc.TextHeight();
    start = pen;
    dc.SelectSymbolFont();
    TextAt(dc, pen, "D");
    const int cw = dc.CharWidth('D');
    dc.SelectTextFont();
    height = h;
    if (attachments != nullptr) {
        DrawAttachedAt(*this, dc, Point{pen.x + h / 2, pen.y - h / 2},
                       Point{pen.x + h / 2, pen.y + h / 2});
    }
    pen.x += cw;
    end = pen;
    DrawFrom(dc, next(), pen);
}

void DeltaElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

// Digits of one number stand tight; the last digit of a number is followed by three quarters of
// the height.
void DigitElement::Draw(DrawSurface& dc, Point& pen) {
    const int h = dc.TextHeight();
    start = pen;
    TextAt(dc, pen, std::string_view(&tag, 1));
    height = h;
    const bool attached = attachments != nullptr;
    if (attached) {
        DrawAttachedAt(*this, dc, Point{pen.x + h / 2, pen.y - h / 2},
                       Point{pen.x + h / 2, pen.y + h / 2});
    }
    const EquationElement* right = next();
    if (right != nullptr && right->kind == kDigitKind) {
        pen.x += dc.CharWidth(tag);
    } else {
        pen.x += (h * 3) / 4;
    }
    if (attached) {
        if (lower() != nullptr) {
            pen.x = std::max(pen.x, lowerAnchor.x);
        }
        if (upper() != nullptr) {
            pen.x = std::max(pen.x, upperAnchor.x);
        }
    }
    end = pen;
    DrawFrom(dc, next(), pen);
}

void DigitElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

// A function name carries no accent: one that the text form gave it is dropped here.
void FunctionElement::Draw(DrawSurface& dc, Point& pen) {
    const int h = dc.TextHeight();
    start = pen;
    SetAccent(nullptr);
    TextAt(dc, pen, name());
    const int width = dc.TextWidth(name());
    height = h;
    pen.x += width + h / 8;
    lowerAnchor = pen;
    upperAnchor = pen;
    if (attachments != nullptr) {
        DrawAttachments(dc);
    }
    pen.x = std::max({pen.x, lowerAnchor.x, upperAnchor.x});
    end = pen;
    DrawFrom(dc, next(), pen);
}

void FunctionElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

namespace {

// The box of one part of a fraction, relative to the part's own baseline start. A layout pass
// measures it afresh (laying the part out at (0, 0)); painting uses the cached box, measuring
// only when no valid box is cached.
struct PartBox {
    GroupElement* group = nullptr;
    Point first;
    Point second;
    double Width() const { return second.x - first.x; }
};

PartBox MeasurePart(DrawSurface& dc, EquationElement* part) {
    PartBox box;
    if (part == nullptr || !part->IsGroup()) {
        return box;
    }
    box.group = static_cast<GroupElement*>(part);
    if (!dc.Painting() || box.group->boxValid == 0) {
        ComputeBox(dc, *box.group, Point{0.0, 0.0});
    }
    box.first = box.group->boxFirst;
    box.second = box.group->boxSecond;
    return box;
}

// Puts a part at pen: a layout pass moves the geometry it just laid out at (0, 0); painting
// draws it there.
void PlacePart(DrawSurface& dc, GroupElement& group, Point pen) {
    if (dc.Painting()) {
        group.Draw(dc, pen);
    } else {
        ShiftPlacedSubtree(group, pen.x, pen.y);
    }
}

} // namespace

// The bar is as long as the wider part, and never shorter than the height; each part is centred
// over it. The numerator's lowest point sits on the bar; the denominator's highest point never
// rises above it.
void FractionElement::Draw(DrawSurface& dc, Point& pen) {
    const int h = dc.TextHeight();
    start = pen;
    height = h;
    const PartBox numerator = MeasurePart(dc, upper());
    const PartBox denominator = MeasurePart(dc, lower());
    int bar = DeviceUnits(std::max(numerator.Width(), denominator.Width()));
    bar = std::max(bar, h);
    if (numerator.group != nullptr) {
        Point at{pen.x + (bar - numerator.Width()) * 0.5 + h / 4, pen.y - h / 2};
        if (numerator.second.y > 0) {
            at.y -= numerator.second.y;
        }
        PlacePart(dc, *numerator.group, at);
    }
    if (denominator.group != nullptr) {
        Point at{pen.x + (bar - denominator.Width()) * 0.5 + h / 4, pen.y + h / 2};
        if (h + denominator.first.y < 0) {
            at.y -= h + denominator.first.y;
        }
        PlacePart(dc, *denominator.group, at);
    }
    const int x = DeviceUnits(pen.x);
    const int y = DeviceUnits(pen.y - h / 2);
    dc.Line(x, y, x + bar, y);
    pen.x += bar + h / 4;
    end = pen;
    DrawFrom(dc, next(), pen);
}

void FractionElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

} // namespace zx::equation
