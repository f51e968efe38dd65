// What a straight line puts on the plot: a full line across the visible x range cut to the
// visible y band, or a segment between its two points; the hatched shading on one side of a
// full line; and the drag handles of the selected line.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "graph_properties.h"
#include "pixel_point.h"
#include "plot_frame.h"
#include "plot_geometry.h"

namespace plotmark {

// A full line (style 0) from x = XMinimum to x = XMaximum, drawn only when it reaches into the
// band [YMinimum, YMaximum]: at least one end at or above YMinimum and not both above
// YMaximum. An end outside the band moves along the line onto the band's edge.
std::optional<PixelSegment> fullLine(const LineRecord& line, const PlotGeometry& geometry);

// The segment between the line's two points (styles 1 and 2), unclipped.
PixelSegment segmentLine(const LineRecord& line, const PlotGeometry& geometry);

// Which side of a full line a shade covers: 1 above, 2 below, 3 above a line rising to the
// right on the screen and below a falling one, 4 the reverse. Nothing for 0 or other values.
enum class ShadeSide { None, Above, Below };
ShadeSide shadeSide(int32_t shade, const PixelSegment& drawn);

// The part of the plot rectangle (x0 to the pixel of XMaximum, the pixel of YMaximum down to
// y0) on one side of the drawn line, as a polygon; empty when nothing lies there or the
// drawn line is a single pixel.
std::vector<PixelPoint> shadePolygon(const PixelSegment& drawn, ShadeSide side,
                                     const PlotGeometry& geometry);

// The seven handles of the selected full line, in pixels of the geometry: 0 and 2 on the
// line one square inside the left and right edges, 1 and 3 one square below the top and above
// the bottom, 4 never shown, 5 where the line crosses x = 0. Fills the geometry's positions
// and enabled flags of handles 0-5; handle 6 (the free drag point) is the mouse's.
void placeHandles(const LineRecord& line, PlotGeometry& geometry);

// The first enabled handle whose centre lies strictly within 5 pixels of the point in both
// directions, or -1.
int32_t handleAt(const PlotGeometry& geometry, PixelPoint point);

// The radius of a handle's circle and half the side of its square.
inline constexpr int32_t kHandleRadius = 5;
// The handle that marks the intercept and is drawn as a square outline.
inline constexpr int32_t kInterceptHandle = 5;
inline constexpr int32_t kFreeHandle = 6;

} // namespace plotmark
