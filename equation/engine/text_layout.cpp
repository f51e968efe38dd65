// Layout of text runs (result texts, labels, unit texts) and of the variable-pane elements.
#include "button_registry.h"
#include "layout_support.h"
#include "pane_elements.h"
#include "text_element.h"

namespace zx::equation {

namespace {

void DrawTextRun(TextElement& e, DrawSurface& dc, Point& pen) {
    const int h = dc.TextHeight();
    e.start = pen;
    TextAt(dc, pen, e.text());
    e.height = h;
    pen.x += dc.TextWidth(e.text()) + h / 4;
    e.end = pen;
    DrawFrom(dc, e.next(), pen);
}

} // namespace

void TextElement::Draw(DrawSurface& dc, Point& pen) {
    DrawTextRun(*this, dc, pen);
}

void TextElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

void UnitTextElement::Draw(DrawSurface& dc, Point& pen) {
    DrawTextRun(*this, dc, pen);
}

// The button's picture is painted by the sprite after the pane is copied: painting registers
// where it goes (picture index and start point). The picture stands on the baseline, so the
// height is the negative of the picture's height; three units separate it from what follows.
void VariableButtonElement::Draw(DrawSurface& dc, Point& pen) {
    start = pen;
    // The sprite publishes the picture sizes when it loads them, possibly after this element was
    // made; a size not published yet keeps the one the element has.
    const ButtonSize published = ButtonBitmapSize(variableIndex);
    if (published.width != 0 || published.height != 0) {
        bitmapSize = published;
    }
    if (dc.Painting()) {
        Buttons().Register(variableIndex - 1, DeviceUnits(pen.x), DeviceUnits(pen.y));
    }
    height = -bitmapSize.height;
    pen.x += bitmapSize.width + 3;
    end = pen;
    DrawFrom(dc, next(), pen);
}

void VariableButtonElement::Measure(double& h, Point& maxCorner, Point& minCorner, Point& pen) {
    MeasurePlaced(*this, h, maxCorner, minCorner, pen);
}

// Draws nothing, leaves the pen, and does not draw the rest of its chain.
void PaneToggleElement::Draw(DrawSurface&, Point&) {}

// Takes no room, and ends what is measured of its chain as it ends what is drawn.
void PaneToggleElement::Measure(double&, Point&, Point&, Point&) {}

} // namespace zx::equation
