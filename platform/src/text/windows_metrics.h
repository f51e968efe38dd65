// Windows height conventions: how a CreateFontA height turns into a pixel size and the
// TEXTMETRIC numbers, computed from a face's design units alone (no FreeType here).
#pragma once

#include "text/font_engine.h"

namespace w32::text {

// The design-unit numbers of a face that the Windows metrics are derived from.
struct DesignMetrics {
    int unitsPerEm = 2048;
    int winAscent = 0;   // OS/2 usWinAscent, or the ascender for faces without OS/2
    int winDescent = 0;  // OS/2 usWinDescent (positive), or -descender
    int lineGap = 0;     // hhea line gap
    int hheaAscent = 0;  // hhea ascender
    int hheaDescent = 0; // hhea descender, positive
    int avgCharWidth = 0;
    int maxCharWidth = 0; // width of the face's bounding box
};

// The pixel size to render at and the metrics GetTextMetricsA reports.
struct ScaledSize {
    int ppem = 0; // pixels per em, what the glyphs are rendered at
    FontMetrics metrics;
};

// The cell height used for a request of height 0: the 16-pixel cell of the system font.
constexpr int kDefaultCellHeight = 16;
// Pixel sizes beyond this are clamped: no drawing needs them, and FreeType would spend
// seconds and megabytes on a single glyph.
constexpr int kMaxPixelSize = 2000;

// Positive height: the cell (winAscent + winDescent) maps to exactly `height` pixels.
// Negative height: the em maps to -height pixels and the cell follows from it.
// Height 0 means kDefaultCellHeight. Fills height, ascent, descent, internal and external
// leading, average and maximum width; weight, italic and charset are the caller's.
ScaledSize scaleToHeight(const DesignMetrics& design, int height);

} // namespace w32::text
