// Where the plot area lies in the sprite's off-screen bitmap, and where the blue grid lines
// fall inside it. Everything is in bitmap pixels: the origin (x0, y0) is where the axes meet.
#pragma once

#include <cstdint>
#include <vector>

#include "graph_properties.h"

namespace plotmark {

// The plot rectangle: the bitmap with its top moved down by TopMargin and its right moved
// left by RightMargin (each only when positive). left and bottom are the bitmap's edges.
struct PlotFrame {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

PlotFrame plotFrame(const GraphProperties& properties, int32_t width, int32_t height);

// Grid lines at origin + k * step (k = 1, 2, ...) while strictly before `limit` in the
// direction of the step (step > 0: below limit; step < 0: above it). A step of 0 draws no
// lines, and the positions never leave +-32767, so the walk always ends.
std::vector<int32_t> gridPositions(int32_t origin, int32_t step, int32_t limit);

} // namespace plotmark
