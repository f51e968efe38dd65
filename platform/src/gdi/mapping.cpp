// Map modes: MM_TEXT (one logical unit per pixel) and MM_ANISOTROPIC (independent x and y
// scales from the window and viewport extents). Other modes are accepted and treated as
// MM_TEXT scaling, which no caller of this layer needs.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gdi/dc.h"

namespace w32::gdi {
namespace {

bool scaled(const DcState& s) {
    return s.mapMode == MM_ANISOTROPIC || s.mapMode == MM_ISOTROPIC;
}

int64_t mapAxis(int64_t v, int64_t fromOrg, int64_t fromExt, int64_t toOrg, int64_t toExt) {
    double r = std::floor(double(v - fromOrg) * double(toExt) / double(fromExt) + 0.5);
    return int64_t(r) + toOrg;
}

} // namespace

DevPoint toDevice(const DcState& s, int64_t x, int64_t y) {
    if (!scaled(s)) {
        return {x - s.windowOrg.x + s.viewportOrg.x, y - s.windowOrg.y + s.viewportOrg.y};
    }
    return {mapAxis(x, s.windowOrg.x, s.windowExt.cx, s.viewportOrg.x, s.viewportExt.cx),
            mapAxis(y, s.windowOrg.y, s.windowExt.cy, s.viewportOrg.y, s.viewportExt.cy)};
}

DevPoint toLogical(const DcState& s, int64_t x, int64_t y) {
    if (!scaled(s)) {
        return {x - s.viewportOrg.x + s.windowOrg.x, y - s.viewportOrg.y + s.windowOrg.y};
    }
    return {mapAxis(x, s.viewportOrg.x, s.viewportExt.cx, s.windowOrg.x, s.windowExt.cx),
            mapAxis(y, s.viewportOrg.y, s.viewportExt.cy, s.windowOrg.y, s.windowExt.cy)};
}

int64_t scaleX(const DcState& s, int64_t length) {
    if (!scaled(s)) {
        return std::llabs(length);
    }
    return std::llabs(mapAxis(length, 0, s.windowExt.cx, 0, s.viewportExt.cx));
}

int64_t scaleY(const DcState& s, int64_t length) {
    if (!scaled(s)) {
        return std::llabs(length);
    }
    return std::llabs(mapAxis(length, 0, s.windowExt.cy, 0, s.viewportExt.cy));
}

} // namespace w32::gdi

using namespace w32::gdi;

namespace {

// Extents only change in the scalable modes; a zero extent would divide by zero when
// mapping, so it is refused as on Windows.
BOOL setExtent(HDC hdc, SIZE DcState::*extent, int x, int y, LPSIZE previous) {
    DcState* s = stateOf(hdc);
    if (!s) {
        return FALSE;
    }
    if (previous) {
        *previous = s->*extent;
    }
    if (!scaled(*s)) {
        return TRUE;
    }
    if (x == 0 || y == 0) {
        return FALSE;
    }
    s->*extent = {x, y};
    return TRUE;
}

BOOL setOrigin(HDC hdc, POINT DcState::*origin, int x, int y, LPPOINT previous) {
    DcState* s = stateOf(hdc);
    if (!s) {
        return FALSE;
    }
    if (previous) {
        *previous = s->*origin;
    }
    s->*origin = {x, y};
    return TRUE;
}

template <class T>
BOOL readPair(HDC hdc, T DcState::*field, T* out) {
    DcState* s = stateOf(hdc);
    if (!s || !out) {
        return FALSE;
    }
    *out = s->*field;
    return TRUE;
}

} // namespace

extern "C" {

int WINAPI SetMapMode(HDC hdc, int mode) {
    DcState* s = stateOf(hdc);
    if (!s || mode < MM_TEXT || mode > MM_ANISOTROPIC) {
        return 0;
    }
    int previous = s->mapMode;
    s->mapMode = mode;
    if (mode == MM_TEXT) {
        s->windowExt = {1, 1};
        s->viewportExt = {1, 1};
    }
    return previous;
}

int WINAPI GetMapMode(HDC hdc) {
    DcState* s = stateOf(hdc);
    return s ? s->mapMode : 0;
}

BOOL WINAPI SetWindowExtEx(HDC hdc, int x, int y, LPSIZE previous) {
    return setExtent(hdc, &DcState::windowExt, x, y, previous);
}

BOOL WINAPI SetViewportExtEx(HDC hdc, int x, int y, LPSIZE previous) {
    return setExtent(hdc, &DcState::viewportExt, x, y, previous);
}

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return setOrigin(hdc, &DcState::windowOrg, x, y, previous);
}

BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return setOrigin(hdc, &DcState::viewportOrg, x, y, previous);
}

BOOL WINAPI GetWindowExtEx(HDC hdc, LPSIZE size) {
    return readPair(hdc, &DcState::windowExt, size);
}

BOOL WINAPI GetViewportExtEx(HDC hdc, LPSIZE size) {
    return readPair(hdc, &DcState::viewportExt, size);
}

BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT point) {
    return readPair(hdc, &DcState::windowOrg, point);
}

BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT point) {
    return readPair(hdc, &DcState::viewportOrg, point);
}

static LONG narrow(int64_t v) {
    return LONG(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

BOOL WINAPI LPtoDP(HDC hdc, LPPOINT points, int count) {
    DcState* s = stateOf(hdc);
    if (!s || (!points && count > 0) || count < 0) {
        return FALSE;
    }
    for (int i = 0; i < count; ++i) {
        DevPoint d = toDevice(*s, points[i].x, points[i].y);
        points[i] = {narrow(d.x), narrow(d.y)};
    }
    return TRUE;
}

BOOL WINAPI DPtoLP(HDC hdc, LPPOINT points, int count) {
    DcState* s = stateOf(hdc);
    if (!s || (!points && count > 0) || count < 0) {
        return FALSE;
    }
    for (int i = 0; i < count; ++i) {
        DevPoint d = toLogical(*s, points[i].x, points[i].y);
        points[i] = {narrow(d.x), narrow(d.y)};
    }
    return TRUE;
}

} // extern "C"
