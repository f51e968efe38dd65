#include "plot_frame.h"

#include "saturate.h"

namespace plotmark {

PlotFrame plotFrame(const GraphProperties& p, int32_t width, int32_t height) {
    PlotFrame f{0, 0, width, height};
    if (p.topMargin > 0) {
        f.top = clampPixel(int64_t{f.top} + p.topMargin);
    }
    if (p.rightMargin > 0) {
        f.right = clampPixel(int64_t{f.right} - p.rightMargin);
    }
    return f;
}

std::vector<int32_t> gridPositions(int32_t origin, int32_t step, int32_t limit) {
    std::vector<int32_t> positions;
    if (step == 0) {
        return positions;
    }
    for (int64_t at = int64_t{origin} + step; at >= -kPixelLimit && at <= kPixelLimit; at += step) {
        if (step > 0 ? at >= limit : at <= limit) {
            break;
        }
        positions.push_back(static_cast<int32_t>(at));
    }
    return positions;
}

} // namespace plotmark
