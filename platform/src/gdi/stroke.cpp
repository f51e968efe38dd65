// Cosmetic style patterns (on/off pixel counts of Windows NT) and the stroking loop.
#include "gdi/stroke.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "gdi/ellipse_outline.h"
#include "gdi/line_raster.h"

namespace w32::gdi {
namespace {

constexpr int64_t kMaxPenWidth = 1024;

struct DashPattern {
    uint8_t runs[6];
    int count;
    int period;
};

// PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT.
constexpr DashPattern kDashes[4] = {
    {{18, 6}, 2, 24},
    {{3, 3}, 2, 6},
    {{9, 6, 3, 6}, 4, 24},
    {{9, 3, 3, 3, 3, 3}, 6, 24},
};

// Whether position p (0 <= p < period) of the pattern is an "on" pixel.
bool dashOn(const PenStroke& pen, int64_t p) {
    for (int i = 0; i < pen.dashCount; ++i) {
        if (p < pen.dashes[i]) {
            return i % 2 == 0;
        }
        p -= pen.dashes[i];
    }
    return false;
}

// The round cap of a wide pen: the filled ellipse of the w x w box around the point (for
// even widths the point is the pixel right of and below the box's centre), which gives the
// 2 x 2 square for width 2 and the plus shape for width 3.
void buildStamp(PenStroke& pen) {
    const int lo = -(pen.width / 2), hi = lo + pen.width - 1;
    std::vector<std::pair<int, int>> rows(size_t(pen.width), {hi + 1, lo - 1});
    for (const DevPoint& p : ellipseOutline(lo, lo, hi, hi)) {
        auto& r = rows[size_t(p.y - lo)];
        r.first = std::min(r.first, int(p.x));
        r.second = std::max(r.second, int(p.x));
    }
    for (int i = 0; i < pen.width; ++i) {
        if (rows[size_t(i)].first <= rows[size_t(i)].second) {
            pen.stamp.push_back({lo + i, rows[size_t(i)].first, rows[size_t(i)].second + 1});
        }
    }
}

// The pixels a wide pen covers, gathered as row spans so that each one is painted once
// however many segments and dots overlap it: the XOR and NOT mixes see the union. The spans
// are kept flat and sorted once when painted: a short segment's few rows cost no per-row
// allocation.
class Coverage {
public:
    explicit Coverage(const Canvas& canvas) : canvas_(canvas) {}
    void add(int64_t y, int64_t x0, int64_t x1) {
        if (y < canvas_.clip.top || y >= canvas_.clip.bottom) {
            return;
        }
        x0 = std::max(x0, canvas_.clip.left);
        x1 = std::min(x1, canvas_.clip.right);
        if (x0 < x1) {
            spans_.push_back({y, x0, x1});
        }
    }
    void paint(const Ink& ink) {
        std::sort(spans_.begin(), spans_.end(), [](const Span& a, const Span& b) {
            return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
        });
        size_t i = 0;
        while (i < spans_.size()) {
            const int64_t y = spans_[i].y;
            int64_t start = spans_[i].x0, end = spans_[i].x1;
            for (++i; i < spans_.size() && spans_[i].y == y; ++i) {
                if (spans_[i].x0 > end) {
                    paintSpan(canvas_.surface, y, start, end, ink);
                    start = spans_[i].x0;
                }
                end = std::max(end, spans_[i].x1);
            }
            paintSpan(canvas_.surface, y, start, end, ink);
        }
    }

private:
    struct Span {
        int64_t y, x0, x1;
    };
    const Canvas& canvas_;
    std::vector<Span> spans_;
};

void stampAt(Coverage& out, const PenStroke& pen, int64_t x, int64_t y) {
    for (const auto& row : pen.stamp) {
        out.add(y + row.dy, x + row.x0, x + row.x1);
    }
}

// Rounds the offset of one side of a wide segment to whole pixels. The side whose offset
// points right rounds away from the line, the other side to the nearest pixel (halves
// down and right): Windows' wide lines are a pixel fuller on one side than the exact
// outline, and which side depends on the direction of the line.
DevPoint sideOffset(double ox, double oy) {
    constexpr double kSlack = 1e-9; // keeps exact integers from rounding away
    if (ox > 0) {
        return {int64_t(std::ceil(ox - kSlack)),
                int64_t(oy > 0 ? std::ceil(oy - kSlack) : std::floor(oy + kSlack))};
    }
    return {int64_t(std::floor(ox + 0.5)), int64_t(std::floor(oy + 0.5))};
}

// Smallest integer >= n / d for d > 0 (128-bit: mapped coordinates can exceed 32 bits; the
// common case of operands that fit 63 bits divides in 64 bits).
int64_t ceilDiv(__int128 n, __int128 d) {
    constexpr __int128 kFits = __int128(1) << 62;
    if (n < kFits && n > -kFits && d < kFits) {
        const int64_t n64 = int64_t(n), d64 = int64_t(d);
        return n64 >= 0 ? (n64 + d64 - 1) / d64 : -((-n64) / d64);
    }
    return int64_t(n >= 0 ? (n + d - 1) / d : -((-n) / d));
}

// A wide segment: the parallelogram between the two sides of the line from a to b, half
// the pen width away and rounded to whole pixels, filled where it covers the pixels'
// top-left corners, plus round caps at both ends.
void strokeWide(Coverage& out, const Canvas& canvas, const PenStroke& pen, DevPoint a, DevPoint b) {
    stampAt(out, pen, a.x, a.y);
    stampAt(out, pen, b.x, b.y);
    const double dx = double(b.x - a.x), dy = double(b.y - a.y);
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) {
        return;
    }
    const double nx = -dy / len * pen.width / 2, ny = dx / len * pen.width / 2;
    const DevPoint s1 = sideOffset(nx, ny), s2 = sideOffset(-nx, -ny);
    const DevPoint corner[4] = {{a.x + s1.x, a.y + s1.y},
                                {b.x + s1.x, b.y + s1.y},
                                {b.x + s2.x, b.y + s2.y},
                                {a.x + s2.x, a.y + s2.y}};
    int64_t yMin = corner[0].y, yMax = corner[0].y;
    for (const DevPoint& c : corner) {
        yMin = std::min(yMin, c.y);
        yMax = std::max(yMax, c.y);
    }
    const int64_t y0 = std::max(yMin, canvas.clip.top);
    const int64_t y1 = std::min(yMax, canvas.clip.bottom);
    for (int64_t y = y0; y < y1; ++y) {
        int64_t lo = INT64_MAX, hi = INT64_MIN;
        for (int i = 0; i < 4; ++i) {
            const DevPoint& p = corner[i];
            const DevPoint& q = corner[(i + 1) % 4];
            if (p.y == q.y || y < std::min(p.y, q.y) || y >= std::max(p.y, q.y)) {
                continue;
            }
            // The first pixel at or right of the edge's crossing of this row.
            const __int128 num = __int128(y - p.y) * (q.x - p.x), den = q.y - p.y;
            const int64_t x = p.x + (den > 0 ? ceilDiv(num, den) : ceilDiv(-num, -den));
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        if (lo >= hi) {
            continue;
        }
        out.add(y, lo, hi);
    }
}

// Draws one cosmetic segment; dashPos is the pattern position of its first pixel.
void strokeThin(const Canvas& canvas, const PenStroke& pen, DevPoint a, DevPoint b,
                int64_t& dashPos) {
    LineGeometry g = lineGeometry(a, b);
    const Surface& s = canvas.surface;
    if (!pen.dashes) {
        walkLine(g, canvas.clip,
                 [&](int64_t x, int64_t y, int64_t) { paintPixel(s, x, y, pen.fore); });
    } else {
        const int64_t start = dashPos;
        walkLine(g, canvas.clip, [&](int64_t x, int64_t y, int64_t i) {
            if (dashOn(pen, (start + i) % pen.dashPeriod)) {
                paintPixel(s, x, y, pen.fore);
            } else if (pen.opaque) {
                paintPixel(s, x, y, pen.back);
            }
        });
        dashPos = (start + g.length) % pen.dashPeriod;
    }
}

} // namespace

void strokePoints(const Canvas& canvas, const PenStroke& pen, const DevPoint* pts, size_t count) {
    if (pen.none) {
        return;
    }
    if (pen.width > 1) {
        Coverage out(canvas);
        for (size_t i = 0; i < count; ++i) {
            stampAt(out, pen, pts[i].x, pts[i].y);
        }
        out.paint(pen.fore);
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        if (canvas.clip.contains(pts[i].x, pts[i].y)) {
            paintPixel(canvas.surface, pts[i].x, pts[i].y, pen.fore);
        }
    }
}

PenStroke realisePen(const Canvas& canvas) {
    PenStroke stroke;
    const DcState& s = canvas.dc->state;
    Pen* pen = find<Pen>(s.pen);
    if (!pen || pen->style == PS_NULL) {
        return stroke;
    }
    stroke.none = false;
    stroke.fore = {toPixel(pen->color), s.rop2};
    stroke.back = {toPixel(s.bkColor), s.rop2};
    stroke.opaque = s.bkMode == OPAQUE;
    stroke.insideFrame = pen->style == PS_INSIDEFRAME;
    // Wide pens are capped at 1024 pixels so that a script-sized width cannot make the
    // round stamp unbounded.
    stroke.width =
        pen->width <= 1 ? 1 : int(std::clamp<int64_t>(scaleX(s, pen->width), 1, kMaxPenWidth));
    if (stroke.width == 1 && pen->style >= PS_DASH && pen->style <= PS_DASHDOTDOT) {
        const DashPattern& d = kDashes[pen->style - PS_DASH];
        stroke.dashes = d.runs;
        stroke.dashCount = d.count;
        stroke.dashPeriod = d.period;
    }
    if (stroke.width > 1) {
        buildStamp(stroke);
    }
    return stroke;
}

void strokePolyline(const Canvas& canvas, const PenStroke& pen, const DevPoint* pts, size_t count,
                    bool closed) {
    if (pen.none || count < 2) {
        return;
    }
    const size_t segments = closed ? count : count - 1;
    if (pen.width > 1) {
        Coverage out(canvas);
        for (size_t i = 0; i < segments; ++i) {
            strokeWide(out, canvas, pen, pts[i], pts[(i + 1) % count]);
        }
        out.paint(pen.fore);
        return;
    }
    int64_t dashPos = 0;
    for (size_t i = 0; i < segments; ++i) {
        strokeThin(canvas, pen, pts[i], pts[(i + 1) % count], dashPos);
    }
}

} // namespace w32::gdi
