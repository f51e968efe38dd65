// TextOutA. The string is laid out in its own frame (u along the text, v downwards from
// the text's point of view): the reference point is placed per the text alignment
// (horizontally on the advance extent, vertically on the cell: top, baseline or bottom),
// the cell box (extent x tmHeight) is painted in the background colour when OPAQUE, and
// glyph pixels with coverage of at least half are painted in the text colour, as
// non-smoothed text is. A font with escapement 900 turns the whole frame a quarter turn
// counter-clockwise (reading upwards), so the alignment applies in the turned frame.
#include "gdi/font_selection.h"
#include "gdi/paint.h"
#include "gdi/text_boxes.h"

using namespace w32::gdi;

namespace {

// Where the frame pixel (u, v) lands for a quarter turn q, relative to the reference.
struct Turn {
    int q = 0;
    DevPoint ref;
    DevPoint map(int64_t u, int64_t v) const {
        switch (q) {
        case 1:
            return {ref.x + v, ref.y - u - 1};
        case 2:
            return {ref.x - u - 1, ref.y - v - 1};
        case 3:
            return {ref.x - v - 1, ref.y + u};
        default:
            return {ref.x + u, ref.y + v};
        }
    }
    // The device rectangle covered by the frame rectangle [u0, u1) x [v0, v1).
    DevRect mapRect(int64_t u0, int64_t v0, int64_t u1, int64_t v1) const {
        DevPoint a = map(u0, v0), b = map(u1 - 1, v1 - 1);
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
                std::max(a.y, b.y) + 1};
    }
};

// The box a string covers for the text-box log: its cell, widened by any glyph pixels
// that reach beyond it (overhangs, accents above the ascent).
DevRect inkBox(w32::text::Face& face, const Turn& turn, LPCSTR text, int count, int64_t u0,
               int64_t baseline, int64_t extent) {
    const w32::text::FontMetrics& m = face.metrics();
    int64_t left = u0, top = baseline - m.ascent, right = u0 + std::max<int64_t>(extent, 1),
            bottom = baseline + m.descent;
    int64_t pen = u0;
    for (int i = 0; i < count; ++i) {
        const w32::text::Glyph& g = face.glyph(uint8_t(text[i]));
        if (g.width > 0 && g.height > 0) {
            left = std::min(left, pen + g.left);
            right = std::max(right, pen + g.left + g.width);
            top = std::min(top, baseline - g.top);
            bottom = std::max(bottom, baseline - g.top + g.height);
        }
        pen += face.advance(uint8_t(text[i]));
    }
    return turn.mapRect(left, top, right, bottom);
}

} // namespace

extern "C" {

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
    Canvas canvas;
    if (!openCanvas(hdc, canvas) || count < 0 || (!text && count > 0)) {
        return FALSE;
    }
    Dc& dc = *canvas.dc;
    DcState& s = dc.state;
    auto face = selectedFace(dc);
    if (!face) {
        return FALSE;
    }
    const bool updateCp = (s.textAlign & TA_UPDATECP) != 0;
    if (updateCp) {
        x = s.position.x;
        y = s.position.y;
    }
    const w32::text::FontMetrics& m = face->metrics();
    int64_t extent = 0;
    for (int i = 0; i < count; ++i) {
        extent += face->advance(uint8_t(text[i]));
    }

    int64_t u0 = 0;
    switch (s.textAlign & TA_CENTER) {
    case TA_CENTER:
        u0 = -(extent / 2);
        break;
    case TA_RIGHT:
        u0 = -extent;
        break;
    default:
        break;
    }
    int64_t baseline = 0;
    switch (s.textAlign & TA_BASELINE) {
    case TA_BASELINE:
        break;
    case TA_BOTTOM:
        baseline = -m.descent;
        break;
    default:
        baseline = m.ascent;
        break;
    }

    Turn turn{selectedQuarterTurn(dc), toDevice(s, x, y)};
    const Surface& surface = canvas.surface;
    if (s.bkMode == OPAQUE && extent > 0) {
        DevRect box = turn.mapRect(u0, baseline - m.ascent, u0 + extent, baseline + m.descent)
                          .intersect(canvas.clip);
        Ink back{toPixel(s.bkColor), R2_COPYPEN};
        for (int64_t row = box.top; row < box.bottom; ++row) {
            paintSpan(surface, row, box.left, box.right, back);
        }
    }
    if (textBoxLogOn() && count > 0) {
        logTextBox(canvas, inkBox(*face, turn, text, count, u0, baseline, extent),
                   m.charset == SYMBOL_CHARSET);
    }
    const uint32_t ink = toPixel(s.textColor);
    int64_t pen = u0;
    for (int i = 0; i < count; ++i) {
        const w32::text::Glyph& g = face->glyph(uint8_t(text[i]));
        const int64_t gu = pen + g.left, gv = baseline - g.top;
        if (!turn.mapRect(gu, gv, gu + std::max(g.width, 1), gv + std::max(g.height, 1))
                 .intersect(canvas.clip)
                 .empty()) {
            for (int r = 0; r < g.height; ++r) {
                const uint8_t* cov = g.coverage.data() + size_t(r) * size_t(g.width);
                for (int c = 0; c < g.width; ++c) {
                    if (cov[c] < 128) {
                        continue;
                    }
                    DevPoint p = turn.map(gu + c, gv + r);
                    if (canvas.clip.contains(p.x, p.y)) {
                        surface.at(p.x, p.y) = ink;
                    }
                }
            }
        }
        pen += face->advance(uint8_t(text[i]));
    }
    if (updateCp) {
        s.position.x = LONG(s.position.x + logicalX(s, extent));
    }
    return TRUE;
}

} // extern "C"
