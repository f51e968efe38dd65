// Editing a curve's points: appending, removing the last, emptying and compacting runs of
// breaks before a fit.
#pragma once

#include <cstdint>

#include "graph_properties.h"

namespace plotmark {

// The number of points a curve holds, bounded to 0..kMaxCurvePoints so that a damaged count
// never indexes outside the arrays.
int pointCount(const CurveRecord& curve);

// The y a new point gets for a written YNewValue: values above 1e32 or below -1e32, infinities
// and NaN become the break value -1e32.
double breakOrValue(double y);

// Appends (x, y) with the symbol, both narrowed to single precision. Nothing happens when the
// curve already holds kMaxCurvePoints, or when x is not finite once narrowed (such a point
// could never be drawn or fitted). Returns whether the point was appended.
bool appendPoint(CurveRecord& curve, double x, double y, int32_t symbol);

// Removes the last point; false when the curve is empty.
bool removeLastPoint(CurveRecord& curve);

void emptyCurve(CurveRecord& curve);

// Collapses each run of breaks to one, drops leading and trailing breaks, and tells whether
// the curve is clean: true when no valid point after the first follows a break (no gaps).
bool compactCurve(CurveRecord& curve);

} // namespace plotmark
