// The model effect of each Action code: emptying curves and lines, removing points, the line
// of a mouse drag, the fit, new curve and line, zooms and range fits.
#pragma once

#include <cstdint>
#include <optional>

#include "graph_effect.h"
#include "graph_properties.h"

namespace plotmark {

enum ActionCode : int32_t {
    kEmptyCurve = 1,
    kEmptyLine = 2,
    kRemoveLastPoint = 7,
    kEmptyAll = 9,
    kLineFromDrag = 11,
    kFitLine = 13,
    kNewCurve = 21,
    kNewLine = 22,
    kZoomInX = 31,
    kZoomInY = 32,
    kZoomOutX = 33,
    kZoomOutY = 34,
    kFitRangeX = 35,
    kFitRangeY = 36,
};

// Runs the command of code on the model (any other code does nothing) and returns the
// message box it asks for, if any. The zoom and range commands change XMinimum, DeltaX (and
// XMaximum for zooms), or the same for y; the next draw recomputes the maxima.
std::optional<MessageBoxText> runAction(GraphProperties& properties, int32_t code);

} // namespace plotmark
