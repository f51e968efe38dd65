// GetTextMetricsA, GetCharWidthA and GetTextExtentPointA. Advances are whole pixels and
// there is no kerning, so an extent is exactly the sum of the character widths and the
// distance TextOutA moves.
#include "gdi/font_selection.h"

using namespace w32::gdi;

namespace {

bool charWidths(HDC hdc, UINT first, UINT last, LPINT widths) {
    Dc* dc = find<Dc>(hdc);
    if (!dc || !widths || first > last || last > 0xFF) {
        return false;
    }
    auto face = selectedFace(*dc);
    if (!face) {
        return false;
    }
    for (UINT c = first; c <= last; ++c) {
        widths[c - first] = int(logicalX(dc->state, face->advance(uint8_t(c))));
    }
    return true;
}

bool textExtent(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    Dc* dc = find<Dc>(hdc);
    if (!dc || !size || count < 0 || (!text && count > 0)) {
        return false;
    }
    auto face = selectedFace(*dc);
    if (!face) {
        return false;
    }
    int64_t extent = 0;
    for (int i = 0; i < count; ++i) {
        extent += face->advance(uint8_t(text[i]));
    }
    size->cx = LONG(logicalX(dc->state, extent));
    size->cy = LONG(logicalY(dc->state, face->metrics().height));
    return true;
}

} // namespace

extern "C" {

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA tm) {
    Dc* dc = find<Dc>(hdc);
    if (!dc || !tm) {
        return FALSE;
    }
    auto face = selectedFace(*dc);
    if (!face) {
        return FALSE;
    }
    const w32::text::FontMetrics& m = face->metrics();
    const DcState& s = dc->state;
    *tm = {};
    tm->tmHeight = LONG(logicalY(s, m.height));
    tm->tmAscent = LONG(logicalY(s, m.ascent));
    tm->tmDescent = LONG(logicalY(s, m.descent));
    tm->tmInternalLeading = LONG(logicalY(s, m.internalLeading));
    tm->tmExternalLeading = LONG(logicalY(s, m.externalLeading));
    tm->tmAveCharWidth = LONG(logicalX(s, m.aveCharWidth));
    tm->tmMaxCharWidth = LONG(logicalX(s, m.maxCharWidth));
    tm->tmWeight = m.weight;
    tm->tmOverhang = 0;
    tm->tmDigitizedAspectX = 96;
    tm->tmDigitizedAspectY = 96;
    tm->tmFirstChar = m.firstChar;
    tm->tmLastChar = m.lastChar;
    tm->tmDefaultChar = m.defaultChar;
    tm->tmBreakChar = m.breakChar;
    tm->tmItalic = m.italic ? 0xFF : 0;
    // Variable pitch (the bit is set when the font is NOT fixed), vector, TrueType.
    tm->tmPitchAndFamily = 0x07;
    tm->tmCharSet = BYTE(m.charset);
    return TRUE;
}

BOOL WINAPI GetCharWidthA(HDC hdc, UINT first, UINT last, LPINT widths) {
    return charWidths(hdc, first, last, widths) ? TRUE : FALSE;
}

BOOL WINAPI GetCharWidth32A(HDC hdc, UINT first, UINT last, LPINT widths) {
    return charWidths(hdc, first, last, widths) ? TRUE : FALSE;
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    return textExtent(hdc, text, count, size) ? TRUE : FALSE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    return textExtent(hdc, text, count, size) ? TRUE : FALSE;
}

} // extern "C"
