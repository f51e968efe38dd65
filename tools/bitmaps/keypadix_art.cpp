// The calculator's art: the keypad with every key up, the same keypad with every key pressed,
// and the cast window thumbnail. The sprite draws the up picture and copies the area of the
// active key from the down picture over it, so each key lies wholly inside its key area and
// both pictures agree outside the keys. The keys sit exactly on the sprite's default key
// areas; the display window frames the area in which the sprite writes the number.
#include <string_view>

#include "art.h"

namespace bitmaps {
namespace {

// The light grey with which the sprite clears its display, and which the background-
// transparent ink leaves out of the keypad picture.
constexpr Rgb kLightGrey{0xC0, 0xC0, 0xC0};
// The display window of the pictures: a shade away from that grey, so that the ink keeps it.
// The sprite's clearing stops a pixel short of the display area's right and bottom edges,
// where the picture's window shows.
constexpr Rgb kDisplayWindow{0xC2, 0xC2, 0xC2};

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

// The colours of one calculator: its case and each kind of key.
struct Scheme {
    Rgb outside; // around the rounded corners
    Rgb outline;
    Rgb body;
    Rgb bodyLit;
    Rgb bodyShade;
    Rgb brand;
    Rgb displayFrame;
    Rgb cell;
    Rgb cellLit;
    Rgb cellGap;
    KeyStyle number;
    KeyStyle operation;
    KeyStyle equals;
    KeyStyle clear;
    KeyStyle finish;
};

constexpr Rgb kInk{0x1A, 0x1A, 0x1A};
constexpr Rgb kPaleInk{0xF8, 0xF8, 0xF8};

// The built-in keypad. Pure white only outside the rounded corners: with the background-
// transparent ink and white as the transparent colour the corners vanish and nothing inside
// the calculator does.
constexpr Scheme kDaylight{
    {0xFF, 0xFF, 0xFF},
    {0x16, 0x18, 0x1C},
    {0x3A, 0x3E, 0x46},
    {0x5C, 0x62, 0x6C},
    {0x2A, 0x2D, 0x33},
    {0xB4, 0xB9, 0xC2},
    {0x12, 0x13, 0x16},
    {0x4C, 0x30, 0x3A},
    {0x66, 0x44, 0x50},
    {0x22, 0x1A, 0x1E},
    {{0xE4, 0xE2, 0xDC}, {0xF6, 0xF5, 0xF2}, {0xA4, 0xA2, 0x9C}, {0xC8, 0xC6, 0xC0}, kInk},
    {{0x6E, 0x7A, 0x8A}, {0x90, 0x9B, 0xAA}, {0x48, 0x51, 0x5E}, {0x5E, 0x69, 0x78}, kPaleInk},
    {{0xE8, 0x82, 0x2A}, {0xF6, 0xA8, 0x62}, {0xA4, 0x54, 0x14}, {0xCC, 0x6E, 0x1E}, kPaleInk},
    {{0xCC, 0x3E, 0x3E}, {0xE6, 0x72, 0x72}, {0x8E, 0x24, 0x24}, {0xB0, 0x30, 0x30}, kPaleInk},
    {{0x3A, 0x96, 0x58}, {0x6A, 0xBE, 0x86}, {0x24, 0x66, 0x3A}, {0x30, 0x80, 0x4A}, kPaleInk},
};

// The same keypad in night colours, for movies that replace the built-in pictures. Outside
// the corners it is the light grey that the background-transparent ink leaves out; no other
// pixel has that grey.
constexpr Rgb kNightInk{0xE8, 0xF0, 0xFF};
constexpr Scheme kNight{
    kLightGrey,
    {0x08, 0x0A, 0x10},
    {0x1C, 0x2A, 0x44},
    {0x34, 0x48, 0x6C},
    {0x10, 0x18, 0x2A},
    {0x9C, 0xC8, 0xF0},
    {0x06, 0x08, 0x0E},
    {0x30, 0x3C, 0x20},
    {0x4A, 0x5A, 0x30},
    {0x12, 0x16, 0x0C},
    {{0x2E, 0x3A, 0x50}, {0x4A, 0x58, 0x72}, {0x18, 0x20, 0x30}, {0x24, 0x2E, 0x40}, kNightInk},
    {{0x1E, 0x8A, 0x8A}, {0x4C, 0xB4, 0xB4}, {0x10, 0x58, 0x58}, {0x18, 0x70, 0x70}, kNightInk},
    {{0xF0, 0xB0, 0x20}, {0xF8, 0xD0, 0x68}, {0xA8, 0x74, 0x10}, {0xD0, 0x96, 0x18}, kInk},
    {{0xC0, 0x38, 0x78}, {0xDC, 0x6C, 0xA0}, {0x84, 0x20, 0x50}, {0xA4, 0x2C, 0x64}, kNightInk},
    {{0x58, 0xA8, 0x30}, {0x84, 0xC8, 0x60}, {0x38, 0x70, 0x1C}, {0x48, 0x8C, 0x26}, kNightInk},
};

enum class Role { Number, Operation, Equals, Clear, Finish };

const KeyStyle& styleOf(const Scheme& scheme, Role role) {
    switch (role) {
    case Role::Operation:
        return scheme.operation;
    case Role::Equals:
        return scheme.equals;
    case Role::Clear:
        return scheme.clear;
    case Role::Finish:
        return scheme.finish;
    case Role::Number:
        break;
    }
    return scheme.number;
}

// The twenty keys in key order (digits 0-9, point, the four operators, equals, change sign,
// clear, finish) at their default areas, 16 pixels high.
struct Key {
    int top;
    int left;
    int width;
    std::string_view legend;
    Role role;
};

constexpr Key kKeys[] = {
    {133, 4, kKeySize, "0", Role::Number},
    {113, 4, kKeySize, "1", Role::Number},
    {113, 24, kKeySize, "2", Role::Number},
    {113, 44, kKeySize, "3", Role::Number},
    {93, 4, kKeySize, "4", Role::Number},
    {93, 24, kKeySize, "5", Role::Number},
    {93, 44, kKeySize, "6", Role::Number},
    {73, 4, kKeySize, "7", Role::Number},
    {73, 24, kKeySize, "8", Role::Number},
    {73, 44, kKeySize, "9", Role::Number},
    {133, 24, kKeySize, ".", Role::Number},
    {53, 64, kKeySize, "\u00F7", Role::Operation},
    {73, 64, kKeySize, "\u00D7", Role::Operation},
    {93, 64, kKeySize, "\u2212", Role::Operation},
    {113, 64, kKeySize, "+", Role::Operation},
    {133, 64, kKeySize, "=", Role::Equals},
    {133, 44, kKeySize, "\u00B1", Role::Number},
    {53, 24, 36, "C", Role::Clear},
    {15, 4, 36, "DONE", Role::Finish},
};

// The display area (left, top, right, bottom) in which the sprite writes the number.
constexpr int kDisplayLeft = 6;
constexpr int kDisplayTop = 36;
constexpr int kDisplayRight = 80;
constexpr int kDisplayBottom = 47;

// A key cap: a dark outline with its corners cut, a lit top and left edge and a deep shade
// below; pressed, the cap sinks: a shadow along the top and left, a darker face, the legend
// one pixel down and right.
void key(Canvas& canvas, const Scheme& scheme, const Key& k, bool pressed) {
    const KeyStyle& s = styleOf(scheme, k.role);
    const int left = k.left;
    const int top = k.top;
    const int right = left + k.width;
    const int bottom = top + kKeySize;
    canvas.fill(left + 1, top, right - 1, top + 1, scheme.outline);
    canvas.fill(left + 1, bottom - 1, right - 1, bottom, scheme.outline);
    canvas.fill(left, top + 1, left + 1, bottom - 1, scheme.outline);
    canvas.fill(right - 1, top + 1, right, bottom - 1, scheme.outline);
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
void body(Canvas& canvas, const Scheme& scheme) {
    // The last column and row lie outside the sprite's clip, so the case ends before them.
    const int right = kWidth - 1;
    const int bottom = kHeight - 1;
    canvas.fill(0, 0, right, bottom, scheme.outline);
    canvas.fill(1, 1, right - 1, bottom - 1, scheme.body);
    canvas.fill(1, 1, right - 1, 2, scheme.bodyLit);
    canvas.fill(1, 1, 2, bottom - 1, scheme.bodyLit);
    canvas.fill(2, bottom - 2, right - 1, bottom - 1, scheme.bodyShade);
    canvas.fill(right - 2, 2, right - 1, bottom - 1, scheme.bodyShade);
    // Rounded corners: two pixels cut along each edge, one more on the diagonal.
    const int corners[4][2] = {{0, 0}, {right - 1, 0}, {0, bottom - 1}, {right - 1, bottom - 1}};
    for (const auto& corner : corners) {
        const int dx = corner[0] == 0 ? 1 : -1;
        const int dy = corner[1] == 0 ? 1 : -1;
        canvas.set(corner[0], corner[1], scheme.outside);
        canvas.set(corner[0] + dx, corner[1], scheme.outside);
        canvas.set(corner[0], corner[1] + dy, scheme.outside);
        canvas.set(corner[0] + dx, corner[1] + dy, scheme.outline);
    }

    canvas.text(5, 5, "ZENTRIX", largeFont(), scheme.brand);

    // The solar cell: four panes beside the finish key, flush with the keys' right edge.
    const int cellLeft = 44;
    const int cellTop = 16;
    canvas.fill(cellLeft, cellTop, 80, cellTop + 14, scheme.cellGap);
    for (int pane = 0; pane < 4; ++pane) {
        const int paneLeft = cellLeft + 1 + pane * 9;
        canvas.fill(paneLeft, cellTop + 1, paneLeft + 7, cellTop + 13, scheme.cell);
        canvas.fill(paneLeft, cellTop + 1, paneLeft + 7, cellTop + 2, scheme.cellLit);
    }

    // The display window, sunk into the case around the sprite's display area. The keys
    // leave one pixel less on the right than on the left, so the sunken edge has no right
    // side; the window would otherwise touch the rim.
    canvas.fill(kDisplayLeft - 2, kDisplayTop - 2, kDisplayRight + 1, kDisplayTop - 1,
                scheme.bodyShade);
    canvas.fill(kDisplayLeft - 2, kDisplayTop - 2, kDisplayLeft - 1, kDisplayBottom + 1,
                scheme.bodyShade);
    canvas.fill(kDisplayLeft - 1, kDisplayBottom + 1, kDisplayRight + 1, kDisplayBottom + 2,
                scheme.bodyLit);
    canvas.frame(kDisplayLeft - 1, kDisplayTop - 1, kDisplayRight + 1, kDisplayBottom + 1,
                 scheme.displayFrame);
    canvas.fill(kDisplayLeft, kDisplayTop, kDisplayRight, kDisplayBottom, kDisplayWindow);
}

Canvas keypad(const Scheme& scheme, bool pressed) {
    Canvas canvas(kWidth, kHeight, scheme.outside);
    body(canvas, scheme);
    for (const Key& k : kKeys) {
        key(canvas, scheme, k, pressed);
    }
    return canvas;
}

} // namespace

Canvas keypadixUp() {
    return keypad(kDaylight, false);
}

Canvas keypadixDown() {
    return keypad(kDaylight, true);
}

Canvas keypadixNightUp() {
    return keypad(kNight, false);
}

Canvas keypadixNightDown() {
    return keypad(kNight, true);
}

// A small calculator on the cast window's grey: the case, the display reading 14 and four
// rows of keys in their colours.
Canvas keypadixThumbnail() {
    const Scheme& scheme = kDaylight;
    Canvas canvas(48, 32, Rgb{0xC0, 0xC0, 0xC0});
    const int left = 13;
    const int top = 1;
    const int right = 35;
    const int bottom = 31;
    canvas.fill(left, top, right, bottom, scheme.outline);
    canvas.fill(left + 1, top + 1, right - 1, bottom - 1, scheme.body);
    canvas.fill(left + 1, top + 1, right - 1, top + 2, scheme.bodyLit);
    canvas.fill(left + 1, top + 1, left + 2, bottom - 1, scheme.bodyLit);

    canvas.fill(left + 2, top + 2, right - 2, top + 10, scheme.displayFrame);
    canvas.fill(left + 3, top + 3, right - 3, top + 9, Rgb{0xC8, 0xD0, 0xC0});
    const Font& font = smallFont();
    canvas.text(right - 4 - font.textWidth("14"), top + 3, "14", font, kInk);

    // Four columns of keys, 4 x 3 pixels, the operators on the right and equals below them.
    const KeyStyle* rows[4][4] = {
        {&scheme.clear, &scheme.clear, &scheme.operation, &scheme.operation},
        {&scheme.number, &scheme.number, &scheme.number, &scheme.operation},
        {&scheme.number, &scheme.number, &scheme.number, &scheme.operation},
        {&scheme.number, &scheme.number, &scheme.number, &scheme.equals},
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
