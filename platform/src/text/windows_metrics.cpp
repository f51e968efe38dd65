// Windows height conventions for realised fonts.
#include "text/windows_metrics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace w32::text {
namespace {

int roundToInt(double value) {
    return static_cast<int>(std::lround(value));
}

// A face with broken tables (zero or negative extents) still gets a usable cell.
DesignMetrics sanitised(DesignMetrics design) {
    design.unitsPerEm = std::max(design.unitsPerEm, 16);
    design.winAscent = std::max(design.winAscent, 0);
    design.winDescent = std::max(design.winDescent, 0);
    if (design.winAscent + design.winDescent <= 0) {
        design.winAscent = design.unitsPerEm * 4 / 5;
        design.winDescent = design.unitsPerEm / 5;
    }
    return design;
}

} // namespace

ScaledSize scaleToHeight(const DesignMetrics& raw, int height) {
    const DesignMetrics design = sanitised(raw);
    const double cellUnits = design.winAscent + design.winDescent;
    ScaledSize out;
    FontMetrics& m = out.metrics;

    if (height == 0) {
        height = kDefaultCellHeight;
    }
    // -height of INT_MIN would overflow; the clamp keeps every later product small.
    height = std::clamp(height, -kMaxPixelSize, kMaxPixelSize);

    double scale = 0; // pixels per design unit
    if (height > 0) {
        // The cell is exactly the requested height; the em is what fits in it.
        scale = height / cellUnits;
        out.ppem = std::clamp(roundToInt(height * design.unitsPerEm / cellUnits), 1, kMaxPixelSize);
        m.height = height;
        m.ascent = std::clamp(roundToInt(design.winAscent * scale), 0, height);
        m.descent = height - m.ascent;
    } else {
        out.ppem = -height;
        scale = static_cast<double>(out.ppem) / design.unitsPerEm;
        m.ascent = roundToInt(design.winAscent * scale);
        m.descent = roundToInt(design.winDescent * scale);
        m.height = std::max(m.ascent + m.descent, 1);
        m.descent = m.height - m.ascent;
    }

    // Glyph widths follow the em, not the cell.
    const double emScale = static_cast<double>(out.ppem) / design.unitsPerEm;
    m.internalLeading = std::max(m.height - out.ppem, 0);
    // Leading beyond the cell that the face's line gap asks for, as Windows derives it.
    const int extraUnits = design.lineGap - (design.winAscent + design.winDescent -
                                             (design.hheaAscent + design.hheaDescent));
    m.externalLeading = std::max(roundToInt(extraUnits * scale), 0);
    m.aveCharWidth = std::max(roundToInt(design.avgCharWidth * emScale), 1);
    m.maxCharWidth = std::max(roundToInt(design.maxCharWidth * emScale), m.aveCharWidth);
    return out;
}

} // namespace w32::text
