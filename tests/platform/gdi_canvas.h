// A memory DC over a white 32-bit surface for the GDI tests, with pixel helpers.
#pragma once

#include <windows.h>
#include <zxw32/gdi_ext.h>

#include <algorithm>
#include <set>
#include <utility>

namespace gdi_test {

using PixelSet = std::set<std::pair<int, int>>;

class Canvas {
public:
    Canvas(int width = 64, int height = 48) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, width, height);
        old_ = SelectObject(dc_, bitmap_);
        clear(RGB(255, 255, 255));
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void clear(COLORREF color) {
        zxw32::DibPixels px;
        zxw32::dibPixels(bitmap_, &px);
        const uint32_t p = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                px.row(y)[x] = p;
            }
        }
    }
    // The pixel as a COLORREF, independent of the DC's clip and mapping.
    COLORREF at(int x, int y) const {
        zxw32::DibPixels px;
        zxw32::dibPixels(bitmap_, &px);
        const uint32_t p = px.row(y)[x];
        return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
    }
    // Every pixel of the given colour.
    PixelSet pixels(COLORREF color) const {
        PixelSet out;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (at(x, y) == color) {
                    out.insert({x, y});
                }
            }
        }
        return out;
    }
    // Bounding box of the pixels of a colour; empty RECT if none.
    RECT bounds(COLORREF color) const {
        RECT r{width_, height_, 0, 0};
        for (auto [x, y] : pixels(color)) {
            r.left = std::min<LONG>(r.left, x);
            r.top = std::min<LONG>(r.top, y);
            r.right = std::max<LONG>(r.right, x + 1);
            r.bottom = std::max<LONG>(r.bottom, y + 1);
        }
        return r.right > r.left ? r : RECT{0, 0, 0, 0};
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// An object selected into a DC for the scope, then deselected and deleted.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(dc_, old_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ old_;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

} // namespace gdi_test
