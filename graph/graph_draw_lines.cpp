// The ten straight lines: full lines across the visible range with their shading and, for the
// selected line, its drag handles and the label of its equation; segments between the two
// points for the segment styles.
#include <cstring>
#include <string>
#include <vector>

#include "engine/fit.h"
#include "engine/line_equation.h"
#include "engine/line_marks.h"
#include "graph_drawing.h"

namespace plotmark {
namespace {

void paintHandles(const PlotCanvas& c, COLORREF colour) {
    zx::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 2, colour));
    zx::Selection selected(c.dc, pen.get());
    for (int h = 0; h < kHandleCount; ++h) {
        if (c.g.handleEnabled[h] == 0) {
            continue;
        }
        const int x = c.g.handleX[h];
        const int y = c.g.handleY[h];
        const int r = kHandleRadius;
        if (h == kInterceptHandle) {
            Rectangle(c.dc, x - r, y - r, x + r, y + r);
        } else {
            Ellipse(c.dc, x - r, y - r, x + r, y + r);
        }
    }
}

void paintShade(const PlotCanvas& c, const LineRecord& line, const PixelSegment& drawn) {
    const std::vector<PixelPoint> polygon = shadePolygon(drawn, shadeSide(line.shade, drawn), c.g);
    if (polygon.empty()) {
        return;
    }
    std::vector<POINT> points;
    for (const PixelPoint& p : polygon) {
        points.push_back({p.x, p.y});
    }
    zx::GdiObject<HBRUSH> hatch(CreateHatchBrush(HS_BDIAGONAL, line.color));
    zx::Selection brush(c.dc, hatch.get());
    zx::Selection pen(c.dc, GetStockObject(NULL_PEN));
    zx::ScopedBkMode transparent(c.dc, TRANSPARENT);
    Polygon(c.dc, points.data(), static_cast<int>(points.size()));
}

// The picked line's equation; drawn at its grab point when the line is not shaded.
void labelLine(const PlotCanvas& c, const LineRecord& line) {
    const SlopeIntercept l = slopeIntercept(line);
    const std::string equation = lineEquation(l.slope, l.intercept, c.g.deltaY);
    if (line.shade == 0) {
        zx::GdiObject<HFONT> font = plotFont("Arial Narrow", 300);
        zx::Selection selected(c.dc, fontOrSystem(font));
        TextOutA(c.dc, pixelX(c.g, line.grabX), pixelY(c.g, line.grabY), equation.c_str(),
                 static_cast<int>(equation.size()));
    }
    std::memset(c.g.equationText, 0, sizeof c.g.equationText);
    std::memcpy(c.g.equationText, equation.data(),
                std::min(equation.size(), sizeof c.g.equationText - 1));
}

void paintSegmentLine(const PlotCanvas& c, const LineRecord& line) {
    zx::Selection gray(c.dc, GetStockObject(GRAY_BRUSH));
    const PixelSegment s = segmentLine(line, c.g);
    paintLine(c.dc, s.from, s.to);
    if (line.style == 2) {
        paintSymbol(c.dc, s.from, line.symbol[0]);
        paintSymbol(c.dc, s.to, line.symbol[1]);
    }
}

void paintFullLine(PlotCanvas& c, LineRecord& line) {
    if (c.g.showLineHandles != 0 && line.selected != 0) {
        placeHandles(line, c.g);
        paintHandles(c, line.color);
    }
    const std::optional<PixelSegment> drawn = fullLine(line, c.g);
    if (drawn) {
        paintLine(c.dc, drawn->from, drawn->to);
        if (line.shade > 0) {
            paintShade(c, line, *drawn);
        }
    }
    if (line.selected != 0 && line.hit != 0) {
        labelLine(c, line);
    }
}

void paintLineRecord(PlotCanvas& c, LineRecord& line) {
    const bool selected = line.selected != 0;
    if (!selected) {
        line.hit = 0;
    }
    zx::GdiObject<HPEN> pen(selected ? CreatePen(PS_SOLID, 2, line.color)
                                     : CreatePen(c.g.unselectedPenStyle, 1, line.color));
    zx::Selection selectedPen(c.dc, pen.get());
    if (line.style == 1 || line.style == 2) {
        paintSegmentLine(c, line);
    } else if (line.style == 0) {
        paintFullLine(c, line);
    }
}

} // namespace

void paintLines(PlotCanvas& c) {
    std::memset(c.g.equationText, 0, sizeof c.g.equationText);
    for (LineRecord& line : c.p.lines) {
        if (line.count < 2) {
            continue;
        }
        paintLineRecord(c, line);
    }
}

} // namespace plotmark
