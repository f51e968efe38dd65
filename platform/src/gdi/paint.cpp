// The 16 binary raster operations, span painting and brush fills.
#include "gdi/paint.h"

namespace w32::gdi {
namespace {

// Hatch patterns, one byte per row, bit 7 for the leftmost pixel of the 8x8 cell.
// HS_BDIAGONAL sets the pixels where (x + y) mod 8 == 7.
constexpr uint8_t kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF}, // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF}, // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // HS_DIAGCROSS
};

} // namespace

uint32_t applyRop2(int rop2, uint32_t pen, uint32_t dest) {
    constexpr uint32_t kMask = 0xFFFFFF;
    switch (rop2) {
    case R2_BLACK:
        return 0;
    case R2_NOTMERGEPEN:
        return ~(pen | dest) & kMask;
    case R2_MASKNOTPEN:
        return ~pen & dest & kMask;
    case R2_NOTCOPYPEN:
        return ~pen & kMask;
    case R2_MASKPENNOT:
        return pen & ~dest & kMask;
    case R2_NOT:
        return ~dest & kMask;
    case R2_XORPEN:
        return (pen ^ dest) & kMask;
    case R2_NOTMASKPEN:
        return ~(pen & dest) & kMask;
    case R2_MASKPEN:
        return pen & dest;
    case R2_NOTXORPEN:
        return ~(pen ^ dest) & kMask;
    case R2_NOP:
        return dest;
    case R2_MERGENOTPEN:
        return (~pen | dest) & kMask;
    case R2_MERGEPENNOT:
        return (pen | ~dest) & kMask;
    case R2_MERGEPEN:
        return pen | dest;
    case R2_WHITE:
        return kMask;
    default:
        return pen;
    }
}

void paintSpan(const Surface& s, int64_t y, int64_t x0, int64_t x1, const Ink& ink) {
    if (x1 <= x0) {
        return;
    }
    if (ink.rop2 == R2_COPYPEN) {
        fillSpan(s, y, x0, x1, ink.pixel);
        return;
    }
    uint32_t* row = s.row(y);
    for (int64_t x = x0; x < x1; ++x) {
        row[x] = applyRop2(ink.rop2, ink.pixel, row[x]);
    }
}

BrushFill realiseBrush(const Canvas& canvas, HBRUSH handle) {
    BrushFill fill;
    Brush* brush = find<Brush>(handle);
    if (!brush || brush->style == BS_NULL) {
        return fill;
    }
    const DcState& s = canvas.dc->state;
    fill.none = false;
    fill.fore = {toPixel(brush->color), s.rop2};
    if (brush->style == BS_HATCHED) {
        fill.hatched = true;
        fill.pattern = kHatches[brush->hatch];
        fill.back = {toPixel(s.bkColor), s.rop2};
        fill.opaque = s.bkMode == OPAQUE;
        fill.originX = s.brushOrg.x;
        fill.originY = s.brushOrg.y;
    }
    return fill;
}

BrushFill realiseBrush(const Canvas& canvas) {
    DcState& s = canvas.dc->state;
    BrushFill fill = realiseBrush(canvas, static_cast<HBRUSH>(s.brush));
    if (fill.hatched) {
        if (s.brushBkMode == 0) {
            s.brushBkMode = s.bkMode;
        }
        fill.opaque = s.brushBkMode == OPAQUE;
    }
    return fill;
}

void fillSpan(const Canvas& canvas, const BrushFill& brush, int64_t y, int64_t x0, int64_t x1) {
    if (brush.none || y < canvas.clip.top || y >= canvas.clip.bottom) {
        return;
    }
    x0 = std::max(x0, canvas.clip.left);
    x1 = std::min(x1, canvas.clip.right);
    if (x1 <= x0) {
        return;
    }
    if (!brush.hatched) {
        paintSpan(canvas.surface, y, x0, x1, brush.fore);
        return;
    }
    uint8_t bits = brush.pattern[(y - brush.originY) & 7];
    for (int64_t x = x0; x < x1; ++x) {
        bool set = (bits >> (7 - ((x - brush.originX) & 7))) & 1;
        if (set) {
            paintPixel(canvas.surface, x, y, brush.fore);
        } else if (brush.opaque) {
            paintPixel(canvas.surface, x, y, brush.back);
        }
    }
}

void fillRect(const Canvas& canvas, const BrushFill& brush, const DevRect& rect) {
    DevRect r = rect.intersect(canvas.clip);
    for (int64_t y = r.top; y < r.bottom; ++y) {
        fillSpan(canvas, brush, y, r.left, r.right);
    }
}

} // namespace w32::gdi
