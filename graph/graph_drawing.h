// The painting steps of a full draw, each on the sprite's off-screen bitmap, in bitmap pixels:
// the grid, axes, ticks and captions; the lines; the curves. The decisions (which pixels,
// which texts) come from the engine; these functions only paint them.
#pragma once

#include <cstdint>

#include <windows.h>

#include "engine/graph_properties.h"
#include "engine/pixel_point.h"
#include "engine/plot_frame.h"
#include "engine/plot_geometry.h"
#include "zxplugin/gdi_guards.h"

namespace plotmark {

struct PlotCanvas {
    HDC dc;
    GraphProperties& p;
    PlotGeometry& g; // origin relative to the bitmap while drawing
    PlotFrame frame;
    int32_t width;
    int32_t height;
    UINT textAlign = 0; // the alignment the ticks and captions left, for the line label
};

// Clips the bitmap's drawing to a rectangle (the region is the device context's own copy).
void clipTo(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);

// A font of the plot's texts: Arial or Arial Narrow, ANSI, character clipping precision; an
// escapement of 900 reads upwards.
zx::GdiObject<HFONT> plotFont(const char* face, int32_t weight, int32_t escapement = 0);

// Selects a font, or the stock system font when it could not be made.
inline HGDIOBJ fontOrSystem(const zx::GdiObject<HFONT>& font) {
    return font ? static_cast<HGDIOBJ>(font.get()) : GetStockObject(SYSTEM_FONT);
}

// A symbol (0-4) at a pixel with the selected pen and brush; other codes draw nothing.
void paintSymbol(HDC dc, PixelPoint at, int32_t symbol);

void paintLine(HDC dc, PixelPoint from, PixelPoint to);

// Steps 10 to 14: blue grid, axes, tick marks with their labels, captions, zero axes. Leaves
// the clip on the plot rectangle.
void paintAxes(PlotCanvas& canvas);

// Lines 0 to 9 with their shading, handles and the picked line's label; the label's text is
// left in the geometry's equation text.
void paintLines(PlotCanvas& canvas);

// Curves 0 to 4 with their segments and symbols.
void paintCurves(PlotCanvas& canvas);

} // namespace plotmark
