// Filled figures: Rectangle, Ellipse, Polygon and FillRect. Figures are filled with the
// brush first and outlined with the pen second. Their boxes exclude the right and bottom
// edge: Rectangle(l, t, r, b) covers [l, r - 1] x [t, b - 1] with the pen on its outermost
// pixels, and without a pen the fill stops one pixel earlier, at [l, r - 2] x [t, b - 2].
#include <algorithm>
#include <cmath>
#include <vector>

#include "gdi/ellipse_outline.h"
#include "gdi/stroke.h"

using namespace w32::gdi;

namespace {

struct Box {
    int64_t left, top, right, bottom;
};

// Maps the two corners to device space and orders them; swapped corners draw the same
// figure as on Windows.
Box deviceBox(const DcState& s, int left, int top, int right, int bottom) {
    DevPoint a = toDevice(s, left, top), b = toDevice(s, right, bottom);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// Path corners for a wide pen: PS_INSIDEFRAME keeps the whole stroke inside the box.
Box strokeBox(const Box& b, const PenStroke& pen) {
    if (pen.width > 1 && pen.insideFrame) {
        return {b.left + pen.width / 2, b.top + pen.width / 2, b.right - 1 - (pen.width - 1) / 2,
                b.bottom - 1 - (pen.width - 1) / 2};
    }
    return {b.left, b.top, b.right - 1, b.bottom - 1};
}

// Per-row extent of an ellipse outline, for filling between its sides.
struct RowExtents {
    int64_t top;
    std::vector<std::pair<int64_t, int64_t>> rows; // [min, max] per row, min > max if none
    RowExtents(int64_t t, int64_t b) : top(t), rows(size_t(b - t + 1), {INT64_MAX, INT64_MIN}) {}
    void add(int64_t x, int64_t y) {
        if (y < top || y >= top + int64_t(rows.size())) {
            return;
        }
        auto& r = rows[size_t(y - top)];
        r.first = std::min(r.first, x);
        r.second = std::max(r.second, x);
    }
};

// What Rectangle and Ellipse start with: the canvas, the device box of the figure (empty
// when it has no width or height) and the realised pen and brush.
struct Figure {
    Canvas canvas;
    Box box;
    bool empty = true;
    PenStroke pen;
    BrushFill brush;
};

bool openFigure(HDC hdc, int left, int top, int right, int bottom, Figure& f) {
    if (!openCanvas(hdc, f.canvas)) {
        return false;
    }
    f.box = deviceBox(f.canvas.dc->state, left, top, right, bottom);
    f.empty = f.box.right == f.box.left || f.box.bottom == f.box.top;
    if (!f.empty) {
        f.pen = realisePen(f.canvas);
        f.brush = realiseBrush(f.canvas);
    }
    return true;
}

} // namespace

extern "C" {

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    Figure f;
    if (!openFigure(hdc, left, top, right, bottom, f)) {
        return FALSE;
    }
    if (f.empty) {
        return TRUE;
    }
    Canvas& canvas = f.canvas;
    const Box& b = f.box;
    const PenStroke& pen = f.pen;
    const BrushFill& brush = f.brush;
    if (pen.none) {
        fillRect(canvas, brush, {b.left, b.top, b.right - 1, b.bottom - 1});
        return TRUE;
    }
    fillRect(canvas, brush, {b.left + 1, b.top + 1, b.right - 1, b.bottom - 1});
    Box p = strokeBox(b, pen);
    // Counter-clockwise from the top-right corner: where a style pattern starts.
    DevPoint path[4] = {{p.right, p.top}, {p.left, p.top}, {p.left, p.bottom}, {p.right, p.bottom}};
    strokePolyline(canvas, pen, path, 4, true);
    return TRUE;
}

// Ellipse(l, t, r, b) traces the ellipse of the pixels [l, r - 1] x [t, b - 1]; the brush
// fills each row between the outline's ends, and the pen then paints the outline. Unlike
// Rectangle, the figure keeps its size without a pen; only boxes one or two pixels thin
// then fill [l, r - 2] x [t, b - 2].
BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    Figure f;
    if (!openFigure(hdc, left, top, right, bottom, f)) {
        return FALSE;
    }
    if (f.empty) {
        return TRUE;
    }
    Canvas& canvas = f.canvas;
    const Box& b = f.box;
    const PenStroke& pen = f.pen;
    const BrushFill& brush = f.brush;
    Box e{b.left, b.top, b.right - 1, b.bottom - 1};
    if (pen.insideFrame && pen.width > 1) {
        e = strokeBox(b, pen);
        if (e.right < e.left || e.bottom < e.top) {
            return TRUE;
        }
    }
    // Huge figures: the outline walk is linear in the box size, which the 16-bit
    // coordinate range of callers keeps small.
    if (e.right - e.left > (int64_t(1) << 20) || e.bottom - e.top > (int64_t(1) << 20)) {
        return FALSE;
    }
    if (pen.none && (e.right - e.left < 2 || e.bottom - e.top < 2)) {
        fillRect(canvas, brush, {e.left, e.top, e.right, e.bottom});
        return TRUE;
    }
    const std::vector<DevPoint> path = ellipseOutline(e.left, e.top, e.right, e.bottom);
    RowExtents extents(e.top, e.bottom);
    for (const DevPoint& p : path) {
        extents.add(p.x, p.y);
    }
    // With a pen, a box one or two pixels thin is all outline and gets no brush; its path
    // runs out and back over itself, so the XOR mix shows only its two ends.
    const bool thin = e.right - e.left < 2 || e.bottom - e.top < 2;
    for (size_t i = 0; i < extents.rows.size() && !(thin && !pen.none); ++i) {
        const auto& r = extents.rows[i];
        if (r.first > r.second) {
            continue;
        }
        // The brush covers the outline too: the gaps of a styled pen show it.
        fillSpan(canvas, brush, extents.top + int64_t(i), r.first, r.second + 1);
    }
    if (pen.none) {
        return TRUE;
    }
    if (path.empty()) {
        // A one-pixel box has no outline; a wide pen still puts its dot there.
        if (pen.width > 1) {
            const DevPoint dot{e.left, e.top};
            strokePoints(canvas, pen, &dot, 1);
        }
    } else {
        strokePolyline(canvas, pen, path.data(), path.size(), true);
    }
    return TRUE;
}

// Scan-line fill sampling the pixels' top-left corners, ALTERNATE (even-odd) or WINDING, then the
// closed outline with the pen.
BOOL WINAPI Polygon(HDC hdc, const POINT* points, int count) {
    Canvas canvas;
    if (!openCanvas(hdc, canvas) || !points || count < 2) {
        return FALSE;
    }
    const DcState& s = canvas.dc->state;
    std::vector<DevPoint> pts;
    pts.reserve(size_t(count));
    int64_t top = INT64_MAX, bottom = INT64_MIN;
    for (int i = 0; i < count; ++i) {
        pts.push_back(toDevice(s, points[i].x, points[i].y));
        top = std::min(top, pts.back().y);
        bottom = std::max(bottom, pts.back().y);
    }
    BrushFill brush = realiseBrush(canvas);
    if (!brush.none) {
        struct Crossing {
            double x;
            int dir;
        };
        std::vector<Crossing> xs;
        const int64_t y0 = std::max(top, canvas.clip.top);
        const int64_t y1 = std::min(bottom, canvas.clip.bottom);
        for (int64_t y = y0; y < y1; ++y) {
            const double yc = double(y);
            xs.clear();
            for (size_t i = 0; i < pts.size(); ++i) {
                const DevPoint& a = pts[i];
                const DevPoint& c = pts[(i + 1) % pts.size()];
                if (a.y == c.y) {
                    continue;
                }
                double lo = double(std::min(a.y, c.y)), hi = double(std::max(a.y, c.y));
                if (yc < lo || yc >= hi) {
                    continue;
                }
                double x = double(a.x) + (yc - double(a.y)) * double(c.x - a.x) / double(c.y - a.y);
                xs.push_back({x, c.y > a.y ? 1 : -1});
            }
            std::sort(xs.begin(), xs.end(),
                      [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
            int winding = 0;
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                winding += xs[i].dir;
                bool inside = s.polyFillMode == WINDING ? winding != 0 : (i % 2 == 0);
                if (!inside) {
                    continue;
                }
                int64_t x0 = int64_t(std::ceil(xs[i].x));
                int64_t x1 = int64_t(std::ceil(xs[i + 1].x));
                fillSpan(canvas, brush, y, x0, x1);
            }
        }
    }
    strokePolyline(canvas, realisePen(canvas), pts.data(), pts.size(), true);
    return TRUE;
}

// Fills [left, right) x [top, bottom) with the brush; no pen, no excluded edge. The
// brush may also be a system colour index plus one, as USER allows.
int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
    Canvas canvas;
    if (!openCanvas(hdc, canvas) || !rect) {
        return 0;
    }
    auto value = reinterpret_cast<uintptr_t>(hbrush);
    BrushFill brush;
    if (value >= 1 && value <= 31) {
        static constexpr COLORREF kSystem[31] = {
            0xC8D0D4, 0x000000, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
            0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
            0x808080, 0x808080, 0x000000, 0x000000, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
            0xE1FFFF, 0x000000, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xC8D0D4};
        brush.none = false;
        brush.fore = {toPixel(kSystem[value - 1]), R2_COPYPEN};
    } else {
        if (!find<Brush>(hbrush)) {
            return 0;
        }
        brush = realiseBrush(canvas, hbrush);
        brush.fore.rop2 = R2_COPYPEN;
        brush.back.rop2 = R2_COPYPEN;
    }
    Box b = deviceBox(canvas.dc->state, rect->left, rect->top, rect->right, rect->bottom);
    fillRect(canvas, brush, {b.left, b.top, b.right, b.bottom});
    return 1;
}

} // extern "C"
