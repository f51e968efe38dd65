#include "tick_marks.h"

#include <algorithm>

namespace zx::speedometer {

namespace {

// Unsigned 64-bit arithmetic holds every product exactly: the width, the range and every
// space * k of an inner tick are below 2^32, and a tick's offset is below the width.
std::vector<TickMark> ticks(const Rect& gauge, int32_t xMin, int64_t range, int64_t space,
                            int64_t end) {
    std::vector<TickMark> marks;
    const int64_t width = gauge.width();
    if (range <= 0 || space <= 0 || width <= 0) {
        return marks;
    }
    const uint64_t w = static_cast<uint64_t>(width);
    const uint64_t r = static_cast<uint64_t>(range);
    const uint64_t s = static_cast<uint64_t>(space);
    const uint64_t count = r / s; // the ticks k = 1 ... count - 1
    if (count < 2) {
        return marks;
    }
    marks.reserve(static_cast<size_t>(std::min(count - 1, w + 1)));
    // Ticks at least a pixel apart each get a column of their own.
    const uint64_t perTick = w * s;
    const bool sparse = perTick >= r;
    uint64_t k = 1;
    while (k < count) {
        const uint64_t offset = w * (s * k) / r;
        TickMark mark;
        mark.x = saturate(gauge.left + static_cast<int64_t>(offset));
        mark.top = gauge.top;
        mark.end = saturate(end);
        mark.label = static_cast<int32_t>(xMin + static_cast<int64_t>(s * k));
        marks.push_back(mark);
        if (sparse) {
            ++k;
            continue;
        }
        // The next tick that lands in a further column: the least k' with
        // w * s * k' >= (offset + 1) * r.
        const uint64_t needed = (offset + 1) * r;
        k = std::max(k + 1, needed / perTick + (needed % perTick != 0 ? 1 : 0));
    }
    return marks;
}

} // namespace

std::vector<TickMark> smallTicks(const Rect& gauge, const GaugeScale& scale) {
    const int64_t end = (int64_t{gauge.bottom} + 2 * int64_t{gauge.top}) / 3;
    return ticks(gauge, scale.xMin, int64_t{scale.xMax} - scale.xMin, scale.smallTickSpace, end);
}

std::vector<TickMark> bigTicks(const Rect& gauge, const GaugeScale& scale) {
    const int64_t end = (int64_t{gauge.top} + 2 * int64_t{gauge.bottom}) / 3;
    return ticks(gauge, scale.xMin, int64_t{scale.xMax} - scale.xMin, scale.bigTickSpace, end);
}

std::string tickLabel(int32_t value) {
    return std::to_string(value);
}

} // namespace zx::speedometer
