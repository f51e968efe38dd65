// The numbered ticks of the two axes: where each tick falls (in the pixels of the geometry)
// and the text of its label.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graph_properties.h"
#include "plot_geometry.h"

namespace plotmark {

struct Tick {
    int32_t pixel; // x of an x tick, y of a y tick
    std::string label;
};

// x ticks from the first multiple of XTickSpace * DeltaX at or right of XMinimum (within a
// tenth of a square), every XTickSpace squares, while left of plotRight. The labels count on
// from the world value of the first tick's pixel; values within a tenth of DeltaX of zero
// read 0; with ForceIntegerX they are whole numbers ("%d"), otherwise number texts.
std::vector<Tick> xTicks(const GraphProperties& properties, const PlotGeometry& geometry,
                         int32_t plotRight);

// The same for y, upwards from the x axis while below plotTop.
std::vector<Tick> yTicks(const GraphProperties& properties, const PlotGeometry& geometry,
                         int32_t plotTop);

// A tick label: "%d" of the value moved 0.001 away from zero and truncated when whole
// numbers are forced (values down to -0.1 count as non-negative), else the number text.
std::string tickLabel(double value, bool forceInteger);

} // namespace plotmark
