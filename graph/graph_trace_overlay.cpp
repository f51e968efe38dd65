#include "graph_trace_overlay.h"

#include <string>

#include "engine/trace.h"
#include "graph_drawing.h"
#include "graph_module.h"

namespace plotmark {
namespace {

void paintPip(HDC dc, PixelPoint at, COLORREF colour) {
    zx::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    zx::Selection selectedBrush(dc, brush.get());
    zx::Selection pen(dc, GetStockObject(BLACK_PEN));
    Ellipse(dc, at.x - 5, at.y - 5, at.x + 5, at.y + 5);
}

void paintTraceText(HDC dc, const SpriteState& s, const GraphProperties& p, PixelPoint at,
                    const RECT& r) {
    zx::GdiObject<HFONT> font = plotFont("Arial Narrow", 300);
    zx::Selection selected(dc, fontOrSystem(font));
    zx::ScopedBkMode bkMode(dc, p.backgroundTransparent != 0 ? TRANSPARENT : OPAQUE);
    zx::ScopedBkColor bkColor(dc, RGB(255, 255, 255));
    zx::ScopedTextColor textColor(dc, RGB(0, 0, 0));
    const std::string text = traceText(s.traceX, s.traceY);
    const int length = static_cast<int>(text.size());
    if (p.tracePosition == 2) {
        zx::ScopedTextAlign align(dc, TA_RIGHT);
        TextOutA(dc, at.x - 1, at.y + 1, text.c_str(), length);
    } else if (p.tracePosition == 1) {
        zx::ScopedTextAlign align(dc, TA_BOTTOM);
        TextOutA(dc, r.left + 2, r.bottom - 1, text.c_str(), length);
    }
}

void paintCursorLines(HDC dc, const PlotGeometry& g, PixelPoint at) {
    zx::GdiObject<HPEN> red(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    zx::Selection pen(dc, red.get());
    paintLine(dc, {g.x0, at.y}, {at.x - 8, at.y});
    paintLine(dc, {at.x, at.y + 9}, {at.x, g.y0});
}

} // namespace

void copyCache(const SpriteState& s, HDC screen, bool blackBorder) {
    const int w = s.cache.width() - (blackBorder ? 0 : 1);
    const int h = s.cache.height() - (blackBorder ? 0 : 1);
    BitBlt(screen, s.rect.left, s.rect.top, w, h, s.cache.dc(), 0, 0, SRCCOPY);
}

void paintTraceOverlay(zx::ActorRecord& actor, HDC screen, const RECT& rect) {
    SpriteState& s = spriteState(actor);
    const GraphProperties& p = memberOf(actor);
    zx::ScopedRop2 rop(screen, R2_COPYPEN);
    copyCache(s, screen, p.blackBorder != 0);
    const PixelPoint at{pixelX(s.geometry, s.traceX), pixelY(s.geometry, s.traceY)};
    if (s.tracing && s.pipTrace != 0 && !graphModule().traceSuspended) {
        paintPip(screen, at, s.traceColor);
    }
    if (s.inside && p.tracePosition > 0) {
        paintTraceText(screen, s, p, at, rect);
    }
    if (s.inside && p.showCursorLines != 0) {
        paintCursorLines(screen, s.geometry, at);
    }
}

} // namespace plotmark
