// Conversions from double to integers that saturate instead of being undefined: NaN gives 0,
// values beyond the type's range give its limit. Pixel coordinates stay within +-32767.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace plotmark {

// The integer part (truncation toward zero) of value as an int32.
inline int32_t saturateInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value <= -2147483648.0) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

inline constexpr int32_t kPixelLimit = 32767;

inline int32_t clampPixel(int64_t value) {
    if (value > kPixelLimit) {
        return kPixelLimit;
    }
    if (value < -kPixelLimit) {
        return -kPixelLimit;
    }
    return static_cast<int32_t>(value);
}

} // namespace plotmark
