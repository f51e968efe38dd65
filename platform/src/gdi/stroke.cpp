// Cosmetic style patterns (on/off pixel counts of Windows NT) and the stroking loop.
#include "gdi/stroke.h"

#include <algorithm>
#include <cmath>

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

// The round cap of a wide pen: the pixels of the w x w box around the point (for even
// widths the point is the box's centre corner) whose centres lie well inside the circle,
// which gives the 2 x 2 square for width 2 and the plus shape for width 3.
void buildStamp(PenStroke& pen) {
    const int w = pen.width;
    const double r = w / 2.0;
    const double limit = r * r - r / 2 + 1e-9;
    const double centre = (w % 2 == 0) ? 0.0 : 0.5;
    const int lo = -(w / 2), hi = lo + w - 1;
    for (int dy = lo; dy <= hi; ++dy) {
        int x0 = 0, x1 = 0;
        bool any = false;
        for (int dx = lo; dx <= hi; ++dx) {
            double cx = dx + 0.5 - centre, cy = dy + 0.5 - centre;
            if (cx * cx + cy * cy <= limit) {
                if (!any) {
                    x0 = dx;
                    any = true;
                }
                x1 = dx + 1;
            }
        }
        if (any) {
            pen.stamp.push_back({dy, x0, x1});
        }
    }
}

void stampAt(const Canvas& canvas, const PenStroke& pen, int64_t x, int64_t y) {
    for (const auto& row : pen.stamp) {
        int64_t yy = y + row.dy;
        if (yy < canvas.clip.top || yy >= canvas.clip.bottom) {
            continue;
        }
        int64_t x0 = std::max(x + row.x0, canvas.clip.left);
        int64_t x1 = std::min(x + row.x1, canvas.clip.right);
        paintSpan(canvas.surface, yy, x0, x1, pen.fore);
    }
}

// A wide segment: the rectangle of half the pen width on each side of the line from a to
// b, filled where it covers the pixels' top-left corners, plus round caps at both ends.
void strokeWide(const Canvas& canvas, const PenStroke& pen, DevPoint a, DevPoint b) {
    stampAt(canvas, pen, a.x, a.y);
    stampAt(canvas, pen, b.x, b.y);
    const double dx = double(b.x - a.x), dy = double(b.y - a.y);
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) {
        return;
    }
    const double nx = -dy / len * pen.width / 2, ny = dx / len * pen.width / 2;
    const double px[4] = {double(a.x) + nx, double(b.x) + nx, double(b.x) - nx, double(a.x) - nx};
    const double py[4] = {double(a.y) + ny, double(b.y) + ny, double(b.y) - ny, double(a.y) - ny};
    const double yMin = std::min({py[0], py[1], py[2], py[3]});
    const double yMax = std::max({py[0], py[1], py[2], py[3]});
    const int64_t y0 = std::max(int64_t(std::ceil(yMin)), canvas.clip.top);
    const int64_t y1 = std::min(int64_t(std::ceil(yMax)), canvas.clip.bottom);
    for (int64_t y = y0; y < y1; ++y) {
        double lo = INFINITY, hi = -INFINITY;
        for (int i = 0; i < 4; ++i) {
            double ya = py[i], yb = py[(i + 1) % 4];
            if (ya == yb || double(y) < std::min(ya, yb) || double(y) >= std::max(ya, yb)) {
                continue;
            }
            double x = px[i] + (double(y) - ya) * (px[(i + 1) % 4] - px[i]) / (yb - ya);
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        if (lo >= hi) {
            continue;
        }
        int64_t x0 = std::max(int64_t(std::ceil(lo)), canvas.clip.left);
        int64_t x1 = std::min(int64_t(std::ceil(hi)), canvas.clip.right);
        paintSpan(canvas.surface, y, x0, x1, pen.fore);
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
    for (size_t i = 0; i < count; ++i) {
        if (pen.width > 1) {
            stampAt(canvas, pen, pts[i].x, pts[i].y);
        } else if (canvas.clip.contains(pts[i].x, pts[i].y)) {
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
    int64_t dashPos = 0;
    size_t segments = closed ? count : count - 1;
    for (size_t i = 0; i < segments; ++i) {
        DevPoint a = pts[i];
        DevPoint b = pts[(i + 1) % count];
        if (pen.width > 1) {
            strokeWide(canvas, pen, a, b);
        } else {
            strokeThin(canvas, pen, a, b, dashPos);
        }
    }
}

} // namespace w32::gdi
