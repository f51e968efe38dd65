// Line set-up and the analytic clip of a Bresenham line against a rectangle.
#include "gdi/line_raster.h"

#include <algorithm>

namespace w32::gdi {
namespace {

// Octants 1..8 counter-clockwise from +x in device space (y grows downwards).
int octant(int64_t dx, int64_t dy) {
    if (dy > 0) {
        if (dx > 0) {
            return dx > dy ? 1 : 2;
        }
        return -dx > dy ? 4 : 3;
    }
    if (dx < 0) {
        return -dx > -dy ? 5 : 6;
    }
    return dx > -dy ? 8 : 7;
}

// Smallest i in [lo, hi] with minorSteps(i) >= k (hi + 1 if none); minorSteps grows with i.
int64_t firstStepReaching(const LineGeometry& g, int64_t k, int64_t lo, int64_t hi) {
    int64_t a = lo, b = hi + 1;
    while (a < b) {
        int64_t mid = a + (b - a) / 2;
        if (g.minorSteps(mid) >= k) {
            b = mid;
        } else {
            a = mid + 1;
        }
    }
    return a;
}

} // namespace

LineGeometry lineGeometry(DevPoint a, DevPoint b) {
    LineGeometry g;
    int64_t dx = b.x - a.x, dy = b.y - a.y;
    g.start = a;
    g.stepX = dx < 0 ? -1 : 1;
    g.stepY = dy < 0 ? -1 : 1;
    int64_t adx = std::llabs(dx), ady = std::llabs(dy);
    g.xMajor = adx > ady;
    g.major = std::max(adx, ady);
    g.minor = std::min(adx, ady);
    g.length = g.major;
    int o = octant(dx, dy);
    g.bias = (o == 3 || o == 5 || o == 6 || o == 8) ? 1 : 0;
    return g;
}

bool clipSteps(const LineGeometry& g, const DevRect& clip, int64_t& first, int64_t& last) {
    if (g.length <= 0 || clip.empty()) {
        return false;
    }
    first = 0;
    last = g.length - 1;
    const int64_t majorStart = g.xMajor ? g.start.x : g.start.y;
    const int64_t minorStart = g.xMajor ? g.start.y : g.start.x;
    const int majorStep = g.xMajor ? g.stepX : g.stepY;
    const int minorStep = g.xMajor ? g.stepY : g.stepX;
    const int64_t majorLo = g.xMajor ? clip.left : clip.top;
    const int64_t majorHi = (g.xMajor ? clip.right : clip.bottom) - 1;
    const int64_t minorLo = g.xMajor ? clip.top : clip.left;
    const int64_t minorHi = (g.xMajor ? clip.bottom : clip.right) - 1;

    // Major axis: majorStart + majorStep * i within [majorLo, majorHi].
    if (majorStep > 0) {
        first = std::max(first, majorLo - majorStart);
        last = std::min(last, majorHi - majorStart);
    } else {
        first = std::max(first, majorStart - majorHi);
        last = std::min(last, majorStart - majorLo);
    }
    if (first > last) {
        return false;
    }
    // Minor axis: the offset k(i) must lie in [kLo, kHi].
    int64_t kLo, kHi;
    if (minorStep > 0) {
        kLo = minorLo - minorStart;
        kHi = minorHi - minorStart;
    } else {
        kLo = minorStart - minorHi;
        kHi = minorStart - minorLo;
    }
    if (kHi < 0 || kLo > g.minorSteps(last) || kHi < g.minorSteps(first)) {
        return false;
    }
    if (g.minorSteps(first) < kLo) {
        first = firstStepReaching(g, kLo, first, last);
    }
    if (g.minorSteps(last) > kHi) {
        last = firstStepReaching(g, kHi + 1, first, last) - 1;
    }
    return first <= last;
}

} // namespace w32::gdi
