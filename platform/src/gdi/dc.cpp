// Memory device contexts: creation with Windows' defaults, object selection (which keeps
// selected objects alive until they are deselected), saved states and the simple state
// setters, each returning the previous value as the callers restore it.
#include "gdi/dc.h"

namespace w32::gdi {

bool openCanvas(HDC hdc, Canvas& canvas) {
    Dc* dc = find<Dc>(hdc);
    if (!dc) {
        return false;
    }
    Bitmap* bitmap = find<Bitmap>(dc->state.bitmap);
    if (!bitmap) {
        return false;
    }
    canvas.dc = dc;
    canvas.surface = bitmap->surface();
    canvas.clip = canvas.surface.bounds();
    if (dc->state.hasClip) {
        canvas.clip = canvas.clip.intersect(dc->state.clip);
    }
    return true;
}

} // namespace w32::gdi

using namespace w32::gdi;

namespace {

DcState* stateOf(HDC hdc) {
    Dc* dc = find<Dc>(hdc);
    return dc ? &dc->state : nullptr;
}

void retainState(const DcState& s) {
    retain(s.pen);
    retain(s.brush);
    retain(s.font);
    retain(s.bitmap);
}

void releaseState(const DcState& s) {
    release(s.pen);
    release(s.brush);
    release(s.font);
    release(s.bitmap);
}

// Swaps one selected object, keeping the selection references balanced.
Handle swapSelected(Handle& slot, Handle object) {
    Handle previous = slot;
    retain(object);
    slot = object;
    release(previous);
    return previous;
}

} // namespace

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !find<Dc>(hdc)) {
        return nullptr;
    }
    auto dc = std::make_unique<Dc>();
    DcState& s = dc->state;
    s.pen = stockObject(BLACK_PEN);
    s.brush = stockObject(WHITE_BRUSH);
    s.font = stockObject(SYSTEM_FONT);
    s.bitmap = defaultBitmap();
    retainState(s);
    return static_cast<HDC>(addObject(std::move(dc)));
}

BOOL WINAPI DeleteDC(HDC hdc) {
    Dc* dc = find<Dc>(hdc);
    if (!dc) {
        return FALSE;
    }
    if (Bitmap* bitmap = find<Bitmap>(dc->state.bitmap); bitmap && bitmap->ownerDc == hdc) {
        bitmap->ownerDc = nullptr;
    }
    releaseState(dc->state);
    for (const DcState& s : dc->saved) {
        releaseState(s);
    }
    removeObject(hdc);
    return TRUE;
}

int WINAPI SaveDC(HDC hdc) {
    Dc* dc = find<Dc>(hdc);
    if (!dc) {
        return 0;
    }
    dc->saved.push_back(dc->state);
    retainState(dc->state);
    return int(dc->saved.size());
}

// A positive level restores that saved state (dropping the later ones); a negative level
// counts back from the most recent.
BOOL WINAPI RestoreDC(HDC hdc, int level) {
    Dc* dc = find<Dc>(hdc);
    if (!dc) {
        return FALSE;
    }
    int count = int(dc->saved.size());
    if (level < 0) {
        level = count + 1 + level;
    }
    if (level <= 0 || level > count) {
        return FALSE;
    }
    // A restored bitmap must not have been taken by another DC meanwhile.
    const DcState& target = dc->saved[size_t(level - 1)];
    Bitmap* restoredBitmap = find<Bitmap>(target.bitmap);
    if (target.bitmap != dc->state.bitmap && restoredBitmap && restoredBitmap->ownerDc &&
        restoredBitmap->ownerDc != hdc) {
        return FALSE;
    }
    if (Bitmap* bitmap = find<Bitmap>(dc->state.bitmap); bitmap && bitmap->ownerDc == hdc) {
        bitmap->ownerDc = nullptr;
    }
    releaseState(dc->state);
    dc->state = target;
    for (int i = count - 1; i >= level - 1; --i) {
        if (i != level - 1) {
            releaseState(dc->saved[size_t(i)]);
        }
    }
    dc->saved.resize(size_t(level - 1));
    if (Bitmap* bitmap = find<Bitmap>(dc->state.bitmap); bitmap && !isStock(dc->state.bitmap)) {
        bitmap->ownerDc = hdc;
    }
    return TRUE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
    Dc* dc = find<Dc>(hdc);
    if (!dc) {
        return 0;
    }
    Bitmap* bitmap = find<Bitmap>(dc->state.bitmap);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case HORZRES:
        return bitmap ? bitmap->width : 0;
    case VERTRES:
        return bitmap ? bitmap->height : 0;
    case HORZSIZE:
        return bitmap ? bitmap->width * 254 / 960 : 0;
    case VERTSIZE:
        return bitmap ? bitmap->height * 254 / 960 : 0;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    default:
        return 0;
    }
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
    Dc* dc = find<Dc>(hdc);
    GdiObject* target = findObject(object);
    if (!dc || !target) {
        return nullptr;
    }
    DcState& s = dc->state;
    switch (target->kind) {
    case Kind::Pen:
        return swapSelected(s.pen, object);
    case Kind::Brush:
        s.brushBkMode = 0;
        return swapSelected(s.brush, object);
    case Kind::Font:
        return swapSelected(s.font, object);
    case Kind::Bitmap: {
        auto* bitmap = static_cast<Bitmap*>(target);
        if (bitmap->ownerDc && bitmap->ownerDc != hdc) {
            return nullptr; // already selected into another DC
        }
        if (Bitmap* old = find<Bitmap>(s.bitmap); old && old->ownerDc == hdc) {
            old->ownerDc = nullptr;
        }
        if (!isStock(object)) {
            bitmap->ownerDc = hdc;
        }
        return swapSelected(s.bitmap, object);
    }
    case Kind::Region:
        return reinterpret_cast<HGDIOBJ>(intptr_t(SelectClipRgn(hdc, static_cast<HRGN>(object))));
    case Kind::Dc:
        break;
    }
    return nullptr;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    DcState* s = stateOf(hdc);
    if (!s) {
        return nullptr;
    }
    switch (type) {
    case OBJ_PEN:
        return s->pen;
    case OBJ_BRUSH:
        return s->brush;
    case OBJ_FONT:
        return s->font;
    case OBJ_BITMAP:
        return s->bitmap;
    default:
        return nullptr;
    }
}

int WINAPI SetROP2(HDC hdc, int mode) {
    DcState* s = stateOf(hdc);
    if (!s || mode < R2_BLACK || mode > R2_WHITE) {
        return 0;
    }
    int previous = s->rop2;
    s->rop2 = mode;
    return previous;
}

int WINAPI GetROP2(HDC hdc) {
    DcState* s = stateOf(hdc);
    return s ? s->rop2 : 0;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    DcState* s = stateOf(hdc);
    if (!s || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    int previous = s->bkMode;
    s->bkMode = mode;
    return previous;
}

int WINAPI GetBkMode(HDC hdc) {
    DcState* s = stateOf(hdc);
    return s ? s->bkMode : 0;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    DcState* s = stateOf(hdc);
    if (!s) {
        return CLR_INVALID;
    }
    COLORREF previous = s->bkColor;
    s->bkColor = color;
    return previous;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    DcState* s = stateOf(hdc);
    return s ? s->bkColor : CLR_INVALID;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    DcState* s = stateOf(hdc);
    if (!s) {
        return CLR_INVALID;
    }
    COLORREF previous = s->textColor;
    s->textColor = color;
    return previous;
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    DcState* s = stateOf(hdc);
    return s ? s->textColor : CLR_INVALID;
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    DcState* s = stateOf(hdc);
    if (!s) {
        return GDI_ERROR;
    }
    UINT previous = s->textAlign;
    s->textAlign = align;
    return previous;
}

UINT WINAPI GetTextAlign(HDC hdc) {
    DcState* s = stateOf(hdc);
    return s ? s->textAlign : GDI_ERROR;
}

int WINAPI SetPolyFillMode(HDC hdc, int mode) {
    DcState* s = stateOf(hdc);
    if (!s || (mode != ALTERNATE && mode != WINDING)) {
        return 0;
    }
    int previous = s->polyFillMode;
    s->polyFillMode = mode;
    return previous;
}

int WINAPI GetPolyFillMode(HDC hdc) {
    DcState* s = stateOf(hdc);
    return s ? s->polyFillMode : 0;
}

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
    DcState* s = stateOf(hdc);
    if (!s || mode < BLACKONWHITE || mode > HALFTONE) {
        return 0;
    }
    int previous = s->stretchMode;
    s->stretchMode = mode;
    return previous;
}

int WINAPI GetStretchBltMode(HDC hdc) {
    DcState* s = stateOf(hdc);
    return s ? s->stretchMode : 0;
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    DcState* s = stateOf(hdc);
    if (!s) {
        return FALSE;
    }
    if (previous) {
        *previous = s->brushOrg;
    }
    s->brushOrg = {x, y};
    return TRUE;
}

BOOL WINAPI GdiFlush(void) {
    return TRUE;
}

} // extern "C"
