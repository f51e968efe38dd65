// Bresenham lines as GDI draws them. A line from a to b covers max(|dx|, |dy|) pixels:
// the end point itself is left out, so polylines never paint a joint twice. Ties between
// two candidate minor coordinates are broken per octant (octants 3, 5, 6 and 8, counted
// counter-clockwise from +x with y down, round the other way), which makes a line and its
// reverse differ exactly as they do on Windows.
//
// Clipping is analytic: the pixel of step i has a closed form, so the walk starts at the
// first visible step with the error term it would have had, and a clipped line shows
// exactly the pixels of the unclipped one.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "gdi/surface.h"

namespace w32::gdi {

struct LineGeometry {
    DevPoint start;
    int64_t length = 0; // pixels drawn (the end point excluded)
    int64_t major = 0;  // |d| along the major axis
    int64_t minor = 0;  // |d| along the minor axis
    bool xMajor = true;
    int stepX = 1;
    int stepY = 1;
    int bias = 0;

    // Minor-axis offset (in steps) of pixel i.
    int64_t minorSteps(int64_t i) const {
        if (major == 0) {
            return 0;
        }
        // Device coordinates fit 30 bits: 64 bits then hold every product. Mapped coordinates
        // can exceed that, and take 128 bits.
        constexpr int64_t kSmall = int64_t(1) << 30;
        if (major < kSmall && minor < kSmall && i > -kSmall && i < kSmall) {
            return (2 * minor * i + major + bias - 1) / (2 * major);
        }
        using Wide = __int128;
        return int64_t((Wide(2) * minor * i + major + bias - 1) / (Wide(2) * major));
    }
    DevPoint pixel(int64_t i) const {
        int64_t k = minorSteps(i);
        if (xMajor) {
            return {start.x + stepX * i, start.y + stepY * k};
        }
        return {start.x + stepX * k, start.y + stepY * i};
    }
};

LineGeometry lineGeometry(DevPoint a, DevPoint b);

// The steps [first, last] of the line that fall inside clip; false if none do.
bool clipSteps(const LineGeometry& g, const DevRect& clip, int64_t& first, int64_t& last);

// Calls plot(x, y, i) for each visible pixel of the line from a to b (end excluded), in
// order along the line; i is the pixel's step index from a.
template <class Plot>
void walkLine(const LineGeometry& g, const DevRect& clip, Plot&& plot) {
    int64_t first, last;
    if (!clipSteps(g, clip, first, last)) {
        return;
    }
    int64_t k = g.minorSteps(first);
    int64_t err =
        int64_t(__int128(2) * g.minor * (first + 1) - g.major - __int128(2) * g.major * k);
    int64_t majorPos = (g.xMajor ? g.start.x : g.start.y) + (g.xMajor ? g.stepX : g.stepY) * first;
    int64_t minorPos = (g.xMajor ? g.start.y : g.start.x) + (g.xMajor ? g.stepY : g.stepX) * k;
    const int majorStep = g.xMajor ? g.stepX : g.stepY;
    const int minorStep = g.xMajor ? g.stepY : g.stepX;
    for (int64_t i = first; i <= last; ++i) {
        if (g.xMajor) {
            plot(majorPos, minorPos, i);
        } else {
            plot(minorPos, majorPos, i);
        }
        if (err + g.bias > 0) {
            minorPos += minorStep;
            err += 2 * g.minor - 2 * g.major;
        } else {
            err += 2 * g.minor;
        }
        majorPos += majorStep;
    }
}

} // namespace w32::gdi
