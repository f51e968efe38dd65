#include "axis_ticks.h"

#include <cmath>
#include <cstdio>

#include "number_text.h"
#include "saturate.h"

namespace plotmark {
namespace {

// One axis as the tick walk sees it.
struct AxisWalk {
    double minimum;
    double delta;
    int32_t tickSpace;
    bool forceInteger;
};

// The first tick value: a multiple of the step at or just above the minimum. A step that
// cannot divide leaves the minimum itself.
double firstTickValue(const AxisWalk& a, double step) {
    if (step == 0.0 || !std::isfinite(step)) {
        return a.minimum;
    }
    double v = step * std::trunc(a.minimum / step);
    if (v < a.minimum - 0.1 * a.delta) {
        v += step;
    }
    return std::isfinite(v) ? v : a.minimum;
}

double labelValue(double value, double delta) {
    return std::fabs(value) < 0.1 * std::fabs(delta) ? 0.0 : value;
}

// Walks from the first tick's pixel by `pixelStep` while `before(pixel)` holds; the pixels
// stay within +-32767, so the walk ends even for a limit beyond them.
template <class Before>
std::vector<Tick> walk(const AxisWalk& a, int32_t firstPixel, double firstWorld, int32_t pixelStep,
                       Before before) {
    std::vector<Tick> ticks;
    const double step = a.tickSpace * a.delta;
    int64_t pixel = firstPixel;
    for (int k = 0; before(pixel) && pixel >= -kPixelLimit && pixel <= kPixelLimit; ++k) {
        const double value = labelValue(firstWorld + k * step, a.delta);
        ticks.push_back({static_cast<int32_t>(pixel), tickLabel(value, a.forceInteger)});
        if (pixelStep == 0) {
            break; // a geometry never placed: one tick, not an endless row
        }
        pixel += pixelStep;
    }
    return ticks;
}

} // namespace

std::string tickLabel(double value, bool forceInteger) {
    if (!forceInteger) {
        return numberText(value);
    }
    const int32_t whole = saturateInt(value > -0.1 ? value + 0.001 : value - 0.001);
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(whole));
    return text;
}

std::vector<Tick> xTicks(const GraphProperties& p, const PlotGeometry& g, int32_t plotRight) {
    const AxisWalk a{p.xMinimum, p.deltaX, effectiveTickSpace(p.xTickSpace), p.forceIntegerX != 0};
    const int32_t first = pixelX(g, firstTickValue(a, a.tickSpace * a.delta));
    const int32_t pixelStep = clampPixel(int64_t{a.tickSpace} * g.gridSquare);
    return walk(a, first, worldX(g, first), pixelStep,
                [plotRight](int64_t x) { return x < plotRight; });
}

std::vector<Tick> yTicks(const GraphProperties& p, const PlotGeometry& g, int32_t plotTop) {
    const AxisWalk a{p.yMinimum, p.deltaY, effectiveTickSpace(p.yTickSpace), p.forceIntegerY != 0};
    const int32_t first = pixelY(g, firstTickValue(a, a.tickSpace * a.delta));
    const int32_t pixelStep = -clampPixel(int64_t{a.tickSpace} * g.gridSquare);
    return walk(a, first, worldY(g, first), pixelStep,
                [plotTop](int64_t y) { return y > plotTop; });
}

} // namespace plotmark
