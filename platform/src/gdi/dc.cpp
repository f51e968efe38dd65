// Memory device contexts: creation with Windows' defaults, object selection (which keeps
// selected objects alive until they are deselected), saved states and the simple state
// setters, each returning the previous value as the callers restore it.
#include "gdi/dc.h"

#include <utility>

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

// Every attribute setter has one shape: fail on a bad handle or value, else store the new
// value and hand back the old one.
template <class T>
T exchangeAttribute(HDC hdc, T DcState::*field, T value, bool valid, T failure) {
    DcState* s = stateOf(hdc);
    if (!s || !valid) {
        return failure;
    }
    return std::exchange(s->*field, value);
}

template <class T>
T readAttribute(HDC hdc, T DcState::*field, T failure) {
    DcState* s = stateOf(hdc);
    return s ? s->*field : failure;
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
    return exchangeAttribute(hdc, &DcState::rop2, mode, mode >= R2_BLACK && mode <= R2_WHITE, 0);
}

int WINAPI GetROP2(HDC hdc) {
    return readAttribute(hdc, &DcState::rop2, 0);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    return exchangeAttribute(hdc, &DcState::bkMode, mode, mode == TRANSPARENT || mode == OPAQUE, 0);
}

int WINAPI GetBkMode(HDC hdc) {
    return readAttribute(hdc, &DcState::bkMode, 0);
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return exchangeAttribute(hdc, &DcState::bkColor, color, true, CLR_INVALID);
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    return readAttribute(hdc, &DcState::bkColor, CLR_INVALID);
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return exchangeAttribute(hdc, &DcState::textColor, color, true, CLR_INVALID);
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    return readAttribute(hdc, &DcState::textColor, CLR_INVALID);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    return exchangeAttribute(hdc, &DcState::textAlign, align, true, UINT(GDI_ERROR));
}

UINT WINAPI GetTextAlign(HDC hdc) {
    return readAttribute(hdc, &DcState::textAlign, UINT(GDI_ERROR));
}

int WINAPI SetPolyFillMode(HDC hdc, int mode) {
    return exchangeAttribute(hdc, &DcState::polyFillMode, mode,
                             mode == ALTERNATE || mode == WINDING, 0);
}

int WINAPI GetPolyFillMode(HDC hdc) {
    return readAttribute(hdc, &DcState::polyFillMode, 0);
}

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
    return exchangeAttribute(hdc, &DcState::stretchMode, mode,
                             mode >= BLACKONWHITE && mode <= HALFTONE, 0);
}

int WINAPI GetStretchBltMode(HDC hdc) {
    return readAttribute(hdc, &DcState::stretchMode, 0);
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
