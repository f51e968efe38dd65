// A 32-bit top-down DIB section selected into a memory DC, both released at the end: what
// libw32's dialog manager paints into, for a PNG or for a player's window.
#pragma once

#include <cstdint>

#include <windows.h>

namespace zentrix {

class DibCanvas {
public:
    DibCanvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        if (dc_ != nullptr && width > 0 && height > 0) {
            bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        }
        if (bitmap_ != nullptr) {
            previous_ = SelectObject(dc_, bitmap_);
            bits_ = static_cast<const uint32_t*>(bits);
            width_ = width;
            height_ = height;
        }
    }
    ~DibCanvas() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool valid() const { return bits_ != nullptr; }
    HDC dc() const { return dc_; }
    // Top-down rows of width() words, 0x00RRGGBB.
    const uint32_t* bits() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace zentrix
