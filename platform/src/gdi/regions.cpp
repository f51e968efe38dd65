// Rectangular regions and the DC clip region. Selecting a region copies it (the caller
// keeps and deletes its own), in device coordinates; SelectClipRgn(hdc, NULL) removes it.
#include "gdi/dc.h"

using namespace w32::gdi;

namespace {

DevRect normalised(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    DevRect r{std::min(left, right), std::min(top, bottom), std::max(left, right),
              std::max(top, bottom)};
    if (r.empty()) {
        return {};
    }
    return r;
}

LONG narrow(int64_t v) {
    return LONG(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

RECT toRect(const DevRect& r) {
    return {narrow(r.left), narrow(r.top), narrow(r.right), narrow(r.bottom)};
}

} // namespace

extern "C" {

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
    auto region = std::make_unique<Region>();
    region->rect = normalised(left, top, right, bottom);
    return static_cast<HRGN>(addObject(std::move(region)));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) {
        return nullptr;
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int WINAPI GetRgnBox(HRGN hregion, LPRECT rect) {
    Region* region = find<Region>(hregion);
    if (!region || !rect) {
        return ERROR;
    }
    *rect = toRect(region->rect);
    return region->rect.empty() ? NULLREGION : SIMPLEREGION;
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hregion) {
    Dc* dc = find<Dc>(hdc);
    if (!dc) {
        return ERROR;
    }
    if (!hregion) {
        dc->state.hasClip = false;
        dc->state.clip = {};
        return SIMPLEREGION;
    }
    Region* region = find<Region>(hregion);
    if (!region) {
        return ERROR;
    }
    dc->state.hasClip = true;
    dc->state.clip = region->rect;
    return region->rect.empty() ? NULLREGION : SIMPLEREGION;
}

// The clip box in logical coordinates: the clip region within the surface.
int WINAPI GetClipBox(HDC hdc, LPRECT rect) {
    Canvas canvas;
    if (!rect || !openCanvas(hdc, canvas)) {
        return ERROR;
    }
    if (canvas.clip.empty()) {
        *rect = {0, 0, 0, 0};
        return NULLREGION;
    }
    const DcState& s = canvas.dc->state;
    DevPoint a = toLogical(s, canvas.clip.left, canvas.clip.top);
    DevPoint b = toLogical(s, canvas.clip.right, canvas.clip.bottom);
    *rect = toRect(normalised(a.x, a.y, b.x, b.y));
    return SIMPLEREGION;
}

} // extern "C"
