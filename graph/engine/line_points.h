// Defining and emptying the straight lines.
#pragma once

#include <cstdint>

#include "graph_properties.h"

namespace plotmark {

// The line through (x1, y1) and (x2, y2), both points with the symbol, narrowed to single
// precision. The shade, colour and style stay.
void defineLine(LineRecord& line, double x1, double y1, double x2, double y2, int32_t symbol);

// No points and no shade.
void emptyLine(LineRecord& line);

// "PlotLine": the current line becomes the two points with CurrentSymbol, keeping its shade.
// Nothing happens when CurrentLine names no line.
void plotLine(GraphProperties& properties, double x1, double y1, double x2, double y2);

} // namespace plotmark
