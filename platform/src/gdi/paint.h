// Painting spans and pixels with a pen or brush colour under the DC's raster operation,
// and filling spans with a brush (solid or hatched, hatch aligned to the brush origin).
#pragma once

#include "gdi/dc.h"

namespace w32::gdi {

struct Ink {
    uint32_t pixel = 0;
    int rop2 = R2_COPYPEN;
};

uint32_t applyRop2(int rop2, uint32_t pen, uint32_t dest);

inline void paintPixel(const Surface& s, int64_t x, int64_t y, const Ink& ink) {
    uint32_t& p = s.at(x, y);
    p = ink.rop2 == R2_COPYPEN ? ink.pixel : applyRop2(ink.rop2, ink.pixel, p);
}

// Paints [x0, x1) of row y; the span must already lie inside the surface.
void paintSpan(const Surface& s, int64_t y, int64_t x0, int64_t x1, const Ink& ink);

// A brush ready to fill: nothing for BS_NULL.
struct BrushFill {
    bool none = true;
    bool hatched = false;
    const uint8_t* pattern = nullptr; // 8 rows, bit 7 = leftmost pixel
    Ink fore;
    Ink back;
    bool opaque = false; // hatch gaps painted in the background colour
    int64_t originX = 0;
    int64_t originY = 0;
};

BrushFill realiseBrush(const Canvas& canvas, HBRUSH brush);
BrushFill realiseBrush(const Canvas& canvas); // the DC's selected brush

// Fills [x0, x1) of row y, clipped to the canvas.
void fillSpan(const Canvas& canvas, const BrushFill& brush, int64_t y, int64_t x0, int64_t x1);
// Fills a device rectangle, clipped to the canvas.
void fillRect(const Canvas& canvas, const BrushFill& brush, const DevRect& rect);

} // namespace w32::gdi
