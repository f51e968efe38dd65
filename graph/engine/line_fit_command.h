// Fitting a straight line through the current curve into the current line (Action 13).
#pragma once

#include <optional>

#include "graph_effect.h"
#include "graph_properties.h"

namespace plotmark {

// Compacts the current curve; a curve with a gap between valid points is refused with the
// "invalid points" message. Otherwise a degree-1 fit gives the current line the two points at
// XMinimum and XMaximum (symbol CurrentSymbol, shade 0) and Pearson the curve's coefficient.
// A singular system gives the "Singular Matrix" message and leaves line and Pearson as they
// were. Nothing happens when CurrentCurve names no curve; with no current line only Pearson
// is set. Returns the message to show, if any.
std::optional<MessageBoxText> fitCurrentCurve(GraphProperties& properties);

} // namespace plotmark
