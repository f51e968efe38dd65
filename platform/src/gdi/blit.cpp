// Block transfers: BitBlt, StretchBlt and StretchDIBits. Same-size copies move whole
// rows (overlapping copies within one surface are ordered so nothing is read after it
// was overwritten); stretched copies sample the nearest source pixel. Source pixels that
// lie outside the source surface leave the destination untouched.
#include <cstring>

#include "gdi/dc.h"
#include "gdi/dib_reader.h"
#include "gdi/paint.h"
#include "gdi/text_boxes.h"

using namespace w32::gdi;

namespace {

// How a source pixel combines with the destination; false for unsupported codes.
bool knownRop(DWORD rop, bool& needsSource) {
    switch (rop) {
    case SRCCOPY:
    case SRCPAINT:
    case SRCAND:
    case SRCINVERT:
        needsSource = true;
        return true;
    case BLACKNESS:
    case WHITENESS:
    case PATCOPY:
        needsSource = false;
        return true;
    default:
        return false;
    }
}

uint32_t combine(DWORD rop, uint32_t src, uint32_t dst) {
    switch (rop) {
    case SRCPAINT:
        return src | dst;
    case SRCAND:
        return src & dst;
    case SRCINVERT:
        return (src ^ dst) & 0xFFFFFF;
    default:
        return src;
    }
}

// A signed device rectangle: negative sizes mirror.
struct Area {
    int64_t x, y, w, h;
};

Area deviceArea(const DcState& s, int x, int y, int w, int h) {
    DevPoint a = toDevice(s, x, y);
    DevPoint b = toDevice(s, int64_t(x) + w, int64_t(y) + h);
    return {a.x, a.y, b.x - a.x, b.y - a.y};
}

DevRect normalised(const Area& a) {
    return {std::min(a.x, a.x + a.w), std::min(a.y, a.y + a.h), std::max(a.x, a.x + a.w),
            std::max(a.y, a.y + a.h)};
}

// Source range [first, end) of destination index j when n source pixels map to m.
struct AxisMap {
    int64_t n, m;
    bool flip;
    int64_t origin;
    // Enlarging samples at the destination pixel's centre, and a centre that falls exactly
    // on the edge between two source pixels takes the left (upper) one, as Windows' integer
    // stepping does; shrinking starts each range at the destination pixel's left edge.
    int64_t first(int64_t j) const {
        using Wide = __int128;
        return int64_t(n < m ? ((Wide(2) * j + 1) * n - 1) / (Wide(2) * m) : Wide(j) * n / m);
    }
    int64_t end(int64_t j) const {
        using Wide = __int128;
        return n < m ? first(j) + 1 : std::max(first(j) + 1, int64_t(Wide(j + 1) * n / m));
    }
    int64_t at(int64_t k) const { return origin + (flip ? n - 1 - k : k); }
    // Narrows [k0, k1) to the steps whose source pixel lies in [0, limit), so that huge
    // source rectangles cost only their visible part.
    void clamp(int64_t& k0, int64_t& k1, int64_t limit) const {
        const int64_t lo = flip ? origin + n - limit : -origin;
        const int64_t hi = flip ? origin + n : limit - origin;
        k0 = std::max(k0, lo);
        k1 = std::min(k1, hi);
    }
};

// Stretch from a sampler (x, y) -> pixel. Enlarging repeats source pixels; shrinking in
// the default BLACKONWHITE mode ANDs the source pixels that fall on one destination pixel
// (so thin dark lines survive), WHITEONBLACK ORs them, the other modes keep one.
template <class Sample>
void stretch(const Canvas& dst, Area d, Area s, int64_t srcWidth, int64_t srcHeight, DWORD rop,
             Sample&& sample) {
    bool flipX = (d.w < 0) != (s.w < 0), flipY = (d.h < 0) != (s.h < 0);
    if (d.w < 0) {
        d.x += d.w, d.w = -d.w;
    }
    if (d.h < 0) {
        d.y += d.h, d.h = -d.h;
    }
    if (s.w < 0) {
        s.x += s.w, s.w = -s.w;
    }
    if (s.h < 0) {
        s.y += s.h, s.h = -s.h;
    }
    if (d.w == 0 || d.h == 0 || s.w == 0 || s.h == 0) {
        return;
    }
    const int mode = dst.dc->state.stretchMode;
    const bool merge = mode == BLACKONWHITE || mode == WHITEONBLACK;
    const AxisMap mx{s.w, d.w, flipX, s.x}, my{s.h, d.h, flipY, s.y};
    DevRect r = DevRect{d.x, d.y, d.x + d.w, d.y + d.h}.intersect(dst.clip);
    for (int64_t y = r.top; y < r.bottom; ++y) {
        const int64_t j = y - d.y;
        int64_t k0 = my.first(j), k1 = merge ? my.end(j) : k0 + 1;
        my.clamp(k0, k1, srcHeight);
        uint32_t* row = dst.surface.row(y);
        for (int64_t x = r.left; x < r.right; ++x) {
            const int64_t i = x - d.x;
            int64_t l0 = mx.first(i), l1 = merge ? mx.end(i) : l0 + 1;
            mx.clamp(l0, l1, srcWidth);
            bool any = false;
            uint32_t value = 0;
            for (int64_t k = k0; k < k1; ++k) {
                const int64_t sy = my.at(k);
                if (sy < 0 || sy >= srcHeight) {
                    continue;
                }
                for (int64_t l = l0; l < l1; ++l) {
                    const int64_t sx = mx.at(l);
                    if (sx < 0 || sx >= srcWidth) {
                        continue;
                    }
                    const uint32_t p = sample(sx, sy);
                    value = !any ? p : mode == WHITEONBLACK ? (value | p) : (value & p);
                    any = true;
                }
            }
            if (any) {
                row[x] = combine(rop, value, row[x]);
            }
        }
    }
}

// Same-size SRCCOPY between surfaces (possibly the same one).
void copyRows(const Canvas& dst, Area d, const Surface& src, int64_t sx, int64_t sy) {
    DevRect r = DevRect{d.x, d.y, d.x + d.w, d.y + d.h}.intersect(dst.clip);
    // Keep to the source surface.
    r = r.intersect({d.x - sx, d.y - sy, d.x - sx + src.width, d.y - sy + src.height});
    if (r.empty()) {
        return;
    }
    const int64_t offX = sx - d.x, offY = sy - d.y;
    const size_t bytes = size_t(r.right - r.left) * 4;
    const bool upwards = src.row0 == dst.surface.row0 && offY < 0;
    for (int64_t n = 0; n < r.bottom - r.top; ++n) {
        int64_t y = upwards ? r.bottom - 1 - n : r.top + n;
        memmove(dst.surface.row(y) + r.left, src.row(y + offY) + r.left + offX, bytes);
    }
}

void fillArea(const Canvas& dst, Area d, DWORD rop) {
    if (d.w < 0) {
        d.x += d.w, d.w = -d.w;
    }
    if (d.h < 0) {
        d.y += d.h, d.h = -d.h;
    }
    DevRect r{d.x, d.y, d.x + d.w, d.y + d.h};
    if (rop == PATCOPY) {
        BrushFill brush = realiseBrush(dst);
        brush.fore.rop2 = brush.back.rop2 = R2_COPYPEN;
        fillRect(dst, brush, r);
        return;
    }
    BrushFill solid;
    solid.none = false;
    solid.fore = {rop == WHITENESS ? 0xFFFFFFu : 0u, R2_COPYPEN};
    fillRect(dst, solid, r);
}

BOOL transfer(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int swidth,
              int sheight, DWORD rop) {
    Canvas dst;
    bool needsSource = true;
    if (!openCanvas(dest, dst) || !knownRop(rop, needsSource)) {
        return FALSE;
    }
    Area d = deviceArea(dst.dc->state, x, y, width, height);
    if (!needsSource) {
        fillArea(dst, d, rop);
        return TRUE;
    }
    Canvas src;
    if (!openCanvas(source, src)) {
        return FALSE;
    }
    Area s = deviceArea(src.dc->state, sx, sy, swidth, sheight);
    const Surface& ss = src.surface;
    if (textBoxLogOn()) {
        carryTextBoxes(src, normalised(s), dst, normalised(d), (d.w < 0) != (s.w < 0),
                       (d.h < 0) != (s.h < 0));
    }
    // BitBlt between DCs with different scaling stretches like StretchBlt.
    if (d.w > 0 && d.h > 0 && s.w == d.w && s.h == d.h && rop == SRCCOPY) {
        copyRows(dst, d, ss, s.x, s.y);
        return TRUE;
    }
    if (ss.row0 == dst.surface.row0) {
        // Stretching within one surface: sample a copy of the source.
        std::vector<uint32_t> copy(size_t(ss.width) * size_t(ss.height));
        for (int row = 0; row < ss.height; ++row) {
            memcpy(copy.data() + size_t(row) * size_t(ss.width), ss.row(row), size_t(ss.width) * 4);
        }
        const int64_t w = ss.width;
        stretch(dst, d, s, ss.width, ss.height, rop,
                [&](int64_t px, int64_t py) { return copy[size_t(py * w + px)]; });
        return TRUE;
    }
    stretch(dst, d, s, ss.width, ss.height, rop,
            [&](int64_t px, int64_t py) { return ss.at(px, py); });
    return TRUE;
}

} // namespace

extern "C" {

BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                   DWORD rop) {
    return transfer(dest, x, y, width, height, source, sx, sy, width, height, rop);
}

BOOL WINAPI StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                       int swidth, int sheight, DWORD rop) {
    return transfer(dest, x, y, width, height, source, sx, sy, swidth, sheight, rop);
}

// The source rectangle of a bottom-up DIB is given from its bottom row, as on Windows.
// Returns the number of destination rows, 0 on failure.
int WINAPI StretchDIBits(HDC hdc, int x, int y, int width, int height, int sx, int sy, int swidth,
                         int sheight, const void* bits, const BITMAPINFO* info, UINT usage,
                         DWORD rop) {
    Canvas dst;
    bool needsSource = true;
    if (!openCanvas(hdc, dst) || !knownRop(rop, needsSource)) {
        return 0;
    }
    Area d = deviceArea(dst.dc->state, x, y, width, height);
    if (!needsSource) {
        fillArea(dst, d, rop);
        return height < 0 ? -height : height;
    }
    DibReader reader(info, bits, usage);
    if (!reader.valid()) {
        return 0;
    }
    Area s{sx, sy, swidth, sheight};
    if (info->bmiHeader.biHeight > 0) {
        s.y = int64_t(reader.height()) - sy - sheight;
    }
    stretch(dst, d, s, reader.width(), reader.height(), rop,
            [&](int64_t px, int64_t py) { return reader.pixel(int(px), int(py)); });
    return height < 0 ? -height : height;
}

} // extern "C"
