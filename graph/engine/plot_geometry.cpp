#include "plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "saturate.h"

namespace plotmark {

namespace {

// Far beyond any pixel, yet small enough that adding the origin cannot overflow.
constexpr double kOffsetLimit = 1e6;

// g * offset / delta as the mapping rounds it (add 0.5, truncate toward zero); zero for a
// delta that cannot be divided by.
int64_t scaledOffset(int32_t g, double offset, double delta) {
    if (delta == 0.0 || !std::isfinite(delta)) {
        return 0;
    }
    double v = g * offset / delta + 0.5;
    if (std::isnan(v)) {
        return 0;
    }
    return static_cast<int64_t>(std::clamp(v, -kOffsetLimit, kOffsetLimit));
}

} // namespace

int32_t gridSquare(int32_t blueSpacing) {
    return std::clamp(blueSpacing / 15, 1, kPixelLimit);
}

PlotGeometry placeGeometry(const GraphProperties& p, const PixelRect& rect) {
    PlotGeometry g;
    std::memset(&g, 0, sizeof g);
    g.gridSquare = static_cast<int16_t>(gridSquare(p.blueSpacing));
    g.x0 = static_cast<int16_t>(clampPixel(int64_t{rect.left} + p.leftMargin));
    g.y0 = static_cast<int16_t>(clampPixel(int64_t{rect.bottom} - p.bottomMargin));
    g.xMinimum = p.xMinimum;
    g.yMinimum = p.yMinimum;
    g.xMaximum = p.xMaximum;
    g.yMaximum = p.yMaximum;
    g.deltaX = p.deltaX;
    g.deltaY = p.deltaY;
    g.unselectedPenStyle = static_cast<int16_t>(p.unselectedPenStyle);
    g.showLineHandles = p.showLineHandles;
    g.mode = p.mouseMoveMode;
    g.clickMode = p.mouseClickMode;
    return g;
}

int32_t pixelX(const PlotGeometry& g, double x) {
    return clampPixel(g.x0 + scaledOffset(g.gridSquare, x - g.xMinimum, g.deltaX));
}

int32_t pixelY(const PlotGeometry& g, double y) {
    return clampPixel(g.y0 - scaledOffset(g.gridSquare, y - g.yMinimum, g.deltaY));
}

double worldX(const PlotGeometry& g, int32_t px) {
    if (g.gridSquare <= 0) {
        return g.xMinimum;
    }
    return (static_cast<double>(px) - g.x0) * g.deltaX / g.gridSquare + g.xMinimum;
}

double worldY(const PlotGeometry& g, int32_t py) {
    if (g.gridSquare <= 0) {
        return g.yMinimum;
    }
    return g.yMinimum - (static_cast<double>(py) - g.y0) * g.deltaY / g.gridSquare;
}

int32_t effectiveTickSpace(int32_t tickSpace) {
    return std::max(tickSpace, 1);
}

} // namespace plotmark
