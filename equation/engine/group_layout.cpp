// Layout of groups through their enclosures: plain contents, parentheses, blue square brackets,
// the braces of an open variable pane, and the square root with its radical.
#include <algorithm>

#include "enclosure.h"
#include "group_element.h"
#include "layout.h"
#include "layout_support.h"

namespace zx::equation {

void GroupElement::Draw(DrawSurface& dc, Point& pen) {
    height = dc.TextHeight();
    enclosure().Draw(dc, *this, pen);
    DrawFrom(dc, next(), pen);
}

void GroupElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    enclosure().Measure(*this, h, maxCorner, minCorner, pen);
}

void Enclosure::Measure(GroupElement& group, double& h, Point& maxCorner, Point& minCorner,
                        Point& pen) {
    MeasurePlaced(group, h, maxCorner, minCorner, pen);
}

namespace {

// The contents only, from the pen; a plain group does not draw its own attachments.
void DrawPlain(DrawSurface& dc, GroupElement& group, Point& pen) {
    group.start = pen;
    DrawFrom(dc, group.FirstChild(), pen);
    group.end = pen;
}

// Single glyphs of the current font around the contents, half the height each; attachments (when
// wanted) after the closing glyph, one level smaller.
void DrawBracketed(DrawSurface& dc, GroupElement& group, Point& pen, const char* open,
                   const char* close, bool withAttachments) {
    const int h = group.height;
    group.start = pen;
    TextAt(dc, pen, open);
    pen.x += (h * 2) / 4;
    DrawFrom(dc, group.FirstChild(), pen);
    TextAt(dc, pen, close);
    pen.x += (h * 2) / 4;
    if (withAttachments && group.attachments != nullptr) {
        group.upperAnchor = Point{pen.x, pen.y - h / 3};
        group.lowerAnchor = Point{pen.x, pen.y + h / 2};
        dc.PushLevel();
        if (EquationElement* u = group.upper()) {
            u->Draw(dc, group.upperAnchor);
            pen.x = std::max(pen.x, group.upperAnchor.x);
        }
        if (EquationElement* l = group.lower()) {
            l->Draw(dc, group.lowerAnchor);
            pen.x = std::max(pen.x, group.lowerAnchor.x);
        }
        dc.PopLevel();
    }
    group.end = pen;
}

// The radical: a bar over the contents, a stem down to the baseline of their lowest point and a
// short stroke up to the left. A layout pass measures the contents afresh at (0, 0); painting
// uses the cached box.
void DrawSquareRoot(DrawSurface& dc, GroupElement& group, Point& pen) {
    const int h = group.height;
    if (!dc.Painting() || group.boxValid == 0) {
        ComputeContentsBox(dc, group, Point{0.0, 0.0});
    }
    const double top = group.boxFirst.y;
    const double bottom = group.boxSecond.y;
    const double rise = std::max(bottom - top, static_cast<double>(h)) + h / 4;
    const double width = group.boxSecond.x - group.boxFirst.x + h / 4;
    const double initialX = pen.x;
    group.start = pen;
    group.height = static_cast<std::int32_t>(rise);

    const double radicalX = pen.x + h / 3 + h / 4;
    const Point contentsAt{radicalX + h / 4, pen.y};
    if (dc.Painting()) {
        Point at = contentsAt;
        DrawFrom(dc, group.FirstChild(), at);
    } else {
        ShiftPlacedChain(group.FirstChild(), contentsAt.x, contentsAt.y);
    }
    const int dx = DeviceUnits(radicalX);
    const int dy = DeviceUnits(pen.y + top - h / 4);
    const int stemBottom = DeviceUnits(dy + rise);
    dc.Line(dx, dy, DeviceUnits(dx + width), dy);
    dc.Line(dx, dy, dx, stemBottom);
    dc.Line(dx, stemBottom, dx - h / 4, DeviceUnits(dy + rise - rise / 3));

    group.start.y = pen.y + bottom + h / 4;
    pen.x = initialX + (3 * h) / 2 + width;
    group.end = pen;
    group.height = static_cast<std::int32_t>(h / 2 + rise);
}

} // namespace

void Enclosure::Draw(DrawSurface& dc, GroupElement& group, Point& pen) {
    switch (code()) {
    case '(':
        DrawBracketed(dc, group, pen, "(", ")", true);
        break;
    case '[':
        // Brackets and everything inside them are blue; the pen is made for this call only.
        if (dc.Painting()) {
            dc.device().PushPen(PenKind::Brackets);
            DrawBracketed(dc, group, pen, "[", "]", true);
            dc.device().PopPen();
        } else {
            DrawBracketed(dc, group, pen, "[", "]", true);
        }
        break;
    case '{': {
        const PaneEnclosure* pane = PaneOf(group);
        if (pane == nullptr || pane->open != 0) {
            DrawBracketed(dc, group, pen, "{", "}", false);
        } else {
            DrawPlain(dc, group, pen);
        }
        break;
    }
    case 's':
        DrawSquareRoot(dc, group, pen);
        break;
    default:
        DrawPlain(dc, group, pen);
        break;
    }
}

} // namespace zx::equation
