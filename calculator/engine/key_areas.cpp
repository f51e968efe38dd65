#include "key_areas.h"

#include <algorithm>
#include <limits>

namespace zx::calculator {

namespace {

constexpr int32_t kKeySize = 16;
constexpr int32_t kWideKey = 36;

constexpr KeyArea key(int32_t top, int32_t left, int32_t width = kKeySize) {
    return KeyArea{top, left, top + kKeySize, left + width};
}

// Indexed by key code; the display window is the only area that is not a key-sized square.
constexpr KeyAreas kDefaultAreas = {
    key(133, 4),           // 0
    key(113, 4),           // 1
    key(113, 24),          // 2
    key(113, 44),          // 3
    key(93, 4),            // 4
    key(93, 24),           // 5
    key(93, 44),           // 6
    key(73, 4),            // 7
    key(73, 24),           // 8
    key(73, 44),           // 9
    key(133, 24),          // decimal point
    key(53, 64),           // divide
    key(73, 64),           // multiply
    key(93, 64),           // subtract
    key(113, 64),          // add
    key(133, 64),          // equals
    key(133, 44),          // change sign
    key(53, 24, kWideKey), // clear
    key(15, 4, kWideKey),  // finish
    KeyArea{36, 6, 47, 80} // display
};

int32_t saturatedSum(int32_t a, int32_t b) {
    const int64_t sum = int64_t{a} + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

KeyArea KeyArea::offsetBy(int32_t dx, int32_t dy) const {
    return KeyArea{saturatedSum(top, dy), saturatedSum(left, dx), saturatedSum(bottom, dy),
                   saturatedSum(right, dx)};
}

const KeyAreas& defaultKeyAreas() {
    return kDefaultAreas;
}

int32_t keyAt(const KeyAreas& areas, int32_t x, int32_t y) {
    int32_t hit = kNoKey;
    for (int32_t k = 0; k < kKeyCount; ++k) {
        if (areas[k].contains(x, y)) {
            hit = k;
        }
    }
    return hit;
}

} // namespace zx::calculator
