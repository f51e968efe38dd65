// Which curve and which line are current, and the styles a newly current empty one takes.
#pragma once

#include "graph_properties.h"

namespace plotmark {

// After CurrentCurve was stored: every curve's selected and hit flags are cleared, the current
// curve is marked selected, and if it is empty it takes CurveStyle. An index that names no
// curve leaves every curve unselected.
void selectCurrentCurve(GraphProperties& properties);

// The same for CurrentLine over the lines, with LineStyle.
void selectCurrentLine(GraphProperties& properties);

// The lowest index of a curve (line) without points, or -1 when every one holds points.
int firstEmptyCurve(const GraphProperties& properties);
int firstEmptyLine(const GraphProperties& properties);

} // namespace plotmark
