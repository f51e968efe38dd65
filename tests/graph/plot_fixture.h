// A member's geometry on a sprite at the stage's corner, with the visible maxima a full draw
// would compute: the setting of the drawing-decision tests.
#pragma once

#include "engine/axis_scaling.h"
#include "engine/plot_geometry.h"
#include "graph_fixture.h"

namespace plotmark {

inline PlotGeometry scaledGeometry(GraphModel& m, int32_t width = 300, int32_t height = 200) {
    PixelRect rect{0, 0, height, width};
    PlotGeometry g = placeGeometry(m.p, rect);
    m.p.xMaximum = visibleMaximum(m.p.xMinimum, m.p.deltaX, rect.right - m.p.rightMargin - g.x0,
                                  g.gridSquare, 0);
    m.p.yMaximum =
        visibleMaximum(m.p.yMinimum, m.p.deltaY, g.y0 - rect.top - m.p.topMargin, g.gridSquare, 0);
    return placeGeometry(m.p, rect);
}

} // namespace plotmark
