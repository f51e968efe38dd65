// The counter's cast window thumbnail: a small odometer reading 12.5 with its last wheel
// rolling, white integer wheels and a black fraction wheel, in a grey bezel.
#include "art.h"

namespace bitmaps {

Canvas tallydiscThumbnail() {
    constexpr Rgb kBezel{0x80, 0x80, 0x80};
    constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
    constexpr Rgb kBlack{0x00, 0x00, 0x00};
    constexpr Rgb kDividerLeft{0xAA, 0xAA, 0xAA};
    Canvas canvas(48, 32, Rgb{0xC0, 0xC0, 0xC0});
    canvas.frame(2, 6, 46, 26, kBezel);

    // Three wheels of 14 pixels inside the bezel, 18 pixels high.
    const int top = 7;
    const int bottom = 25;
    canvas.fill(3, top, 31, bottom, kWhite);
    canvas.fill(31, top, 45, bottom, kBlack);
    canvas.fill(17, top, 18, bottom, kDividerLeft);

    const int glyphTop = top + 2;
    canvas.digit(5, glyphTop, 1, 2, kBlack, top, bottom);
    canvas.digit(19, glyphTop, 2, 2, kBlack, top, bottom);
    // The fraction wheel halfway between 5 and 6.
    canvas.digit(33, glyphTop - 5, 5, 2, kWhite, top, bottom);
    canvas.digit(33, glyphTop + 13, 6, 2, kWhite, top, bottom);
    return canvas;
}

} // namespace bitmaps
