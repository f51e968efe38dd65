#include "trace.h"

#include <algorithm>
#include <cmath>

#include "curve_points.h"
#include "fit.h"
#include "number_text.h"

namespace plotmark {

TraceBox traceBox(const PlotGeometry& g) {
    return {g.x0, pixelY(g, g.yMaximum), pixelX(g, g.xMaximum), g.y0};
}

bool insidePlot(const PlotGeometry& g, PixelPoint mouse) {
    return mouse.x >= g.x0 && mouse.y <= g.y0 && !(worldX(g, mouse.x) > g.xMaximum) &&
           !(worldY(g, mouse.y) > g.yMaximum);
}

TraceSearch traceCurve(const CurveRecord& curve, const PlotGeometry& g, PixelPoint mouse,
                       bool keepTracing) {
    const TraceBox box = traceBox(g);
    const double c = worldX(g, mouse.x);
    const int count = pointCount(curve);
    TraceSearch search{false, mouse.y};
    bool ended = false;
    for (int i = 0; i + 1 < count && !ended; ++i) {
        const double xa = curve.x[i];
        const double xb = curve.x[i + 1];
        if (!(std::min(xa, xb) <= c && c <= std::max(xa, xb))) {
            continue;
        }
        const double y =
            xa == xb ? double(curve.y[i + 1])
                     : curve.y[i] + (c - xa) * (double(curve.y[i + 1]) - curve.y[i]) / (xb - xa);
        if (!(y > -1e30)) {
            // The column falls into a gap of the curve.
            search.y = box.top + (box.bottom - box.top) / 2;
            ended = true;
            break;
        }
        search.y = pixelY(g, y);
        if (box.contains(mouse.x, search.y)) {
            search.found = true;
            ended = true;
        }
    }
    if (!ended) {
        search.y =
            std::clamp(search.y, std::min(box.top, box.bottom), std::max(box.top, box.bottom));
    }
    search.found = search.found || keepTracing;
    return search;
}

TraceSearch traceLine(const LineRecord& line, const PlotGeometry& g, PixelPoint mouse) {
    const SlopeIntercept l = slopeIntercept(line);
    const int32_t y = pixelY(g, l.slope * worldX(g, mouse.x) + l.intercept);
    return {traceBox(g).contains(mouse.x, y), y};
}

bool extendTrace(PlotGeometry& g, PixelPoint& point) {
    const TraceBox box = traceBox(g);
    const int32_t square = g.gridSquare;
    bool moved = false;
    auto scroll = [&](double& minimum, double& maximum, double by) {
        minimum += by;
        maximum += by;
        moved = true;
    };
    if (point.x - box.left < square) {
        point.x += square;
        scroll(g.xMinimum, g.xMaximum, -g.deltaX);
    } else if (box.right - point.x < square) {
        point.x -= square;
        scroll(g.xMinimum, g.xMaximum, g.deltaX);
    }
    if (point.y - box.top < square) {
        point.y += square;
        scroll(g.yMinimum, g.yMaximum, g.deltaY);
    } else if (box.bottom - point.y < square) {
        point.y -= square;
        scroll(g.yMinimum, g.yMaximum, -g.deltaY);
    }
    return moved;
}

bool scrollTowards(GraphProperties& p, double traceX, double traceY) {
    const double xBefore = p.xMinimum;
    const double yBefore = p.yMinimum;
    if (traceX > p.xMouseDown + p.deltaX) {
        p.xMinimum -= p.deltaX;
    } else if (traceX < p.xMouseDown - p.deltaX) {
        p.xMinimum += p.deltaX;
    }
    if (traceY > p.yMouseDown + p.deltaY) {
        p.yMinimum -= p.deltaY;
    } else if (traceY < p.yMouseDown - p.deltaY) {
        p.yMinimum += p.deltaY;
    }
    return p.xMinimum != xBefore || p.yMinimum != yBefore;
}

std::string traceText(double x, double y) {
    return "(" + numberText(x) + "," + numberText(y) + ")";
}

} // namespace plotmark
