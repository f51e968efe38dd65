// The graph's cast window thumbnail: a small plot on white paper, a grid, the two axes, red
// data points and the blue straight line fitted through them.
#include "art.h"

namespace bitmaps {

Canvas plotmarkThumbnail() {
    constexpr Rgb kPaper{0xFF, 0xFF, 0xFF};
    constexpr Rgb kFrame{0x80, 0x80, 0x80};
    constexpr Rgb kGrid{0xD8, 0xDC, 0xE2};
    constexpr Rgb kAxis{0x00, 0x00, 0x00};
    constexpr Rgb kPoint{0xD0, 0x20, 0x20};
    constexpr Rgb kLine{0x20, 0x40, 0xD0};
    Canvas canvas(48, 32, Rgb{0xC0, 0xC0, 0xC0});
    canvas.fill(2, 2, 46, 30, kPaper);
    canvas.frame(2, 2, 46, 30, kFrame);

    // The axes cross at (8, 25); grid lines every 6 pixels from there.
    const int originX = 8;
    const int originY = 25;
    for (int x = originX + 6; x < 45; x += 6) {
        canvas.fill(x, 3, x + 1, originY, kGrid);
    }
    for (int y = originY - 6; y > 3; y -= 6) {
        canvas.fill(originX + 1, y, 45, y + 1, kGrid);
    }
    canvas.fill(originX, 4, originX + 1, 29, kAxis);
    canvas.fill(3, originY, 44, originY + 1, kAxis);
    for (int x = originX + 6; x < 45; x += 6) {
        canvas.fill(x, originY + 1, x + 1, originY + 3, kAxis);
    }
    for (int y = originY - 6; y > 3; y -= 6) {
        canvas.fill(originX - 2, y, originX, y + 1, kAxis);
    }
    canvas.line(10, 23, 43, 6, kLine);
    constexpr int kPoints[][2] = {{12, 20}, {17, 20}, {22, 15}, {27, 15},
                                  {32, 10}, {37, 11}, {41, 6}};
    for (const auto& point : kPoints) {
        const int x = point[0];
        const int y = point[1];
        canvas.fill(x - 1, y, x + 2, y + 1, kPoint);
        canvas.fill(x, y - 1, x + 1, y + 2, kPoint);
    }
    return canvas;
}

} // namespace bitmaps
