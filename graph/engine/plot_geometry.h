// A sprite's plot geometry: where the axes meet on the screen, the grid square in pixels and
// the world values of the axes, with the two mappings between world and pixel coordinates.
// Each full draw refreshes it; the mouse handling and the member's methods read it.
#pragma once

#include <cstdint>

#include "graph_properties.h"

namespace plotmark {

inline constexpr int kHandleCount = 7;

struct PlotGeometry {
    int16_t gridSquare; // pixels per grid square, at least 1 once placed
    int16_t x0;         // pixel of the world point (XMinimum, YMinimum)
    int16_t y0;
    double xMinimum;
    double yMinimum;
    double xMaximum;
    double yMaximum;
    double deltaX;
    double deltaY;
    int32_t handleEnabled[kHandleCount];
    int32_t handleX[kHandleCount];
    int32_t handleY[kHandleCount];
    int16_t unselectedPenStyle;
    int32_t showLineHandles;
    char equationText[kTextSize]; // the label of the line picked during the last draw
    int32_t mode;                 // the sprite's copy of MouseMoveMode
    int32_t clickMode;            // the sprite's copy of MouseClickMode
};

// The sprite rectangle in pixels.
struct PixelRect {
    int32_t top;
    int32_t left;
    int32_t bottom;
    int32_t right;
};

// The grid square for a BlueSpacing: BlueSpacing / 15 (integer division), kept within
// 1..32767 so that every mapping can divide by it and every grid loop advances.
int32_t gridSquare(int32_t blueSpacing);

// The geometry for the member's values on a sprite rectangle: the grid square, the origin
// (left + LeftMargin, bottom - BottomMargin, within +-32767), the copies of the axis values
// and of the sprite's options. Handles and the equation text start empty.
PlotGeometry placeGeometry(const GraphProperties& properties, const PixelRect& rect);

// World to pixel: x0 + round(g (x - XMinimum) / DeltaX) and y0 - round(g (y - YMinimum) /
// DeltaY), within +-32767. A zero or non-finite delta maps every value onto the axis.
int32_t pixelX(const PlotGeometry& geometry, double x);
int32_t pixelY(const PlotGeometry& geometry, double y);

// Pixel to world, without rounding. A geometry that was never placed (grid square 0) maps
// every pixel to the minimum.
double worldX(const PlotGeometry& geometry, int32_t px);
double worldY(const PlotGeometry& geometry, int32_t py);

// A tick space as the drawing steps by it: values below 1 act as 1.
int32_t effectiveTickSpace(int32_t tickSpace);

} // namespace plotmark
