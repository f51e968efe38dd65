// The counter's Draw: the integer block and the fraction block, each a background with its
// row of digit wheels, then the one-pixel dividers between the wheels. Each wheel shows its
// digit with the neighbours above and below, shifted by how far it has rolled; the clip
// rectangle cuts the neighbours off.
#include "counter_block.h"
#include "engine/wheel_positions.h"
#include "zxplugin/gdi_guards.h"
#include "zxplugin/records.h"

namespace tallydisc {
namespace {

struct Geometry {
    int left, top, right, bottom;
    int64_t cell; // width of one wheel
    int textTop;  // top of the digit at rest
    int height;   // glyph height
};

void fillBlock(HDC dc, COLORREF color, int left, int top, int right, int bottom) {
    zx::GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    zx::Selection selected(dc, brush.get());
    // The null pen leaves no outline; the fill then stops one pixel short of right and
    // bottom, where the clip ends too.
    Rectangle(dc, left, top, right, bottom);
}

void drawWheels(HDC dc, const Geometry& g, const std::vector<float>& wheels, size_t first,
                size_t last, COLORREF ink, COLORREF paper) {
    zx::ScopedTextColor text(dc, ink);
    zx::ScopedBkColor background(dc, paper);
    for (size_t k = first; k < last; ++k) {
        const WheelGlyphs glyph = wheelGlyphs(wheels[k], g.height);
        const int x = static_cast<int>(g.left + g.cell / 2 + static_cast<int64_t>(k) * g.cell + 1);
        const int y = g.textTop - glyph.offset;
        TextOutA(dc, x, y - g.height, &glyph.before, 1);
        TextOutA(dc, x, y, &glyph.current, 1);
        TextOutA(dc, x, y + g.height, &glyph.after, 1);
    }
}

void drawDividers(HDC dc, COLORREF color, int top, int bottom, int from, int64_t step,
                  int64_t count) {
    zx::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    zx::Selection selected(dc, pen.get());
    for (int64_t k = 1; k < count; ++k) {
        const int x = static_cast<int>(from + k * step);
        MoveToEx(dc, x, top, nullptr);
        LineTo(dc, x, bottom);
    }
}

} // namespace

zx::Result drawCounter(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                       zx::DrawContext*) {
    const CounterBlock& b = zx::blockOf<CounterBlock>(*zx::linkedAsset(actor));
    Geometry g{record.words[1], record.words[0], record.words[3], record.words[2], 0, 0, 0};

    zx::ScopedRop2 rop(dc, R2_COPYPEN);
    zx::ScopedMapMode mapMode(dc, MM_TEXT);
    zx::ScopedTextAlign align(dc, TA_CENTER | TA_TOP);
    zx::ClipToRect clip(dc, g.left, g.top, g.right - 1, g.bottom - 1);

    zx::GdiObject<HFONT> font(CreateFontA(15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_CHARACTER_PRECIS,
                                          DEFAULT_QUALITY, DEFAULT_PITCH, "Arial"));
    zx::Selection selectedFont(dc, font ? static_cast<HGDIOBJ>(font.get())
                                        : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    g.height = metrics.tmHeight;
    g.textTop = (g.top + g.bottom - g.height) / 2;

    zx::ScopedBkMode bkMode(dc, OPAQUE);
    zx::Selection nullPen(dc, GetStockObject(NULL_PEN));

    // Negative counts draw as 0; without any digit only the background is drawn.
    const int64_t left = b.digitsLeft > 0 ? b.digitsLeft : 0;
    const int64_t right = b.digitsRight > 0 ? b.digitsRight : 0;
    const int64_t digits = left + right;
    if (digits == 0) {
        fillBlock(dc, b.backColorLeft, g.left, g.top, g.right, g.bottom);
        return zx::kOk;
    }
    g.cell = (static_cast<int64_t>(g.right) - g.left) / digits;
    // Cells narrower than a pixel show no wheel: only the blocks' backgrounds.
    const bool wheelsFit = g.cell > 0;
    const std::vector<float> wheels =
        wheelsFit ? wheelPositions(b.value, static_cast<int32_t>(left), static_cast<int32_t>(right))
                  : std::vector<float>{};

    if (left > 0) {
        fillBlock(dc, b.backColorLeft, g.left, g.top, g.right, g.bottom);
        if (wheelsFit) {
            drawWheels(dc, g, wheels, 0, static_cast<size_t>(left), b.foreColorLeft,
                       b.backColorLeft);
        }
    }
    if (right > 0) {
        fillBlock(dc, b.backColorRight, static_cast<int>(g.left + left * g.cell), g.top, g.right,
                  g.bottom);
        if (wheelsFit) {
            drawWheels(dc, g, wheels, static_cast<size_t>(left), static_cast<size_t>(digits),
                       b.foreColorRight, b.backColorRight);
        }
    }
    if (wheelsFit && left > 1) {
        drawDividers(dc, b.divideColorLeft, g.top, g.bottom, g.left, g.cell, left);
    }
    if (wheelsFit && right > 1) {
        drawDividers(dc, b.divideColorRight, g.top, g.bottom, g.right, -g.cell, right);
    }
    return zx::kOk;
}

} // namespace tallydisc
