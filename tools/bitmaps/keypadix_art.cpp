// The calculator's art: the keypad with every key up, the same keypad with every key pressed,
// and the cast window thumbnail. The sprite draws the up picture and copies the area of the
// active key from the down picture over it, so each key lies wholly inside its key area and
// both pictures agree outside the keys. The keys sit exactly on the sprite's default key
// areas; the display window frames the area in which the sprite writes the number.
#include <string_view>

#include "art.h"

namespace bitmaps {
namespace {

// Pure white only outside the rounded corners: with the background-transparent ink and white
// as the transparent colour the corners vanish and nothing inside the calculator does.
constexpr Rgb kOutside{0xFF, 0xFF, 0xFF};
constexpr Rgb kOutline{0x16, 0x18, 0x1C};
constexpr Rgb kBody{0x3A, 0x3E, 0x46};
constexpr Rgb kBodyLit{0x5C, 0x62, 0x6C};
constexpr Rgb kBodyShade{0x2A, 0x2D, 0x33};
constexpr Rgb kBrand{0xB4, 0xB9, 0xC2};
constexpr Rgb kDisplay{0xC0, 0xC0, 0xC0}; // the grey with which the sprite clears the display
constexpr Rgb kDisplayFrame{0x12, 0x13, 0x16};
constexpr Rgb kCell{0x4C, 0x30, 0x3A};
constexpr Rgb kCellLit{0x66, 0x44, 0x50};
constexpr Rgb kCellGap{0x22, 0x1A, 0x1E};

constexpr int kWidth = 84;
constexpr int kHeight = 154;
constexpr int kKeySize = 16;

// The colours of one kind of key cap.
struct KeyStyle {
    Rgb face;
    Rgb lit;
    Rgb shade;
    Rgb pressed;
    Rgb legend;
};

constexpr Rgb kInk{0x1A, 0x1A, 0x1A};
constexpr Rgb kPaleInk{0xF8, 0xF8, 0xF8};
constexpr KeyStyle kNumberKey{
    {0xE4, 0xE2, 0xDC}, {0xF6, 0xF5, 0xF2}, {0xA4, 0xA2, 0x9C}, {0xC8, 0xC6, 0xC0}, kInk};
constexpr KeyStyle kOperatorKey{
    {0x6E, 0x7A, 0x8A}, {0x90, 0x9B, 0xAA}, {0x48, 0x51, 0x5E}, {0x5E, 0x69, 0x78}, kPaleInk};
constexpr KeyStyle kEqualsKey{
    {0xE8, 0x82, 0x2A}, {0xF6, 0xA8, 0x62}, {0xA4, 0x54, 0x14}, {0xCC, 0x6E, 0x1E}, kPaleInk};
constexpr KeyStyle kClearKey{
    {0xCC, 0x3E, 0x3E}, {0xE6, 0x72, 0x72}, {0x8E, 0x24, 0x24}, {0xB0, 0x30, 0x30}, kPaleInk};
constexpr KeyStyle kFinishKey{
    {0x3A, 0x96, 0x58}, {0x6A, 0xBE, 0x86}, {0x24, 0x66, 0x3A}, {0x30, 0x80, 0x4A}, kPaleInk};

// The twenty keys in key order (digits 0-9, point, the four operators, equals, change sign,
// clear, finish) at their default areas, 16 pixels high.
struct Key {
    int top;
    int left;
    int width;
    std::string_view legend;
    const KeyStyle* style;
};

constexpr Key kKeys[] = {
    {133, 4, kKeySize, "0", &kNumberKey},
    {113, 4, kKeySize, "1", &kNumberKey},
    {113, 24, kKeySize, "2", &kNumberKey},
    {113, 44, kKeySize, "3", &kNumberKey},
    {93, 4, kKeySize, "4", &kNumberKey},
    {93, 24, kKeySize, "5", &kNumberKey},
    {93, 44, kKeySize, "6", &kNumberKey},
    {73, 4, kKeySize, "7", &kNumberKey},
    {73, 24, kKeySize, "8", &kNumberKey},
    {73, 44, kKeySize, "9", &kNumberKey},
    {133, 24, kKeySize, ".", &kNumberKey},
    {53, 64, kKeySize, "\u00F7", &kOperatorKey},
    {73, 64, kKeySize, "\u00D7", &kOperatorKey},
    {93, 64, kKeySize, "\u2212", &kOperatorKey},
    {113, 64, kKeySize, "+", &kOperatorKey},
    {133, 64, kKeySize, "=", &kEqualsKey},
    {133, 44, kKeySize, "\u00B1", &kNumberKey},
    {53, 24, 36, "C", &kClearKey},
    {15, 4, 36, "DONE", &kFinishKey},
};

// The display area (left, top, right, bottom) in which the sprite writes the number.
constexpr int kDisplayLeft = 6;
constexpr int kDisplayTop = 36;
constexpr int kDisplayRight = 80;
constexpr int kDisplayBottom = 47;

// A key cap: a dark outline with its corners cut, a lit top and left edge and a deep shade
// below; pressed, the cap sinks: a shadow along the top and left, a darker face, the legend
// one pixel down and right.
void key(Canvas& canvas, const Key& k, bool pressed) {
    const KeyStyle& s = *k.style;
    const int left = k.left;
    const int top = k.top;
    const int right = left + k.width;
    const int bottom = top + kKeySize;
    canvas.fill(left + 1, top, right - 1, top + 1, kOutline);
    canvas.fill(left + 1, bottom - 1, right - 1, bottom, kOutline);
    canvas.fill(left, top + 1, left + 1, bottom - 1, kOutline);
    canvas.fill(right - 1, top + 1, right, bottom - 1, kOutline);
    if (pressed) {
        canvas.fill(left + 1, top + 1, right - 1, bottom - 1, s.pressed);
        canvas.fill(left + 1, top + 1, right - 1, top + 2, s.shade);
        canvas.fill(left + 1, top + 1, left + 2, bottom - 1, s.shade);
    } else {
        canvas.fill(left + 1, top + 1, right - 1, bottom - 1, s.face);
        canvas.fill(left + 1, bottom - 3, right - 1, bottom - 1, s.shade);
        canvas.fill(right - 2, top + 1, right - 1, bottom - 1, s.shade);
        canvas.fill(left + 1, top + 1, right - 2, top + 2, s.lit);
        canvas.fill(left + 1, top + 1, left + 2, bottom - 3, s.lit);
    }
    const Font& font = largeFont();
    const int shift = pressed ? 1 : 0;
    const int x = left + 1 + (k.width - 2 - font.textWidth(k.legend)) / 2 + shift;
    canvas.text(x, top + 4 + shift, k.legend, font, s.legend);
}

// The calculator's case: a rounded slab with a lit upper left rim, the maker's name, a solar
// cell beside the finish key and the sunken display window.
void body(Canvas& canvas) {
    // The last column and row lie outside the sprite's clip, so the case ends before them.
    const int right = kWidth - 1;
    const int bottom = kHeight - 1;
    canvas.fill(0, 0, right, bottom, kOutline);
    canvas.fill(1, 1, right - 1, bottom - 1, kBody);
    canvas.fill(1, 1, right - 1, 2, kBodyLit);
    canvas.fill(1, 1, 2, bottom - 1, kBodyLit);
    canvas.fill(2, bottom - 2, right - 1, bottom - 1, kBodyShade);
    canvas.fill(right - 2, 2, right - 1, bottom - 1, kBodyShade);
    // Rounded corners: two pixels cut along each edge, one more on the diagonal.
    const int corners[4][2] = {{0, 0}, {right - 1, 0}, {0, bottom - 1}, {right - 1, bottom - 1}};
    for (const auto& corner : corners) {
        const int dx = corner[0] == 0 ? 1 : -1;
        const int dy = corner[1] == 0 ? 1 : -1;
        canvas.set(corner[0], corner[1], kOutside);
        canvas.set(corner[0] + dx, corner[1], kOutside);
        canvas.set(corner[0], corner[1] + dy, kOutside);
        canvas.set(corner[0] + dx, corner[1] + dy, kOutline);
    }

    canvas.text(5, 5, "ZENTRIX", largeFont(), kBrand);

    // The solar cell: four panes beside the finish key, flush with the keys' right edge.
    const int cellLeft = 44;
    const int cellTop = 16;
    canvas.fill(cellLeft, cellTop, 80, cellTop + 14, kCellGap);
    for (int pane = 0; pane < 4; ++pane) {
        const int paneLeft = cellLeft + 1 + pane * 9;
        canvas.fill(paneLeft, cellTop + 1, paneLeft + 7, cellTop + 13, kCell);
        canvas.fill(paneLeft, cellTop + 1, paneLeft + 7, cellTop + 2, kCellLit);
    }

    // The display window, sunk into the case around the sprite's display area. The keys
    // leave one pixel less on the right than on the left, so the sunken edge has no right
    // side; the window would otherwise touch the rim.
    canvas.fill(kDisplayLeft - 2, kDisplayTop - 2, kDisplayRight + 1, kDisplayTop - 1, kBodyShade);
    canvas.fill(kDisplayLeft - 2, kDisplayTop - 2, kDisplayLeft - 1, kDisplayBottom + 1,
                kBodyShade);
    canvas.fill(kDisplayLeft - 1, kDisplayBottom + 1, kDisplayRight + 1, kDisplayBottom + 2,
                kBodyLit);
    canvas.frame(kDisplayLeft - 1, kDisplayTop - 1, kDisplayRight + 1, kDisplayBottom + 1,
                 kDisplayFrame);
    canvas.fill(kDisplayLeft, kDisplayTop, kDisplayRight, kDisplayBottom, kDisplay);
}

Canvas keypad(bool pressed) {
    Canvas canvas(kWidth, kHeight, kOutside);
    body(canvas);
    for (const Key& k : kKeys) {
        key(canvas, k, pressed);
    }
    return canvas;
}

} // namespace

Canvas keypadixUp() {
    return keypad(false);
}

Canvas keypadixDown() {
    return keypad(true);
}

// A small calculator on the cast window's grey: the case, the display reading 14 and four
// rows of keys in their colours.
Canvas keypadixThumbnail() {
    Canvas canvas(48, 32, Rgb{0xC0, 0xC0, 0xC0});
    const int left = 13;
    const int top = 1;
    const int right = 35;
    const int bottom = 31;
    canvas.fill(left, top, right, bottom, kOutline);
    canvas.fill(left + 1, top + 1, right - 1, bottom - 1, kBody);
    canvas.fill(left + 1, top + 1, right - 1, top + 2, kBodyLit);
    canvas.fill(left + 1, top + 1, left + 2, bottom - 1, kBodyLit);

    canvas.fill(left + 2, top + 2, right - 2, top + 10, kDisplayFrame);
    canvas.fill(left + 3, top + 3, right - 3, top + 9, Rgb{0xC8, 0xD0, 0xC0});
    const Font& font = smallFont();
    canvas.text(right - 4 - font.textWidth("14"), top + 3, "14", font, kInk);

    // Four columns of keys, 4 x 3 pixels, the operators on the right and equals below them.
    const KeyStyle* rows[4][4] = {
        {&kClearKey, &kClearKey, &kOperatorKey, &kOperatorKey},
        {&kNumberKey, &kNumberKey, &kNumberKey, &kOperatorKey},
        {&kNumberKey, &kNumberKey, &kNumberKey, &kOperatorKey},
        {&kNumberKey, &kNumberKey, &kNumberKey, &kEqualsKey},
    };
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int x = left + 2 + column * 5;
            const int y = top + 12 + row * 4;
            canvas.fill(x, y, x + 4, y + 3, rows[row][column]->face);
            canvas.fill(x, y + 2, x + 4, y + 3, rows[row][column]->shade);
        }
    }
    return canvas;
}

} // namespace bitmaps
