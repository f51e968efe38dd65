// Scoped GDI state: an object created here is deleted, an object selected is deselected,
// and a changed device-context setting is put back, on every path out of a drawing.
#pragma once

#include <utility>

#include <windows.h>

namespace zx {

// A created pen, brush, font, bitmap or region, deleted at the end of its scope.
template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_;
};

// A memory device context, deleted at the end of its scope.
class MemoryDC {
public:
    explicit MemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// An off-screen drawing surface: a memory device context with a compatible bitmap selected.
// A surface of zero or negative size is never created, so nothing is drawn from it.
class OffscreenSurface {
public:
    OffscreenSurface(HDC like, int width, int height)
        : memory_(like),
          bitmap_(width > 0 && height > 0 && memory_ ? CreateCompatibleBitmap(like, width, height)
                                                     : nullptr),
          previous_(bitmap_ ? SelectObject(memory_.get(), bitmap_.get()) : nullptr) {}
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;
    ~OffscreenSurface() {
        if (previous_ != nullptr) {
            SelectObject(memory_.get(), previous_);
        }
    }
    HDC dc() const { return memory_.get(); }
    explicit operator bool() const { return static_cast<bool>(bitmap_); }

private:
    MemoryDC memory_;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ previous_;
};

// Selects an object into a device context and selects the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Clips to a rectangle and removes the clip region again. The region itself is deleted at
// once: the device context keeps its own copy.
class ClipToRect {
public:
    ClipToRect(HDC dc, int left, int top, int right, int bottom) : dc_(dc) {
        GdiObject<HRGN> region(CreateRectRgn(left, top, right, bottom));
        SelectClipRgn(dc_, region.get());
    }
    ClipToRect(const ClipToRect&) = delete;
    ClipToRect& operator=(const ClipToRect&) = delete;
    ~ClipToRect() { SelectClipRgn(dc_, nullptr); }

private:
    HDC dc_;
};

// A device-context setting changed for the scope: raster operation, background mode,
// text alignment, map mode, text and background colours.
template <class Value, Value (*Set)(HDC, Value)>
class ScopedSetting {
public:
    ScopedSetting(HDC dc, Value value) : dc_(dc), previous_(Set(dc, value)) {}
    ScopedSetting(const ScopedSetting&) = delete;
    ScopedSetting& operator=(const ScopedSetting&) = delete;
    ~ScopedSetting() { Set(dc_, previous_); }

private:
    HDC dc_;
    Value previous_;
};

namespace gdi_detail {
inline int setRop2(HDC dc, int value) {
    return SetROP2(dc, value);
}
inline int setBkMode(HDC dc, int value) {
    return SetBkMode(dc, value);
}
inline UINT setTextAlign(HDC dc, UINT value) {
    return SetTextAlign(dc, value);
}
inline int setMapMode(HDC dc, int value) {
    return SetMapMode(dc, value);
}
inline COLORREF setTextColor(HDC dc, COLORREF value) {
    return SetTextColor(dc, value);
}
inline COLORREF setBkColor(HDC dc, COLORREF value) {
    return SetBkColor(dc, value);
}
} // namespace gdi_detail

using ScopedRop2 = ScopedSetting<int, gdi_detail::setRop2>;
using ScopedBkMode = ScopedSetting<int, gdi_detail::setBkMode>;
using ScopedTextAlign = ScopedSetting<UINT, gdi_detail::setTextAlign>;
using ScopedMapMode = ScopedSetting<int, gdi_detail::setMapMode>;
using ScopedTextColor = ScopedSetting<COLORREF, gdi_detail::setTextColor>;
using ScopedBkColor = ScopedSetting<COLORREF, gdi_detail::setBkColor>;

} // namespace zx
