// Picking with the mouse and redefining the current line from its handles: the member's
// methods "CheckCurveSelect", "CheckLineSelect" and "RedefineCurrentLine", computed on the
// calling sprite's plot geometry.
#pragma once

#include <cstdint>

#include "graph_properties.h"
#include "plot_geometry.h"

namespace plotmark {

// Picking distance in pixels: a curve or line is picked when the mouse-down point lies
// closer than this.
inline constexpr int kPickDistance = 10;

// Clears every curve's selected and hit flags, then picks the first curve (index order, at
// least two points) with a segment near the mouse-down point: the segment's box widened by 5
// pixels at each x end, 10 at the first point's y end and 5 at the second's, and the distance
// to the line through the widened corners below 10. A segment touching a break point is not
// drawn and cannot be picked. The picked curve becomes current and selected and hit,
// MouseMoveMode becomes 2 (the geometry's mode too when the curve is drawn with lines), and
// the trace colour the complement of its colour. True when a curve was picked.
bool checkCurveSelect(GraphProperties& properties, PlotGeometry& geometry);

// Clears every line's selected and hit flags, then picks the first line (index order, two
// points) whose infinite extension passes closer than 10 pixels to the mouse-down point; a
// line whose points fall on one pixel is measured from that pixel. The picked line becomes
// current, selected and hit, remembers the mouse-down point as its grab point, and mode 3
// goes to MouseMoveMode and the geometry. True when a line was picked.
bool checkLineSelect(GraphProperties& properties, PlotGeometry& geometry);

// Recomputes the current line from the geometry's line handles after handle `handle` (0-6)
// moved: an end handle turns the line about another handle point, handle 4 shifts it
// sideways and handle 5 up or down with the same slope, handle 6 moves its first point. Then
// the geometry's equation text describes the new line. Nothing happens unless the geometry
// shows line handles and the current line has two points; a sideways shift of a horizontal
// line (slope 0) is impossible and leaves it.
void redefineCurrentLine(GraphProperties& properties, PlotGeometry& geometry, int32_t handle);

} // namespace plotmark
