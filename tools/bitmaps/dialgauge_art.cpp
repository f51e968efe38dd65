// The speedometer's cast window thumbnail: the gauge as the sprite draws it with its default
// properties, scaled down: a grey scale in a black frame filled blue to 30, ten small ticks,
// big ticks every 20. At this size the figures would drown in the ticks and the bar, so they
// stand below the frame.
#include <cstdio>

#include "art.h"

namespace bitmaps {

Canvas dialgaugeThumbnail() {
    constexpr Rgb kBack{0xC0, 0xC0, 0xC0};
    constexpr Rgb kBlack{0x00, 0x00, 0x00};
    constexpr Rgb kSpeed{0x00, 0x00, 0xFF};
    Canvas canvas(48, 32, kBack);
    const int left = 2;
    const int top = 3;
    const int right = 46;
    const int bottom = 23;
    const int width = right - left;
    canvas.frame(left, top, right, bottom, kBlack);
    canvas.fill(left + 1, top + 1, left + 1 + width * 30 / 100, bottom - 1, kSpeed);

    // Small ticks reach a third of the way down, big ticks two thirds.
    for (int k = 1; k < 10; ++k) {
        const int x = left + width * k / 10;
        canvas.fill(x, top, x + 1, top + (bottom - top) / 3, kBlack);
    }
    const Font& font = smallFont();
    for (int k = 1; k < 5; ++k) {
        const int x = left + width * k / 5;
        canvas.fill(x, top, x + 1, top + 2 * (bottom - top) / 3, kBlack);
        char label[4];
        std::snprintf(label, sizeof label, "%d", 20 * k);
        canvas.text(x - font.textWidth(label) / 2, bottom + 2, label, font, kBlack);
    }
    return canvas;
}

} // namespace bitmaps
