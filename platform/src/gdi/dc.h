// Device contexts: the drawing state of a memory DC over a DIB surface, and the helpers
// every drawing call starts with (find the DC, map coordinates, compute the clip).
#pragma once

#include <vector>

#include <wingdi.h>

#include "gdi/handle_table.h"
#include "gdi/objects.h"
#include "gdi/surface.h"

namespace w32::gdi {

struct DcState {
    Handle pen = nullptr;
    Handle brush = nullptr;
    Handle font = nullptr;
    Handle bitmap = nullptr;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    int bkMode = OPAQUE;
    // The background mode a selected hatch brush was first drawn with: GDI realises the
    // brush once per selection and later SetBkMode calls do not change it.
    int brushBkMode = 0;
    int rop2 = R2_COPYPEN;
    UINT textAlign = TA_LEFT | TA_TOP;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    int mapMode = MM_TEXT;
    POINT windowOrg{0, 0};
    POINT viewportOrg{0, 0};
    SIZE windowExt{1, 1};
    SIZE viewportExt{1, 1};
    POINT position{0, 0}; // logical
    POINT brushOrg{0, 0};
    bool hasClip = false;
    DevRect clip; // device coordinates
};

struct Dc : GdiObject {
    static constexpr Kind kKind = Kind::Dc;
    Dc() : GdiObject(kKind) {}
    DcState state;
    std::vector<DcState> saved;
};

// Everything a drawing call needs, resolved once at its start.
struct Canvas {
    Dc* dc = nullptr;
    Surface surface;
    DevRect clip; // surface bounds intersected with the clip region
};

// The drawing state of a DC handle, or null for a bad handle.
inline DcState* stateOf(HDC hdc) {
    Dc* dc = find<Dc>(hdc);
    return dc ? &dc->state : nullptr;
}

// The DC and its canvas, or false for a bad handle or a DC without a usable surface.
bool openCanvas(HDC hdc, Canvas& canvas);

// Logical to device coordinates for the DC's map mode (rounded to nearest).
DevPoint toDevice(const DcState& state, int64_t x, int64_t y);
DevPoint toLogical(const DcState& state, int64_t x, int64_t y);
// Scales a logical length along x or y to device pixels (absolute value).
int64_t scaleX(const DcState& state, int64_t length);
int64_t scaleY(const DcState& state, int64_t length);

} // namespace w32::gdi
