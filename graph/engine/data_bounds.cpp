#include "data_bounds.h"

#include <algorithm>

#include "curve_points.h"

namespace plotmark {

DataBounds dataBounds(const GraphProperties& p) {
    DataBounds b{1e20f, -1e20f, 1e20f, -1e20f};
    for (const CurveRecord& curve : p.curves) {
        int n = pointCount(curve);
        for (int i = 0; i < n; ++i) {
            if (curve.x[i] > kValidAbove) {
                b.xMinimum = std::min(b.xMinimum, curve.x[i]);
                b.xMaximum = std::max(b.xMaximum, curve.x[i]);
            }
            if (isValidY(curve.y[i])) {
                b.yMinimum = std::min(b.yMinimum, curve.y[i]);
                b.yMaximum = std::max(b.yMaximum, curve.y[i]);
            }
        }
    }
    if (p.originInAuto != 0) {
        b.xMinimum = std::min(0.0f, b.xMinimum);
        b.xMaximum = std::max(0.0f, b.xMaximum);
        b.yMinimum = std::min(0.0f, b.yMinimum);
        b.yMaximum = std::max(0.0f, b.yMaximum);
    }
    return b;
}

} // namespace plotmark
