// Single pixels: SetPixel paints within the clip, GetPixel reads within it.
#include "gdi/dc.h"

using namespace w32::gdi;

extern "C" {

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    Canvas canvas;
    if (!openCanvas(hdc, canvas)) {
        return CLR_INVALID;
    }
    DevPoint p = toDevice(canvas.dc->state, x, y);
    if (!canvas.clip.contains(p.x, p.y)) {
        return CLR_INVALID;
    }
    canvas.surface.at(p.x, p.y) = toPixel(color);
    return color & 0xFFFFFF;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    Canvas canvas;
    if (!openCanvas(hdc, canvas)) {
        return CLR_INVALID;
    }
    DevPoint p = toDevice(canvas.dc->state, x, y);
    if (!canvas.clip.contains(p.x, p.y)) {
        return CLR_INVALID;
    }
    return toColorRef(canvas.surface.at(p.x, p.y));
}

} // extern "C"
