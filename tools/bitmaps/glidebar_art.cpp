// The slider's art: arrow buttons, the bar and the thumb, each with its normal and pressed
// look, horizontal and vertical, and the cast window thumbnail. Every part is as thick as the
// bar (16 pixels), so the slider centres them on one line; the bar is the same along its
// whole length, so it looks the same at any length between the arrows. The vertical parts are
// the horizontal ones mirrored about the diagonal: the left arrow becomes the up arrow, the
// right arrow the down arrow, and the light still falls from the top left.
#include "art.h"

namespace bitmaps {
namespace {

constexpr int kThickness = 16;
constexpr int kBarLength = 168; // between the arrows of the default 200-pixel slider
constexpr int kThumbLength = 11;

constexpr Rgb kOutline{0x3C, 0x40, 0x48};
constexpr Rgb kFace{0xCC, 0xD0, 0xD6};
constexpr Rgb kLit{0xF4, 0xF6, 0xF8};
constexpr Rgb kShade{0x8A, 0x90, 0x99};
constexpr Rgb kPressedFace{0xAC, 0xB2, 0xBA};
constexpr Rgb kPressedShade{0x78, 0x7E, 0x88};
constexpr Rgb kArrow{0x26, 0x2A, 0x31};

constexpr Rgb kTrough{0xDE, 0xE2, 0xE7};
constexpr Rgb kTroughShade{0xA4, 0xAA, 0xB3};
constexpr Rgb kGroove{0x70, 0x78, 0x84};
constexpr Rgb kGrooveLit{0xF6, 0xF7, 0xF9};

constexpr Rgb kThumbFace{0x4F, 0x86, 0xD2};
constexpr Rgb kThumbLit{0x92, 0xBA, 0xEE};
constexpr Rgb kThumbShade{0x2A, 0x52, 0x92};
constexpr Rgb kThumbPressedFace{0x3A, 0x6C, 0xB6};
constexpr Rgb kThumbPressedShade{0x22, 0x44, 0x7C};
constexpr Rgb kThumbGrip{0x1E, 0x3C, 0x6E};
constexpr Rgb kThumbGripLit{0xA8, 0xC8, 0xF2};

// The colours of a raised part.
struct Cap {
    Rgb face;
    Rgb lit;
    Rgb shade;
    Rgb pressedFace;
    Rgb pressedShade;
};

constexpr Cap kButtonCap{kFace, kLit, kShade, kPressedFace, kPressedShade};
constexpr Cap kThumbCap{kThumbFace, kThumbLit, kThumbShade, kThumbPressedFace, kThumbPressedShade};

// A raised cap in [left, right) x [top, bottom): a dark outline, a lit top and left edge and a
// shaded bottom and right edge; pressed, the face darkens and a shadow runs along the top and
// left instead.
void cap(Canvas& canvas, int left, int top, int right, int bottom, const Cap& colours,
         bool pressed) {
    canvas.fill(left, top, right, bottom, kOutline);
    if (pressed) {
        canvas.fill(left + 1, top + 1, right - 1, bottom - 1, colours.pressedFace);
        canvas.fill(left + 1, top + 1, right - 1, top + 2, colours.pressedShade);
        canvas.fill(left + 1, top + 1, left + 2, bottom - 1, colours.pressedShade);
    } else {
        canvas.fill(left + 1, top + 1, right - 1, bottom - 1, colours.face);
        canvas.bevel(left + 1, top + 1, right - 1, bottom - 1, colours.lit, colours.shade);
    }
}

// An arrow button; the triangle points left or right and moves one pixel down and right when
// the button is pressed.
void arrowButton(Canvas& canvas, int left, int top, int right, int bottom, bool pointsRight,
                 bool pressed) {
    cap(canvas, left, top, right, bottom, kButtonCap, pressed);
    const int half = (bottom - top - 2) / 3; // half the triangle's height
    const int shift = pressed ? 1 : 0;
    const int centreY = top + (bottom - top - 1) / 2 + shift;
    const int base = left + (right - left - half - 1) / 2 + shift; // leftmost column
    for (int row = -half; row <= half; ++row) {
        const int depth = half - (row < 0 ? -row : row); // columns beyond the base column
        if (pointsRight) {
            canvas.fill(base, centreY + row, base + depth + 1, centreY + row + 1, kArrow);
        } else {
            canvas.fill(base + half - depth, centreY + row, base + half + 1, centreY + row + 1,
                        kArrow);
        }
    }
}

// The bar: a trough with a groove along its middle.
void bar(Canvas& canvas, int left, int top, int right, int bottom) {
    canvas.fill(left, top, right, bottom, kOutline);
    canvas.fill(left, top + 1, right, bottom - 1, kTrough);
    canvas.fill(left, top + 1, right, top + 2, kTroughShade);
    const int middle = top + (bottom - top) / 2;
    canvas.fill(left, middle - 1, right, middle, kGroove);
    canvas.fill(left, middle, right, middle + 1, kGrooveLit);
}

// The thumb: a blue cap with three ridges across the slider axis to grip.
void thumb(Canvas& canvas, int left, int top, int right, int bottom, bool pressed) {
    cap(canvas, left, top, right, bottom, kThumbCap, pressed);
    const int shift = pressed ? 1 : 0;
    const int centre = left + (right - left) / 2 + shift;
    const int ridgeTop = top + (bottom - top) / 4 + shift;
    const int ridgeBottom = bottom - (bottom - top) / 4 + shift;
    // Each ridge is a groove with its lit lip right of it; the grooves sit symmetrically
    // about the middle.
    for (int x = centre - 2; x <= centre + 2; x += 2) {
        canvas.fill(x, ridgeTop, x + 1, ridgeBottom - 1, kThumbGrip);
        canvas.fill(x + 1, ridgeTop + 1, x + 2, ridgeBottom, kThumbGripLit);
    }
}

Canvas leftArrow(bool pressed) {
    Canvas canvas(kThickness, kThickness, kOutline);
    arrowButton(canvas, 0, 0, kThickness, kThickness, false, pressed);
    return canvas;
}

// The slider clips its last column (and row), where the right (and down) arrow ends, so the
// button is drawn one pixel narrower with the outline doubled on the far side: what shows is
// a whole button.
Canvas rightArrow(bool pressed) {
    Canvas canvas(kThickness, kThickness, kOutline);
    arrowButton(canvas, 0, 0, kThickness - 1, kThickness, true, pressed);
    return canvas;
}

Canvas horizontalBar() {
    Canvas canvas(kBarLength, kThickness, kOutline);
    bar(canvas, 0, 0, kBarLength, kThickness);
    return canvas;
}

Canvas horizontalThumb(bool pressed) {
    Canvas canvas(kThumbLength, kThickness, kOutline);
    thumb(canvas, 0, 0, kThumbLength, kThickness, pressed);
    return canvas;
}

} // namespace

Canvas glidebarLeftArrowUp() {
    return leftArrow(false);
}

Canvas glidebarLeftArrowDown() {
    return leftArrow(true);
}

Canvas glidebarRightArrowUp() {
    return rightArrow(false);
}

Canvas glidebarRightArrowDown() {
    return rightArrow(true);
}

Canvas glidebarBar() {
    return horizontalBar();
}

Canvas glidebarThumbUp() {
    return horizontalThumb(false);
}

Canvas glidebarThumbDown() {
    return horizontalThumb(true);
}

Canvas glidebarDownArrowUp() {
    return rightArrow(false).transposed();
}

Canvas glidebarDownArrowDown() {
    return rightArrow(true).transposed();
}

Canvas glidebarUpArrowUp() {
    return leftArrow(false).transposed();
}

Canvas glidebarUpArrowDown() {
    return leftArrow(true).transposed();
}

Canvas glidebarVerticalBar() {
    return horizontalBar().transposed();
}

Canvas glidebarVerticalThumbUp() {
    return horizontalThumb(false).transposed();
}

Canvas glidebarVerticalThumbDown() {
    return horizontalThumb(true).transposed();
}

// A small horizontal slider on the cast window's grey, its thumb a third of the way along.
Canvas glidebarThumbnail() {
    Canvas canvas(48, 32, Rgb{0xC0, 0xC0, 0xC0});
    const int top = 10;
    const int bottom = 22;
    arrowButton(canvas, 2, top, 12, bottom, false, false);
    arrowButton(canvas, 36, top, 46, bottom, true, false);
    bar(canvas, 12, top, 36, bottom);
    thumb(canvas, 17, top, 26, bottom, false);
    return canvas;
}

} // namespace bitmaps
