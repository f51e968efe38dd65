// The counter's Draw: the integer block and the fraction block, each a background with its
// row of digit wheels, then the one-pixel dividers between the wheels. Each wheel shows its
// digit with the neighbours above and below, shifted by how far it has rolled; the clip
// rectangle cuts the neighbours off.
#include <algorithm>

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

// The wheels [first, last) of the counter; `wheels` holds their positions from `first` on.
void drawWheels(HDC dc, const Geometry& g, const std::vector<float>& wheels, int64_t first,
                int64_t last, COLORREF ink, COLORREF paper) {
    zx::ScopedTextColor text(dc, ink);
    zx::ScopedBkColor background(dc, paper);
    for (int64_t k = first; k < last; ++k) {
        const WheelGlyphs glyph = wheelGlyphs(wheels[static_cast<size_t>(k - first)], g.height);
        const int x = static_cast<int>(g.left + g.cell / 2 + k * g.cell + 1);
        const int y = g.textTop - glyph.offset;
        TextOutA(dc, x, y - g.height, &glyph.before, 1);
        TextOutA(dc, x, y, &glyph.current, 1);
        TextOutA(dc, x, y + g.height, &glyph.after, 1);
    }
}

// Dividers k = 1 .. count - 1 at from + k * step, only those within [visibleLeft,
// visibleRight).
void drawDividers(HDC dc, COLORREF color, int top, int bottom, int64_t from, int64_t step,
                  int64_t count, int64_t visibleLeft, int64_t visibleRight) {
    zx::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    zx::Selection selected(dc, pen.get());
    // The k whose x lies in the visible span, whichever way the dividers run.
    const int64_t a = (visibleLeft - from) / step;
    const int64_t b = (visibleRight - from) / step;
    const int64_t low = std::max<int64_t>(1, std::min(a, b) - 1);
    const int64_t high = std::min<int64_t>(count - 1, std::max(a, b) + 1);
    for (int64_t k = low; k <= high; ++k) {
        const int64_t x = from + k * step;
        if (x < visibleLeft || x >= visibleRight) {
            continue; // clipped away in any case
        }
        MoveToEx(dc, static_cast<int>(x), top, nullptr);
        LineTo(dc, static_cast<int>(x), bottom);
    }
}

// The wheels [first, last) of a block of `count` wheels starting at wheel `blockFirst`
// whose cells cross the visible span.
struct WheelRange {
    int64_t first;
    int64_t last;
};
WheelRange visibleWheels(const Geometry& g, int64_t blockFirst, int64_t count, int64_t visibleLeft,
                         int64_t visibleRight) {
    const int64_t from = std::max(blockFirst, (visibleLeft - g.left) / g.cell - 1);
    const int64_t to = std::min(blockFirst + count, (visibleRight - g.left) / g.cell + 2);
    return {from, std::max(from, to)};
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
    g.textTop = static_cast<int>((static_cast<int64_t>(g.top) + g.bottom - g.height) / 2);

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

    // Only the wheels and dividers that cross what the clip lets through are drawn, so the
    // cost follows the visible width, not the digit counts.
    RECT box{};
    GetClipBox(dc, &box);
    const int64_t visibleLeft = std::max<int64_t>(g.left, box.left);
    const int64_t visibleRight = std::min<int64_t>(g.right, box.right);

    // A glyph may be wider than its wheel's cell: wheels up to a glyph's width outside the
    // visible span can still reach into it.
    const int64_t reach = std::max<int64_t>(metrics.tmMaxCharWidth, 1);
    const WheelRange shown =
        wheelsFit && visibleLeft < visibleRight
            ? visibleWheels(g, 0, digits, visibleLeft - reach, visibleRight + reach)
            : WheelRange{0, 0};
    const std::vector<float> wheels =
        wheelPositions(b.value, static_cast<int32_t>(left), static_cast<int32_t>(right),
                       shown.first, shown.last - shown.first);
    const int64_t split = std::clamp(left, shown.first, shown.last);
    // Each block's wheels right after its background: a glyph cell wider than its wheel may
    // reach into the next block, whose background then covers it.
    if (left > 0) {
        fillBlock(dc, b.backColorLeft, g.left, g.top, g.right, g.bottom);
        drawWheels(dc, g, wheels, shown.first, split, b.foreColorLeft, b.backColorLeft);
    }
    if (right > 0) {
        fillBlock(dc, b.backColorRight, static_cast<int>(g.left + left * g.cell), g.top, g.right,
                  g.bottom);
        if (split < shown.last) {
            const std::vector<float> rightWheels(wheels.begin() + (split - shown.first),
                                                 wheels.end());
            drawWheels(dc, g, rightWheels, split, shown.last, b.foreColorRight, b.backColorRight);
        }
    }
    if (!wheelsFit || visibleLeft >= visibleRight) {
        return zx::kOk;
    }
    if (left > 1) {
        drawDividers(dc, b.divideColorLeft, g.top, g.bottom, g.left, g.cell, left, visibleLeft,
                     visibleRight);
    }
    if (right > 1) {
        drawDividers(dc, b.divideColorRight, g.top, g.bottom, g.right, -g.cell, right, visibleLeft,
                     visibleRight);
    }
    return zx::kOk;
}

} // namespace tallydisc
