// Layout of the character family: letters, operators, holes, Symbol-font characters and a
// dependent variable's name with its argument list.
#include <algorithm>
#include <string>

#include "char_element.h"
#include "group_element.h"
#include "layout_support.h"

namespace zx::equation {

namespace {

// An operator right after the head of its chain (a leading sign) or after another operator is
// set a little wider than its glyph; any other character gets a quarter of the height after it.
double Advance(const CharElement& e, int cw, int h) {
    const EquationElement* left = e.prev();
    if (IsOperatorTag(e.tag) && left != nullptr &&
        (left->IsPlaceholder() || IsOperatorTag(left->tag))) {
        return (cw * 6) / 4;
    }
    return cw + h / 4;
}

// Steps shared by the family up to the glyph: height, accent, start and the glyph itself.
int PlaceGlyph(CharElement& e, DrawSurface& dc, Point pen) {
    const int h = dc.TextHeight();
    e.height = h;
    if (e.accent != nullptr) {
        dc.PushLevel();
        Point at{pen.x, pen.y - (5 * h) / 8};
        e.accent->Draw(dc, at);
        dc.PopLevel();
    }
    e.start = pen;
    const std::string glyph(1, e.tag);
    if (e.kind == kSymbolKind) {
        dc.SelectSymbolFont();
        TextAt(dc, pen, glyph);
        dc.SelectTextFont();
    } else {
        TextAt(dc, pen, glyph);
    }
    return h;
}

} // namespace

void CharElement::Draw(DrawSurface& dc, Point& pen) {
    const int h = PlaceGlyph(*this, dc, pen);
    upperAnchor = Point{pen.x + h / 2, pen.y};
    lowerAnchor = upperAnchor;
    if (attachments != nullptr) {
        DrawAttachments(dc);
    }
    pen.x += Advance(*this, dc.CharWidth(tag), h);
    end = pen;
    pen.x = std::max({pen.x, lowerAnchor.x, upperAnchor.x});
    afterAttachments = pen;
    DrawFrom(dc, next(), pen);
}

void CharElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

// The attachment points of an argument name are its own: the upper group a quarter of the
// height below the baseline, the lower group half the height above it, both from the glyph's
// start. The argument list follows the glyph and its attachments.
void ArgumentNameElement::Draw(DrawSurface& dc, Point& pen) {
    const int h = PlaceGlyph(*this, dc, pen);
    upperAnchor = Point{pen.x + h / 2, pen.y + h / 4};
    lowerAnchor = Point{pen.x + h / 2, pen.y - h / 2};
    if (attachments != nullptr) {
        dc.PushLevel();
        if (EquationElement* u = upper()) {
            u->Draw(dc, upperAnchor);
        }
        if (EquationElement* l = lower()) {
            l->Draw(dc, lowerAnchor);
        }
        dc.PopLevel();
    }
    pen.x += Advance(*this, dc.CharWidth(tag), h);
    pen.x = std::max({pen.x, lowerAnchor.x, upperAnchor.x});
    if (!arguments().IsEmpty()) {
        arguments().Draw(dc, pen);
    }
    end = pen;
    afterAttachments = pen;
    DrawFrom(dc, next(), pen);
}

} // namespace zx::equation
