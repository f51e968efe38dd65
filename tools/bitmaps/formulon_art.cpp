// The equation kind's art: the four variable-pane buttons ("UNCH" keeps a variable unchanged,
// "IVAR" makes it independent), each with a raised and a pressed look, and the cast window
// thumbnail, a small typeset equation.
#include <string_view>

#include "art.h"

namespace bitmaps {
namespace {

constexpr Rgb kFace{0xC0, 0xC0, 0xC0};
constexpr Rgb kPressedFace{0xB0, 0xB0, 0xB0};
constexpr Rgb kLight{0xFF, 0xFF, 0xFF};
constexpr Rgb kShadow{0x80, 0x80, 0x80};
constexpr Rgb kBlack{0x00, 0x00, 0x00};
constexpr Rgb kUnchangedInk{0x00, 0x00, 0x00};
constexpr Rgb kIndependentInk{0x00, 0x00, 0xA0};

constexpr int kButtonWidth = 30;
constexpr int kButtonHeight = 14;

// A push button: raised (light top-left, dark bottom-right edges) or pressed (the edges
// swapped, a darker face and the label one pixel down and right).
Canvas button(std::string_view text, Rgb ink, bool pressed) {
    Canvas canvas(kButtonWidth, kButtonHeight, pressed ? kPressedFace : kFace);
    const int right = kButtonWidth - 1;
    const int bottom = kButtonHeight - 1;
    const Rgb outerLit = pressed ? kBlack : kLight;
    const Rgb innerLit = pressed ? kShadow : kFace;
    const Rgb outerDark = pressed ? kLight : kBlack;
    const Rgb innerDark = pressed ? kFace : kShadow;
    canvas.fill(0, 0, right, 1, outerLit);
    canvas.fill(0, 0, 1, bottom, outerLit);
    canvas.fill(1, 1, right - 1, 2, innerLit);
    canvas.fill(1, 1, 2, bottom - 1, innerLit);
    canvas.fill(0, bottom, right + 1, bottom + 1, outerDark);
    canvas.fill(right, 0, right + 1, bottom + 1, outerDark);
    canvas.fill(1, bottom - 1, right, bottom, innerDark);
    canvas.fill(right - 1, 1, right, bottom, innerDark);

    const int textWidth = largeFont().textWidth(text);
    const int shift = pressed ? 1 : 0;
    canvas.text((kButtonWidth - textWidth) / 2 + shift, (kButtonHeight - 7) / 2 + shift, text,
                largeFont(), ink);
    return canvas;
}

} // namespace

Canvas formulonUnchangedUp() {
    return button("UNCH", kUnchangedInk, false);
}

Canvas formulonUnchangedDown() {
    return button("UNCH", kUnchangedInk, true);
}

Canvas formulonIndependentUp() {
    return button("IVAR", kIndependentInk, false);
}

Canvas formulonIndependentDown() {
    return button("IVAR", kIndependentInk, true);
}

// "y = x" with a raised "2" on white paper.
Canvas formulonThumbnail() {
    constexpr Rgb kPaper{0xFF, 0xFF, 0xFF};
    constexpr Rgb kFrame{0x80, 0x80, 0x80};
    Canvas canvas(48, 32, Rgb{0xC0, 0xC0, 0xC0});
    canvas.fill(2, 3, 46, 29, kPaper);
    canvas.frame(2, 3, 46, 29, kFrame);

    // Letters at scale 2: the small letters fill glyph rows 2 to 6, so they stand on the
    // baseline at y 24 with the tail of the y below it; the exponent sits at their top.
    const int top = 10;
    canvas.glyph(4, top, U'y', largeFont(), 2, kBlack);
    canvas.glyph(15, top, U'=', largeFont(), 2, kBlack);
    canvas.glyph(27, top, U'x', largeFont(), 2, kBlack);
    canvas.digit(38, top - 4, 2, 1, kBlack, 0, 32);
    return canvas;
}

} // namespace bitmaps
