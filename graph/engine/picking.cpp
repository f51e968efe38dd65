// Picking curves and lines near the mouse-down point, in pixels of the sprite's geometry, and
// redefining the current line from its handles.
#include "picking.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fit.h"
#include "line_equation.h"

namespace plotmark {
namespace {

struct Pixel {
    double x;
    double y;
};

Pixel pixelOf(const PlotGeometry& g, double x, double y) {
    return {static_cast<double>(pixelX(g, x)), static_cast<double>(pixelY(g, y))};
}

// The distance from p to the infinite line through a and b, truncated to whole pixels; the
// distance to a when both points are one.
int64_t distanceToLine(Pixel p, Pixel a, Pixel b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    const double distance = length > 0.0 ? std::fabs(dy * (p.x - a.x) - dx * (p.y - a.y)) / length
                                         : std::hypot(p.x - a.x, p.y - a.y);
    return static_cast<int64_t>(std::min(distance, 1e9));
}

// One pixel coordinate moved `by` pixels away from another.
double awayFrom(double value, double other, double by) {
    return value <= other ? value - by : value + by;
}

bool segmentHit(Pixel mouse, Pixel p, Pixel q) {
    const Pixel pw{awayFrom(p.x, q.x, 5), awayFrom(p.y, q.y, 10)};
    const Pixel qw{q.x >= p.x ? q.x + 5 : q.x - 5, q.y >= p.y ? q.y + 5 : q.y - 5};
    const bool inBox = mouse.x >= std::min(pw.x, qw.x) && mouse.x <= std::max(pw.x, qw.x) &&
                       mouse.y >= std::min(pw.y, qw.y) && mouse.y <= std::max(pw.y, qw.y);
    return inBox && distanceToLine(mouse, pw, qw) < kPickDistance;
}

bool curveHit(const CurveRecord& curve, const PlotGeometry& g, Pixel mouse) {
    const int count = std::clamp(curve.count, 0, kMaxCurvePoints);
    for (int i = 0; i + 1 < count; ++i) {
        if (!isValidY(curve.y[i]) || !isValidY(curve.y[i + 1])) {
            continue;
        }
        if (segmentHit(mouse, pixelOf(g, curve.x[i], curve.y[i]),
                       pixelOf(g, curve.x[i + 1], curve.y[i + 1]))) {
            return true;
        }
    }
    return false;
}

struct WorldPoint {
    double x;
    double y;
};

WorldPoint handleWorld(const PlotGeometry& g, int h) {
    return {worldX(g, g.handleX[h]), worldY(g, g.handleY[h])};
}

} // namespace

bool checkCurveSelect(GraphProperties& p, PlotGeometry& g) {
    for (CurveRecord& curve : p.curves) {
        curve.selected = 0;
        curve.hit = 0;
    }
    const Pixel mouse = pixelOf(g, p.xMouseDown, p.yMouseDown);
    for (int index = 0; index < kCurveCount; ++index) {
        CurveRecord& curve = p.curves[index];
        if (curve.count < 2 || !curveHit(curve, g, mouse)) {
            continue;
        }
        curve.selected = 1;
        curve.hit = 1;
        if (curve.style > 0) {
            g.mode = 2;
        }
        p.mouseMoveMode = 2;
        p.currentCurve = index;
        p.traceColor = 0xFFFFFFu - curve.color;
        return true;
    }
    return false;
}

bool checkLineSelect(GraphProperties& p, PlotGeometry& g) {
    for (LineRecord& line : p.lines) {
        line.selected = 0;
        line.hit = 0;
    }
    const Pixel mouse = pixelOf(g, p.xMouseDown, p.yMouseDown);
    for (int index = 0; index < kLineCount; ++index) {
        LineRecord& line = p.lines[index];
        if (line.count < 2 || distanceToLine(mouse, pixelOf(g, line.x[0], line.y[0]),
                                             pixelOf(g, line.x[1], line.y[1])) >= kPickDistance) {
            continue;
        }
        line.selected = 1;
        line.hit = 1;
        line.grabX = static_cast<float>(p.xMouseDown);
        line.grabY = static_cast<float>(p.yMouseDown);
        g.mode = 3;
        p.mouseMoveMode = 3;
        p.currentLine = index;
        return true;
    }
    return false;
}

void redefineCurrentLine(GraphProperties& p, PlotGeometry& g, int32_t handle) {
    LineRecord* line = currentLine(p);
    if (g.showLineHandles == 0 || line == nullptr || line->count < 2 || handle < 0 ||
        handle >= kHandleCount) {
        return;
    }
    const double slope = slopeIntercept(*line).slope;
    auto setPoint = [&](int k, WorldPoint w) {
        line->x[k] = static_cast<float>(w.x);
        line->y[k] = static_cast<float>(w.y);
    };
    if (handle <= 3) {
        setPoint(0, handleWorld(g, handle));
        int other = g.handleEnabled[5] != 0 ? 5 : -1;
        for (int j = 0; j <= 3 && other < 0; ++j) {
            if (j != handle && g.handleEnabled[j] != 0) {
                other = j;
            }
        }
        if (other >= 0) {
            setPoint(1, handleWorld(g, other));
        }
    } else if (handle == 4) {
        if (slope != 0.0 && std::isfinite(slope)) {
            const double c = handleWorld(g, 4).x;
            line->x[0] = static_cast<float>(line->y[0] / slope + c);
            line->x[1] = static_cast<float>(line->y[1] / slope + c);
        }
    } else if (handle == 5) {
        const double c = handleWorld(g, 5).y;
        line->y[0] = static_cast<float>(slope * line->x[0] + c);
        line->y[1] = static_cast<float>(slope * line->x[1] + c);
    } else {
        setPoint(0, handleWorld(g, 6));
    }
    const SlopeIntercept after = slopeIntercept(*line);
    const std::string text = lineEquation(after.slope, after.intercept, g.deltaY);
    std::memset(g.equationText, 0, sizeof g.equationText);
    std::memcpy(g.equationText, text.data(), std::min(text.size(), sizeof g.equationText - 1));
}

} // namespace plotmark
