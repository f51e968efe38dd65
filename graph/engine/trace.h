// Tracing: where the trace point goes when the mouse moves over a plot with a picked curve or
// line, the one-square scroll of an extended trace, the scroll of a drag over the empty plot,
// and the trace text. Pixels are those of the geometry (the sprite's screen position).
#pragma once

#include <cstdint>
#include <string>

#include "graph_properties.h"
#include "pixel_point.h"
#include "plot_geometry.h"

namespace plotmark {

// The plot area as the trace sees it: left x0, bottom y0, right and top the pixels of the
// visible maxima.
struct TraceBox {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    // Right and bottom edges excluded.
    bool contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
};
TraceBox traceBox(const PlotGeometry& geometry);

// The mouse is inside the plot when it is right of and above the origin and its world point
// lies not beyond XMaximum or YMaximum.
bool insidePlot(const PlotGeometry& geometry, PixelPoint mouse);

struct TraceSearch {
    bool found;
    int32_t y; // the pixel y of the trace point
};

// Along the curve at the mouse's column: the first pair of consecutive points whose x values
// enclose the column's world x (inclusive) and whose interpolated y maps into the box. A pair
// through a break puts the trace in the middle of the box and fails; no pair found clamps the
// last y tried (the mouse's at first) into the box and fails. `keepTracing` (already tracing,
// or an extended trace) counts every search as found.
TraceSearch traceCurve(const CurveRecord& curve, const PlotGeometry& geometry, PixelPoint mouse,
                       bool keepTracing);

// Along the line at the mouse's column: found when the line's pixel there lies in the box.
TraceSearch traceLine(const LineRecord& line, const PlotGeometry& geometry, PixelPoint mouse);

// The extended trace: a trace point less than one grid square from an edge of the box moves
// one square inwards, and the geometry's view scrolls one delta that way (x: left edge lower,
// right edge higher; y: top edge higher, bottom edge lower). Returns whether it moved.
bool extendTrace(PlotGeometry& geometry, PixelPoint& point);

// A drag over the empty plot in a select mode scrolls the member's view one delta towards
// the drag when the trace point lies more than one delta from the mouse-down point. Returns
// whether a minimum changed.
bool scrollTowards(GraphProperties& properties, double traceX, double traceY);

// "(" x "," y ")" with the number texts.
std::string traceText(double x, double y);

} // namespace plotmark
