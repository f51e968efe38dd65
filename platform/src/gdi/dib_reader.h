// Reading device-independent bitmaps of any common depth (1, 4, 8, 16, 24, 32 bits,
// BI_RGB or BI_BITFIELDS) as 0x00RRGGBB pixels, for SetDIBits and StretchDIBits.
#pragma once

#include <cstddef>
#include <cstdint>

#include <wingdi.h>

namespace w32::gdi {

class DibReader {
public:
    // Invalid (valid() false) for unsupported formats, sizes or colour usages.
    // `rows` > 0 reads a buffer that holds only that many rows of the image.
    DibReader(const BITMAPINFO* info, const void* bits, UINT usage, int rows = 0);
    bool valid() const { return valid_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Pixel at (x, y), y counted from the top row; coordinates must be in range.
    uint32_t pixel(int x, int y) const;

private:
    bool valid_ = false;
    int width_ = 0;
    int height_ = 0;
    int bpp_ = 0;
    bool bottomUp_ = true;
    size_t stride_ = 0;
    const uint8_t* bits_ = nullptr;
    const RGBQUAD* colors_ = nullptr;
    uint32_t colorCount_ = 0;
    uint32_t masks_[3] = {};
};

} // namespace w32::gdi
