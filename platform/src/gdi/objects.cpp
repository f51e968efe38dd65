// Pens, brushes and fonts: creation (storing what was asked for), the stock objects,
// DeleteObject and GetObjectA.
#include <cstring>

#include "gdi/objects.h"

namespace w32::gdi {
namespace {

constexpr int kStockCount = 18;

std::unique_ptr<GdiObject> makePen(int style, int width, COLORREF color) {
    auto pen = std::make_unique<Pen>();
    pen->style = style;
    pen->width = width;
    pen->color = color;
    return pen;
}

std::unique_ptr<GdiObject> makeBrush(int style, COLORREF color, int hatch = 0) {
    auto brush = std::make_unique<Brush>();
    brush->style = style;
    brush->color = color;
    brush->hatch = hatch;
    return brush;
}

std::unique_ptr<GdiObject> makeFont(const char* face, int height, int weight) {
    auto font = std::make_unique<Font>();
    font->request.face = face;
    font->request.height = height;
    font->request.weight = weight;
    return font;
}

std::unique_ptr<GdiObject> makeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return makeBrush(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return makeBrush(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH:
        return makeBrush(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return makeBrush(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH:
        return makeBrush(BS_SOLID, RGB(0, 0, 0));
    case NULL_BRUSH:
        return makeBrush(BS_NULL, 0);
    case WHITE_PEN:
        return makePen(PS_SOLID, 0, RGB(255, 255, 255));
    case BLACK_PEN:
        return makePen(PS_SOLID, 0, RGB(0, 0, 0));
    case NULL_PEN:
        return makePen(PS_NULL, 0, 0);
    case SYSTEM_FONT:
        return makeFont("", 0, FW_BOLD);
    case DEVICE_DEFAULT_FONT:
        return makeFont("", 0, FW_BOLD);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        return makeFont("Courier New", 13, FW_NORMAL);
    case ANSI_VAR_FONT:
    case DEFAULT_GUI_FONT:
        return makeFont("MS Sans Serif", -11, FW_NORMAL);
    default:
        return nullptr;
    }
}

} // namespace

Handle stockObject(int index) {
    static Handle handles[kStockCount] = {};
    if (index < 0 || index >= kStockCount) {
        return nullptr;
    }
    if (!handles[index]) {
        if (auto object = makeStock(index)) {
            handles[index] = addObject(std::move(object), true);
        }
    }
    return handles[index];
}

Handle defaultBitmap() {
    static Handle handle = nullptr;
    if (!handle) {
        auto bitmap = std::make_unique<Bitmap>();
        bitmap->width = 1;
        bitmap->height = 1;
        bitmap->bits.assign(1, 0);
        handle = addObject(std::move(bitmap), true);
    }
    return handle;
}

} // namespace w32::gdi

using namespace w32::gdi;

namespace {

template <class T>
int copyOut(const T& value, int size, void* buffer) {
    if (!buffer) {
        return int(sizeof(T));
    }
    if (size <= 0) {
        return 0;
    }
    int n = std::min(size, int(sizeof(T)));
    memcpy(buffer, &value, size_t(n));
    return n;
}

BITMAP describe(Bitmap& b) {
    BITMAP bm{};
    bm.bmType = 0;
    bm.bmWidth = b.width;
    bm.bmHeight = b.height;
    bm.bmWidthBytes = b.width * 4;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = 32;
    bm.bmBits = b.dibSection ? b.bits.data() : nullptr;
    return bm;
}

} // namespace

extern "C" {

HGDIOBJ WINAPI GetStockObject(int index) {
    return stockObject(index);
}

// Styles beyond PS_INSIDEFRAME (user styles, alternate) are not supported. Dashed styles
// wider than one pixel draw solid, as on Windows NT.
HPEN WINAPI CreatePen(int style, int width, COLORREF color) {
    style &= PS_STYLE_MASK;
    if (style > PS_INSIDEFRAME) {
        return nullptr;
    }
    if (width < 0) {
        width = 0;
    }
    if (width > 1 && style >= PS_DASH && style <= PS_DASHDOTDOT) {
        style = PS_SOLID;
    }
    return static_cast<HPEN>(addObject(makePen(style, width, color)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(addObject(makeBrush(BS_SOLID, color)));
}

HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) {
        return nullptr;
    }
    return static_cast<HBRUSH>(addObject(makeBrush(BS_HATCHED, color, hatch)));
}

HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD, DWORD, DWORD charset, DWORD, DWORD, DWORD, DWORD,
                         LPCSTR face) {
    auto font = std::make_unique<Font>();
    w32::text::FontRequest& r = font->request;
    r.height = height;
    r.width = width;
    r.escapement = escapement;
    r.orientation = orientation;
    r.weight = weight == FW_DONTCARE ? FW_NORMAL : weight;
    r.italic = (italic & 0xFF) != 0;
    r.charset = int(charset & 0xFF);
    if (face) {
        // The face name holds at most LF_FACESIZE - 1 characters, as in LOGFONTA.
        r.face.assign(face, strnlen(face, LF_FACESIZE - 1));
    }
    return static_cast<HFONT>(addObject(std::move(font)));
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* f) {
    if (!f) {
        return nullptr;
    }
    char face[LF_FACESIZE + 1] = {};
    memcpy(face, f->lfFaceName, LF_FACESIZE);
    return CreateFontA(f->lfHeight, f->lfWidth, f->lfEscapement, f->lfOrientation, f->lfWeight,
                       f->lfItalic, f->lfUnderline, f->lfStrikeOut, f->lfCharSet, f->lfOutPrecision,
                       f->lfClipPrecision, f->lfQuality, f->lfPitchAndFamily, face);
}

// Stock objects survive; a selected object is deleted when it is deselected.
BOOL WINAPI DeleteObject(HGDIOBJ object) {
    GdiObject* target = findObject(object);
    if (!target || target->kind == Kind::Dc) {
        return FALSE;
    }
    return removeObject(object) ? TRUE : FALSE;
}

DWORD WINAPI GetObjectType(HGDIOBJ object) {
    GdiObject* target = findObject(object);
    if (!target) {
        return 0;
    }
    switch (target->kind) {
    case Kind::Dc:
        return OBJ_MEMDC;
    case Kind::Pen:
        return OBJ_PEN;
    case Kind::Brush:
        return OBJ_BRUSH;
    case Kind::Font:
        return OBJ_FONT;
    case Kind::Bitmap:
        return OBJ_BITMAP;
    case Kind::Region:
        return OBJ_REGION;
    }
    return 0;
}

int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    GdiObject* target = findObject(object);
    if (!target || size < 0) {
        return 0;
    }
    switch (target->kind) {
    case Kind::Bitmap: {
        auto& b = *static_cast<Bitmap*>(target);
        if (b.dibSection && buffer && size >= int(sizeof(DIBSECTION))) {
            DIBSECTION ds{};
            ds.dsBm = describe(b);
            ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
            ds.dsBmih.biWidth = b.width;
            ds.dsBmih.biHeight = b.bottomUp ? b.height : -b.height;
            ds.dsBmih.biPlanes = 1;
            ds.dsBmih.biBitCount = 32;
            ds.dsBmih.biCompression = BI_RGB;
            ds.dsBmih.biSizeImage = DWORD(b.width) * DWORD(b.height) * 4;
            return copyOut(ds, size, buffer);
        }
        return copyOut(describe(b), size, buffer);
    }
    case Kind::Pen: {
        auto& p = *static_cast<Pen*>(target);
        LOGPEN lp{UINT(p.style), {p.width, 0}, p.color};
        return copyOut(lp, size, buffer);
    }
    case Kind::Brush: {
        auto& b = *static_cast<Brush*>(target);
        LOGBRUSH lb{UINT(b.style), b.color, ULONG_PTR(b.hatch)};
        return copyOut(lb, size, buffer);
    }
    case Kind::Font: {
        auto& r = static_cast<Font*>(target)->request;
        LOGFONTA lf{};
        lf.lfHeight = r.height;
        lf.lfWidth = r.width;
        lf.lfEscapement = r.escapement;
        lf.lfOrientation = r.orientation;
        lf.lfWeight = r.weight;
        lf.lfItalic = r.italic ? 1 : 0;
        lf.lfCharSet = BYTE(r.charset);
        strncpy(lf.lfFaceName, r.face.c_str(), LF_FACESIZE - 1);
        return copyOut(lf, size, buffer);
    }
    default:
        return 0;
    }
}

} // extern "C"
