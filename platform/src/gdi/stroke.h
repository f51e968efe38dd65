// Stroking with the selected pen: one-pixel cosmetic lines (solid or styled, with the
// style gaps painted in the background colour when the mode is OPAQUE) and wide pens,
// whose segments are filled bodies with round caps and joins, so both end points are
// painted.
#pragma once

#include <vector>

#include "gdi/paint.h"

namespace w32::gdi {

struct PenStroke {
    bool none = true;
    int width = 1; // device pixels
    bool insideFrame = false;
    const uint8_t* dashes = nullptr; // on/off run lengths, starting with "on"
    int dashCount = 0;
    int dashPeriod = 0;
    Ink fore;
    Ink back;
    bool opaque = false;
    // Row spans of the round stamp of wide pens, relative to the line pixel.
    struct StampRow {
        int dy, x0, x1;
    };
    std::vector<StampRow> stamp;
};

PenStroke realisePen(const Canvas& canvas);

// Strokes the polyline through pts (device coordinates); `closed` adds the segment back
// to the first point. The style pattern runs on across the segments of one call.
void strokePolyline(const Canvas& canvas, const PenStroke& pen, const DevPoint* pts, size_t count,
                    bool closed);

// Paints single points with the pen (a round dot for wide pens), for traced outlines.
void strokePoints(const Canvas& canvas, const PenStroke& pen, const DevPoint* pts, size_t count);

} // namespace w32::gdi
