// What a curve puts on the plot: the segments between its points (for the line styles) and
// the symbols at its points (for the point styles), in the pixels of the geometry.
#pragma once

#include <cstdint>
#include <vector>

#include "graph_properties.h"
#include "pixel_point.h"
#include "plot_geometry.h"

namespace plotmark {

// The nearest pixel distance from the origin that curve points are clamped to, so that far
// away points still draw within the device context's 16-bit coordinates.
inline constexpr int32_t kClampPixels = 16000;

// The world window that maps within +-16000 pixels.
struct ClampWindow {
    double xLow, xHigh;
    double yLow, yHigh;
};
ClampWindow clampWindow(const PlotGeometry& geometry);

struct SymbolMark {
    PixelPoint at;
    int16_t symbol; // 0 cross, 1 open square, 2 open triangle, 3 filled circle, 4 filled square
};

struct CurveMarks {
    std::vector<PixelSegment> segments;
    std::vector<SymbolMark> symbols;
};

// Walks the curve's points in order. A point whose y is not above -1e30 is skipped and breaks
// the connection; the others are clamped into the window and mapped. Styles above 0 join each
// point to the previous one, the segment clipped to the right of the vertical axis and above
// the horizontal one; styles other than 1 put the point's symbol where the point lies in that
// quarter.
CurveMarks curveMarks(const CurveRecord& curve, const PlotGeometry& geometry);

// The part of a segment at or right of x = x0 and at or above y = y0 (pixels grow downwards),
// cut by linear interpolation; false when no part lies there.
bool clipToAxes(PixelSegment& segment, int32_t x0, int32_t y0);

} // namespace plotmark
