#include "speed_coupling.h"

#include <cmath>
#include <limits>

namespace zx::speedometer {

int32_t xSpeedFromYSpeed(double ySpeed) {
    const double rounded = std::trunc(ySpeed + 0.5);
    if (std::isnan(rounded)) {
        return 0;
    }
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(rounded);
}

double ySpeedFromXSpeed(int32_t xSpeed) {
    return static_cast<double>(xSpeed);
}

} // namespace zx::speedometer
