#include "curve_marks.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "curve_points.h"
#include "saturate.h"

namespace plotmark {
namespace {

// The world values whose pixels lie `low` and `high` pixels from the origin; ordered, so a
// negative delta (a mirrored axis) still gives a window.
std::pair<double, double> window(double minimum, double delta, int32_t g, double low, double high) {
    const double a = minimum + delta * low / g;
    const double b = minimum + delta * high / g;
    return {std::min(a, b), std::max(a, b)};
}

double clampValue(double v, double low, double high) {
    if (std::isnan(v)) {
        return v; // the mapping puts NaN on the axis
    }
    return std::clamp(v, low, high);
}

// One end of a segment moved along it onto x = edge (vertical) or y = edge.
PixelPoint cutAt(PixelPoint a, PixelPoint b, int32_t edge, bool vertical) {
    const double t = vertical ? double(edge - a.x) / (b.x - a.x) : double(edge - a.y) / (b.y - a.y);
    if (vertical) {
        return {edge, saturateInt(std::round(a.y + t * (b.y - a.y)))};
    }
    return {saturateInt(std::round(a.x + t * (b.x - a.x))), edge};
}

} // namespace

ClampWindow clampWindow(const PlotGeometry& g) {
    ClampWindow w{};
    const int32_t square = std::max<int32_t>(g.gridSquare, 1);
    std::tie(w.xLow, w.xHigh) =
        window(g.xMinimum, g.deltaX, square, -(kClampPixels + double(g.x0)), kClampPixels - g.x0);
    // Pixel y grows downwards: y0 - 16000 is the top of the window.
    std::tie(w.yLow, w.yHigh) =
        window(g.yMinimum, g.deltaY, square, -(kClampPixels - double(g.y0)), kClampPixels + g.y0);
    return w;
}

bool clipToAxes(PixelSegment& s, int32_t x0, int32_t y0) {
    PixelPoint& a = s.from;
    PixelPoint& b = s.to;
    if (a.x < x0 && b.x < x0) {
        return false;
    }
    if (a.x < x0) {
        a = cutAt(a, b, x0, true);
    } else if (b.x < x0) {
        b = cutAt(b, a, x0, true);
    }
    if (a.y > y0 && b.y > y0) {
        return false;
    }
    if (a.y > y0) {
        a = cutAt(a, b, y0, false);
    } else if (b.y > y0) {
        b = cutAt(b, a, y0, false);
    }
    return true;
}

CurveMarks curveMarks(const CurveRecord& curve, const PlotGeometry& g) {
    CurveMarks marks;
    const int count = pointCount(curve);
    const ClampWindow w = clampWindow(g);
    const bool joined = curve.style > 0;
    const bool symbols = curve.style != 1;
    if (joined) {
        marks.segments.reserve(count);
    }
    if (symbols) {
        marks.symbols.reserve(count);
    }
    bool havePrevious = false;
    PixelPoint previous{};
    for (int i = 0; i < count; ++i) {
        if (!(curve.y[i] > -1e30f)) {
            havePrevious = false;
            continue;
        }
        const PixelPoint at{pixelX(g, clampValue(curve.x[i], w.xLow, w.xHigh)),
                            pixelY(g, clampValue(curve.y[i], w.yLow, w.yHigh))};
        if (joined && havePrevious) {
            PixelSegment segment{previous, at};
            if (clipToAxes(segment, g.x0, g.y0)) {
                marks.segments.push_back(segment);
            }
        }
        if (symbols && at.x >= g.x0 && at.y <= g.y0) {
            marks.symbols.push_back({at, curve.symbol[i]});
        }
        previous = at;
        havePrevious = true;
    }
    return marks;
}

} // namespace plotmark
