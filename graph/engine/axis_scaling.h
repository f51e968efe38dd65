// The scaling rules of one axis as numbers: whole-number ticks, snapping the origin to the
// grid, the visible maximum, zooming, and fitting the range to the data with a nice step.
// The same functions serve x (XMinimum, XMaximum, DeltaX) and y.
#pragma once

#include <cstdint>
#include <optional>

#include "graph_properties.h"

namespace plotmark {

struct AxisScale {
    double minimum;
    double maximum;
    double delta; // world units per grid square
};

AxisScale xAxis(const GraphProperties& properties);
AxisScale yAxis(const GraphProperties& properties);
void storeXAxis(GraphProperties& properties, const AxisScale& axis);
void storeYAxis(GraphProperties& properties, const AxisScale& axis);

// Whether a delta can scale an axis: finite, not zero and not subnormal. (A negative delta
// mirrors the axis; the rules stay defined for it.)
bool usableDelta(double delta);

struct WholeNumberTicks {
    double delta;
    int32_t tickSpace;
};

// ForceInteger: a delta below 0.999 becomes 1/n, one above 1.001 its integer part, and for a
// delta below 0.9 the tick space becomes a multiple of n (at least 2) so ticks fall on whole
// numbers. Only positive finite deltas are changed.
WholeNumberTicks wholeNumberTicks(double delta, int32_t tickSpace);

// The minimum snapped to a whole number of deltas (q = minimum / delta rounded half away from
// zero), kept when |q| <= 0.001, or when the delta is unusable or the result not finite.
double snappedMinimum(double minimum, double delta);

// minimum + pixels * delta / gridSquare: the world value at the far edge of a plot `pixels`
// wide. A result that is not finite leaves `previous`.
double visibleMaximum(double minimum, double delta, int64_t pixels, int32_t gridSquare,
                      double previous);

// Zoom in by 2 around centre: the visible range halves and is centred on it. False, and the
// axis unchanged, when the delta or the halved delta is unusable or a value comes out not
// finite.
bool zoomIn(AxisScale& axis, double centre);
// Zoom out by 2 around the old centre; refused like zoomIn when the doubled delta overflows.
bool zoomOut(AxisScale& axis);

struct NiceStep {
    double step;  // 2, 5 or 10 times a power of ten
    double first; // the first tick value at or below lo
};

// A step for n intervals over lo..hi in single precision. Nothing for n <= 0, a span that is
// not positive and finite, or a step that underflows.
std::optional<NiceStep> niceStep(int32_t n, float lo, float hi);

// Fits the axis to the data bounds lo..hi: the range is kept when it already holds the data
// and the data fill more than 0.4 of it; otherwise minimum and delta become the nice step's
// first value and step for the range's intervals (at most 101) over the bounds widened by 5 %
// on each side. The maximum follows at the next draw. Returns whether the axis changed.
bool fitRange(AxisScale& axis, float lo, float hi);

} // namespace plotmark
