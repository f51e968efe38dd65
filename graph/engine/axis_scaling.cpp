#include "axis_scaling.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "saturate.h"

namespace plotmark {

namespace {

bool allFinite(const AxisScale& a) {
    return std::isfinite(a.minimum) && std::isfinite(a.maximum) && std::isfinite(a.delta);
}

// The whole number of deltas the visible range spans.
int32_t intervals(const AxisScale& a) {
    return saturateInt((a.maximum - a.minimum) / a.delta);
}

} // namespace

AxisScale xAxis(const GraphProperties& p) {
    return {p.xMinimum, p.xMaximum, p.deltaX};
}
AxisScale yAxis(const GraphProperties& p) {
    return {p.yMinimum, p.yMaximum, p.deltaY};
}

void storeXAxis(GraphProperties& p, const AxisScale& a) {
    p.xMinimum = a.minimum;
    p.xMaximum = a.maximum;
    p.deltaX = a.delta;
}

void storeYAxis(GraphProperties& p, const AxisScale& a) {
    p.yMinimum = a.minimum;
    p.yMaximum = a.maximum;
    p.deltaY = a.delta;
}

bool usableDelta(double delta) {
    return std::isfinite(delta) && std::fabs(delta) >= std::numeric_limits<double>::min();
}

WholeNumberTicks wholeNumberTicks(double delta, int32_t tickSpace) {
    WholeNumberTicks t{delta, tickSpace};
    if (!(delta > 0.0) || !std::isfinite(delta)) {
        return t;
    }
    if (t.delta < 0.999) {
        int32_t n = saturateInt(1.001 / t.delta);
        t.delta = 1.0 / n;
    }
    if (t.delta > 1.001) {
        t.delta = std::trunc(t.delta + 0.001);
    }
    if (t.delta < 0.9) {
        int32_t n = saturateInt(1.001 / t.delta);
        if (t.tickSpace > n) {
            n = n * (t.tickSpace / n);
        }
        t.tickSpace = std::max(n, 2);
    }
    return t;
}

double snappedMinimum(double minimum, double delta) {
    if (!usableDelta(delta)) {
        return minimum;
    }
    double q = minimum / delta;
    double snapped = minimum;
    if (q < -0.001) {
        snapped = delta * std::trunc(q - 0.5);
    } else if (q > 0.001) {
        snapped = delta * std::trunc(q + 0.5);
    }
    return std::isfinite(snapped) ? snapped : minimum;
}

double visibleMaximum(double minimum, double delta, int64_t pixels, int32_t gridSquare,
                      double previous) {
    double maximum = minimum + static_cast<double>(pixels) * delta / std::max(gridSquare, 1);
    return std::isfinite(maximum) ? maximum : previous;
}

bool zoomIn(AxisScale& axis, double centre) {
    if (!usableDelta(axis.delta) || !usableDelta(axis.delta * 0.5)) {
        return false;
    }
    int32_t n = intervals(axis);
    AxisScale z;
    z.minimum = centre - n * axis.delta * 0.25;
    z.delta = axis.delta * 0.5;
    z.minimum = z.delta * std::trunc(z.minimum / z.delta);
    z.maximum = z.minimum + n * z.delta;
    if (!allFinite(z)) {
        return false;
    }
    axis = z;
    return true;
}

bool zoomOut(AxisScale& axis) {
    if (!usableDelta(axis.delta) || !usableDelta(axis.delta * 2.0)) {
        return false;
    }
    int32_t n = intervals(axis);
    AxisScale z;
    z.minimum = axis.minimum - n * axis.delta * 0.5;
    z.delta = axis.delta * 2.0;
    z.minimum = z.delta * std::trunc(z.minimum / z.delta);
    z.maximum = z.minimum + n * z.delta;
    if (!allFinite(z)) {
        return false;
    }
    axis = z;
    return true;
}

std::optional<NiceStep> niceStep(int32_t n, float lo, float hi) {
    float span = hi - lo;
    if (n <= 0 || !(span > 0.0f) || !std::isfinite(span)) {
        return std::nullopt;
    }
    float raw = span / (static_cast<float>(n) + 0.01f);
    if (!(raw > 0.0f)) {
        return std::nullopt; // a span so small that the interval underflows
    }
    int32_t e = saturateInt(std::log10(raw));
    if (raw < 0.9999f) {
        e -= 1;
    }
    float power = 1.0f;
    for (int32_t i = 0; i < e; ++i) {
        power *= 10.0f;
    }
    for (int32_t i = 0; i > e; --i) {
        power /= 10.0f;
    }
    if (!(power > 0.0f) || !std::isfinite(power)) {
        return std::nullopt;
    }
    float m = raw / power;
    float factor = 10.0f;
    for (float candidate : {2.0f, 5.0f, 10.0f}) {
        if (candidate > m) {
            factor = candidate;
            break;
        }
    }
    float step = power * factor;
    if (!(step > 0.0f) || !std::isfinite(step)) {
        return std::nullopt;
    }
    int64_t whole = saturateInt(lo / step);
    if (lo < 0.0f) {
        whole -= 1;
    }
    float first = step * static_cast<float>(whole);
    return NiceStep{step, first};
}

bool fitRange(AxisScale& axis, float lo, float hi) {
    if (lo >= axis.minimum && hi <= axis.maximum &&
        (hi - lo) > 0.4 * (axis.maximum - axis.minimum)) {
        return false;
    }
    if (!usableDelta(axis.delta)) {
        return false;
    }
    int32_t n = std::min(intervals(axis), 101);
    float margin = 0.05f * (hi - lo);
    std::optional<NiceStep> nice = niceStep(n, lo - margin, hi + margin);
    if (!nice) {
        return false;
    }
    axis.minimum = nice->first;
    axis.delta = nice->step;
    return true;
}

} // namespace plotmark
