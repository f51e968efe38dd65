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

// The letters and signs the art needs, 5 x 7 pixels, one byte per row, bit 4 the leftmost.
struct Glyph {
    char c;
    uint8_t rows[7];
};
constexpr Glyph kGlyphs[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'x', {0x00, 0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11}},
    {'y', {0x00, 0x00, 0x11, 0x11, 0x0F, 0x01, 0x0E}},
    {'=', {0x00, 0x00, 0x1F, 0x00, 0x1F, 0x00, 0x00}},
};

const Glyph* findGlyph(char c) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.c == c) {
            return &glyph;
        }
    }
    return nullptr;
}

void letter(Canvas& canvas, int x, int y, char c, int scale, Rgb colour) {
    const Glyph* glyph = findGlyph(c);
    if (glyph == nullptr) {
        return;
    }
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if ((glyph->rows[row] & (0x10 >> column)) != 0) {
                canvas.fill(x + column * scale, y + row * scale, x + (column + 1) * scale,
                            y + (row + 1) * scale, colour);
            }
        }
    }
}

// Letters of 5 pixels with one pixel between them.
void label(Canvas& canvas, int x, int y, std::string_view text, Rgb colour) {
    for (char c : text) {
        letter(canvas, x, y, c, 1, colour);
        x += 6;
    }
}

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

    const int textWidth = static_cast<int>(text.size()) * 6 - 1;
    const int shift = pressed ? 1 : 0;
    label(canvas, (kButtonWidth - textWidth) / 2 + shift, (kButtonHeight - 7) / 2 + shift, text,
          ink);
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
    letter(canvas, 4, top, 'y', 2, kBlack);
    letter(canvas, 15, top, '=', 2, kBlack);
    letter(canvas, 27, top, 'x', 2, kBlack);
    canvas.digit(38, top - 4, 2, 1, kBlack, 0, 32);
    return canvas;
}

} // namespace bitmaps
