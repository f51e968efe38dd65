// The frame of the plot: the blue grid, the axes with their numbered ticks, the captions and
// the zero axes.
#include <string>

#include "engine/axis_ticks.h"
#include "graph_drawing.h"

namespace plotmark {
namespace {

void paintGrid(const PlotCanvas& c) {
    zx::GdiObject<HPEN> blue(CreatePen(PS_SOLID, 1, PALETTERGB(0x99, 0xCC, 0xFF)));
    zx::Selection pen(c.dc, blue.get());
    const int32_t g = c.g.gridSquare;
    // The axes themselves get no grid line: the walks start one square away.
    for (int32_t x : gridPositions(c.g.x0, g, c.frame.right)) {
        paintLine(c.dc, {x, c.g.y0}, {x, c.frame.top});
    }
    for (int32_t y : gridPositions(c.g.y0, -g, c.frame.top)) {
        paintLine(c.dc, {c.g.x0, y}, {c.frame.right, y});
    }
}

void paintAxisLines(const PlotCanvas& c) {
    zx::Selection pen(c.dc, GetStockObject(BLACK_PEN));
    MoveToEx(c.dc, c.g.x0, c.frame.top, nullptr);
    LineTo(c.dc, c.g.x0, c.g.y0);
    LineTo(c.dc, c.frame.right, c.g.y0);
}

void text(HDC dc, int32_t x, int32_t y, const std::string& s) {
    TextOutA(dc, x, y, s.c_str(), static_cast<int>(s.size()));
}

void paintTicks(PlotCanvas& c) {
    zx::GdiObject<HFONT> font = plotFont("Arial", 300);
    zx::Selection selected(c.dc, fontOrSystem(font));
    zx::Selection pen(c.dc, GetStockObject(BLACK_PEN));
    c.textAlign = TA_CENTER | TA_TOP;
    SetTextAlign(c.dc, c.textAlign);
    for (const Tick& t : xTicks(c.p, c.g, c.frame.right)) {
        paintLine(c.dc, {t.pixel, c.g.y0}, {t.pixel, c.g.y0 - 8});
        text(c.dc, t.pixel, c.g.y0 + 2, t.label);
    }
    c.textAlign = TA_RIGHT | TA_BASELINE;
    SetTextAlign(c.dc, c.textAlign);
    for (const Tick& t : yTicks(c.p, c.g, c.frame.top)) {
        paintLine(c.dc, {c.g.x0, t.pixel}, {c.g.x0 + 8, t.pixel});
        // Labels sit on their tick, except the one on the axis, which would meet the x labels.
        text(c.dc, c.g.x0 - 2, t.pixel == c.g.y0 ? t.pixel : t.pixel + 4, t.label);
    }
}

void paintCaptions(PlotCanvas& c) {
    if (c.p.xLabelString[0] != '\0') {
        zx::GdiObject<HFONT> font = plotFont("Arial", FW_BOLD);
        zx::Selection selected(c.dc, fontOrSystem(font));
        c.textAlign = TA_CENTER | TA_BOTTOM;
        SetTextAlign(c.dc, c.textAlign);
        text(c.dc, (c.g.x0 + c.frame.right) / 2, c.height - 3, c.p.xLabelString);
    }
    if (c.p.yLabelString[0] != '\0') {
        zx::GdiObject<HFONT> font = plotFont("Arial", FW_BOLD, 900);
        zx::Selection selected(c.dc, fontOrSystem(font));
        c.textAlign = TA_CENTER | TA_TOP;
        SetTextAlign(c.dc, c.textAlign);
        text(c.dc, 5, (c.frame.top + c.g.y0) / 2, c.p.yLabelString);
    }
}

void paintZeroAxes(const PlotCanvas& c) {
    zx::Selection pen(c.dc, GetStockObject(BLACK_PEN));
    if (c.g.xMinimum < 0.0 && c.g.xMaximum > 0.0) {
        const int32_t x = pixelX(c.g, 0.0);
        paintLine(c.dc, {x, c.g.y0}, {x, c.frame.top});
    }
    if (c.g.yMinimum < 0.0 && c.g.yMaximum > 0.0) {
        const int32_t y = pixelY(c.g, 0.0);
        paintLine(c.dc, {c.g.x0, y}, {c.frame.right, y});
    }
}

} // namespace

void paintAxes(PlotCanvas& c) {
    paintGrid(c);
    paintAxisLines(c);
    // Labels may reach into the margins: the whole bitmap while they are drawn.
    SelectClipRgn(c.dc, nullptr);
    paintTicks(c);
    paintCaptions(c);
    clipTo(c.dc, c.frame.left, c.frame.top, c.frame.right, c.frame.bottom);
    paintZeroAxes(c);
}

} // namespace plotmark
