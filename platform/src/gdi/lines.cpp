// MoveToEx, LineTo and Polyline. LineTo draws from the current position and leaves the
// position at its end point; each LineTo call starts the pen's style pattern afresh.
#include "gdi/stroke.h"

using namespace w32::gdi;

extern "C" {

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    Dc* dc = find<Dc>(hdc);
    if (!dc) {
        return FALSE;
    }
    if (previous) {
        *previous = dc->state.position;
    }
    dc->state.position = {x, y};
    return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT point) {
    Dc* dc = find<Dc>(hdc);
    if (!dc || !point) {
        return FALSE;
    }
    *point = dc->state.position;
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    Canvas canvas;
    if (!openCanvas(hdc, canvas)) {
        return FALSE;
    }
    DcState& s = canvas.dc->state;
    DevPoint pts[2] = {toDevice(s, s.position.x, s.position.y), toDevice(s, x, y)};
    strokePolyline(canvas, realisePen(canvas), pts, 2, false);
    s.position = {x, y};
    return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* points, int count) {
    Canvas canvas;
    if (!openCanvas(hdc, canvas) || !points || count < 2) {
        return FALSE;
    }
    const DcState& s = canvas.dc->state;
    std::vector<DevPoint> pts;
    pts.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        pts.push_back(toDevice(s, points[i].x, points[i].y));
    }
    strokePolyline(canvas, realisePen(canvas), pts.data(), pts.size(), false);
    return TRUE;
}

} // extern "C"
