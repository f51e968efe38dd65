#include "speed_bar.h"

#include <cmath>

namespace zx::speedometer {

int64_t speedBarLength(const Rect& gauge, double ySpeed, int32_t xMin, int32_t xMax) {
    const int64_t width = gauge.width();
    const double range = static_cast<double>(int64_t{xMax} - xMin);
    if (range == 0.0 || width <= 0) {
        return 0;
    }
    const double length = (ySpeed - xMin) / range * static_cast<double>(width);
    if (std::isnan(length)) {
        return 0;
    }
    return static_cast<int64_t>(std::clamp(length, 0.0, static_cast<double>(width)));
}

std::optional<Rect> speedBar(const Rect& gauge, double ySpeed, int32_t xMin, int32_t xMax) {
    if (!(ySpeed > xMin)) {
        return std::nullopt;
    }
    const int64_t length = speedBarLength(gauge, ySpeed, xMin, xMax);
    const int64_t start = int64_t{gauge.left} + 1;
    const int64_t end = std::min<int64_t>(gauge.right, start + length);
    if (end <= start) {
        return std::nullopt;
    }
    return Rect{saturate(start), saturate(int64_t{gauge.top} + 1), saturate(end), gauge.bottom};
}

} // namespace zx::speedometer
