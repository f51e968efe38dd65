// The integer ellipse outline shared by Ellipse and the round pen dot.
#include "gdi/ellipse_outline.h"

#include <algorithm>

namespace w32::gdi {
namespace {

// The pixels of one quarter of the outline of the ellipse in a box of width x height
// pixels (the width at least 3), relative to the box: an integer midpoint walk from the right
// end of the horizontal axis, (width - 1, height / 2), down to the middle column. Windows
// mirrors these points into the other three quarters. A very tall and narrow ellipse ends
// its walk before it reaches the box's bottom row, and its tips stay open; drawings keep
// that shape.
std::vector<DevPoint> ellipseQuarter(int64_t width, int64_t height) {
    using Wide = __int128;
    const int64_t a = width - 1, b = height - 1;
    const Wide stepA = Wide(8) * a * a, stepB = Wide(8) * b * b;
    Wide dx = Wide(4) * b * b * (1 - a), dy = Wide(4) * a * a * (1 + b % 2);
    Wide err = dx + dy + Wide(a) * a * (b % 2);
    std::vector<DevPoint> points;
    for (DevPoint p{a, height / 2}; p.x >= width / 2;) {
        points.push_back(p);
        const Wide e2 = 2 * err;
        if (e2 >= dx) {
            --p.x;
            dx += stepB;
            err += dx;
        }
        if (e2 <= dy) {
            ++p.y;
            dy += stepA;
            err += dy;
        }
    }
    return points;
}

} // namespace

// The outline of the ellipse in the box [x0, x1] x [y0, y1] (inclusive) as one closed
// path, counter-clockwise from the right end of the horizontal axis, so style patterns and
// wide pens run along it. A box one pixel square has no outline; a box one or two pixels
// wide is outlined as a whole (the quarter walk would stop at once).
std::vector<DevPoint> ellipseOutline(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    const int64_t width = x1 - x0 + 1, height = y1 - y0 + 1;
    std::vector<DevPoint> path;
    if (width == 1 && height == 1) {
        return path;
    }
    if (width <= 2) {
        for (int64_t y = y1; y >= y0; --y) {
            path.push_back({x1, y});
        }
        for (int64_t y = y0; width == 2 && y <= y1; ++y) {
            path.push_back({x0, y});
        }
        return path;
    }
    const std::vector<DevPoint> q = ellipseQuarter(width, height);
    path.reserve(q.size() * 4);
    for (const DevPoint& p : q) { // top right, from the axis upwards
        path.push_back({x0 + p.x, y1 - p.y});
    }
    for (auto p = q.rbegin(); p != q.rend(); ++p) { // top left, down to the axis
        path.push_back({x1 - p->x, y1 - p->y});
    }
    for (const DevPoint& p : q) { // bottom left, from the axis downwards
        path.push_back({x1 - p.x, y0 + p.y});
    }
    for (auto p = q.rbegin(); p != q.rend(); ++p) { // bottom right, up to the axis
        path.push_back({x0 + p->x, y0 + p->y});
    }
    // The quarters share their end points on the axes: each pixel is painted once, which
    // matters for the XOR and NOT mixes.
    auto same = [](const DevPoint& p, const DevPoint& q) { return p.x == q.x && p.y == q.y; };
    path.erase(std::unique(path.begin(), path.end(), same), path.end());
    while (path.size() > 1 && same(path.front(), path.back())) {
        path.pop_back();
    }
    return path;
}

} // namespace w32::gdi
