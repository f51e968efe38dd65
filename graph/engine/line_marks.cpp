#include "line_marks.h"

#include <cmath>
#include <cstdlib>

#include "fit.h"
#include "saturate.h"

namespace plotmark {
namespace {

struct WorldPoint {
    double x;
    double y;
};

PixelPoint toPixel(const PlotGeometry& g, WorldPoint w) {
    return {pixelX(g, w.x), pixelY(g, w.y)};
}

// x on the line at height y; the line is known not to be horizontal.
double xAt(const SlopeIntercept& line, double y) {
    return (y - line.intercept) / line.slope;
}

struct DoublePoint {
    double x;
    double y;
};

// Which side of the directed line a point lies: negative above it on the screen (for a line
// drawn left to right), positive below.
double sideOf(const PixelSegment& line, DoublePoint p) {
    const double dx = double(line.to.x) - line.from.x;
    const double dy = double(line.to.y) - line.from.y;
    return dx * (p.y - line.from.y) - dy * (p.x - line.from.x);
}

// One step of polygon clipping: keeps the part of the polygon where keep(side) holds.
template <class Keep>
std::vector<DoublePoint> clipPolygon(const std::vector<DoublePoint>& polygon,
                                     const PixelSegment& line, Keep keep) {
    std::vector<DoublePoint> out;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const DoublePoint a = polygon[i];
        const DoublePoint b = polygon[(i + 1) % polygon.size()];
        const double sa = sideOf(line, a);
        const double sb = sideOf(line, b);
        if (keep(sa)) {
            out.push_back(a);
        }
        if (keep(sa) != keep(sb)) {
            const double t = sa / (sa - sb);
            out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
        }
    }
    return out;
}

} // namespace

std::optional<PixelSegment> fullLine(const LineRecord& line, const PlotGeometry& g) {
    const SlopeIntercept l = slopeIntercept(line);
    WorldPoint left{g.xMinimum, l.slope * g.xMinimum + l.intercept};
    WorldPoint right{g.xMaximum, l.slope * g.xMaximum + l.intercept};
    const bool reaches = (left.y >= g.yMinimum || right.y >= g.yMinimum) &&
                         !(left.y > g.yMaximum && right.y > g.yMaximum);
    if (!reaches) {
        return std::nullopt;
    }
    // Only a sloped line has an end outside the band while the other is inside or beyond the
    // opposite edge, so the division is safe.
    for (WorldPoint* end : {&left, &right}) {
        if (end->y < g.yMinimum) {
            *end = {xAt(l, g.yMinimum), g.yMinimum};
        } else if (end->y > g.yMaximum) {
            *end = {xAt(l, g.yMaximum), g.yMaximum};
        }
    }
    return PixelSegment{toPixel(g, left), toPixel(g, right)};
}

PixelSegment segmentLine(const LineRecord& line, const PlotGeometry& g) {
    return {toPixel(g, {line.x[0], line.y[0]}), toPixel(g, {line.x[1], line.y[1]})};
}

ShadeSide shadeSide(int32_t shade, const PixelSegment& drawn) {
    const bool rises = drawn.to.y < drawn.from.y;
    switch (shade) {
    case 1:
        return ShadeSide::Above;
    case 2:
        return ShadeSide::Below;
    case 3:
        return rises ? ShadeSide::Above : ShadeSide::Below;
    case 4:
        return rises ? ShadeSide::Below : ShadeSide::Above;
    default:
        return ShadeSide::None;
    }
}

std::vector<PixelPoint> shadePolygon(const PixelSegment& drawn, ShadeSide side,
                                     const PlotGeometry& g) {
    std::vector<PixelPoint> result;
    if (side == ShadeSide::None || drawn.from == drawn.to) {
        return result;
    }
    // The line is drawn from the left end to the right one; "above" is then the negative side.
    PixelSegment line = drawn;
    if (line.to.x < line.from.x) {
        std::swap(line.from, line.to);
    }
    const double left = g.x0;
    const double right = pixelX(g, g.xMaximum);
    const double top = pixelY(g, g.yMaximum);
    const double bottom = g.y0;
    const std::vector<DoublePoint> plot{{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    const std::vector<DoublePoint> clipped =
        side == ShadeSide::Above ? clipPolygon(plot, line, [](double s) { return s <= 0.0; })
                                 : clipPolygon(plot, line, [](double s) { return s >= 0.0; });
    if (clipped.size() < 3) {
        return result;
    }
    for (const DoublePoint& p : clipped) {
        result.push_back({saturateInt(std::round(p.x)), saturateInt(std::round(p.y))});
    }
    return result;
}

void placeHandles(const LineRecord& line, PlotGeometry& g) {
    for (int h = 0; h < kFreeHandle; ++h) {
        g.handleEnabled[h] = 0;
    }
    const SlopeIntercept l = slopeIntercept(line);
    auto place = [&](int h, WorldPoint w, bool shown) {
        if (!shown) {
            return;
        }
        const PixelPoint p = toPixel(g, w);
        g.handleEnabled[h] = 1;
        g.handleX[h] = p.x;
        g.handleY[h] = p.y;
    };
    auto strictlyBetween = [](double v, double low, double high) { return v > low && v < high; };
    const double innerLeft = g.xMinimum + g.deltaX;
    const double innerRight = g.xMaximum - g.deltaX;
    const double innerBottom = g.yMinimum + g.deltaY;
    const double innerTop = g.yMaximum - g.deltaY;
    for (const auto& [h, x] : {std::pair{0, innerLeft}, std::pair{2, innerRight}}) {
        const double y = l.slope * x + l.intercept;
        place(h, {x, y}, strictlyBetween(y, innerBottom, innerTop));
    }
    for (const auto& [h, y] : {std::pair{1, innerTop}, std::pair{3, innerBottom}}) {
        // A horizontal line never reaches these heights (x would be infinite).
        const double x = l.slope != 0.0 ? xAt(l, y) : NAN;
        place(h, {x, y}, strictlyBetween(x, innerLeft, innerRight));
    }
    place(kInterceptHandle, {0.0, l.intercept},
          strictlyBetween(l.intercept, g.yMinimum, g.yMaximum) && g.xMinimum <= -g.deltaX &&
              g.deltaX <= g.xMaximum);
}

int32_t handleAt(const PlotGeometry& g, PixelPoint point) {
    for (int h = 0; h < kHandleCount; ++h) {
        if (g.handleEnabled[h] != 0 &&
            std::llabs(int64_t{point.x} - g.handleX[h]) < kHandleRadius &&
            std::llabs(int64_t{point.y} - g.handleY[h]) < kHandleRadius) {
            return h;
        }
    }
    return -1;
}

} // namespace plotmark
