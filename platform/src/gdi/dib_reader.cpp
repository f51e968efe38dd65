// Rows are padded to 32 bits; a positive height stores the bottom row first. Palette
// indices beyond the colour table read as black rather than past the table.
#include "gdi/dib_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace w32::gdi {
namespace {

uint32_t extract(uint32_t value, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = std::countr_zero(mask);
    int bits = std::popcount(mask);
    uint32_t v = (value & mask) >> shift;
    // Scale to 8 bits by replicating the high bits.
    if (bits >= 8) {
        return v >> (bits - 8);
    }
    uint32_t out = 0;
    int filled = 0;
    while (filled < 8) {
        out = (out << bits) | v;
        filled += bits;
    }
    return out >> (filled - 8);
}

} // namespace

DibReader::DibReader(const BITMAPINFO* info, const void* bits, UINT usage, int rows) {
    if (!info || !bits || usage != DIB_RGB_COLORS) {
        return;
    }
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0 ||
        h.biHeight == INT32_MIN || h.biPlanes != 1) {
        return;
    }
    bpp_ = h.biBitCount;
    width_ = h.biWidth;
    height_ = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (rows > 0) {
        height_ = std::min(height_, rows);
    }
    bottomUp_ = h.biHeight > 0;
    stride_ = (size_t(bpp_) * size_t(width_) + 31) / 32 * 4;
    bits_ = static_cast<const uint8_t*>(bits);
    const auto* afterHeader = reinterpret_cast<const uint8_t*>(info) + h.biSize;
    switch (bpp_) {
    case 1:
    case 4:
    case 8: {
        if (h.biCompression != BI_RGB) {
            return;
        }
        uint32_t maxColors = 1u << bpp_;
        colorCount_ = h.biClrUsed ? std::min<uint32_t>(h.biClrUsed, maxColors) : maxColors;
        colors_ = reinterpret_cast<const RGBQUAD*>(afterHeader);
        break;
    }
    case 16:
    case 32:
        if (h.biCompression == BI_BITFIELDS) {
            memcpy(masks_, afterHeader, sizeof(masks_));
        } else if (h.biCompression == BI_RGB) {
            if (bpp_ == 16) {
                masks_[0] = 0x7C00, masks_[1] = 0x03E0, masks_[2] = 0x001F;
            } else {
                masks_[0] = 0xFF0000, masks_[1] = 0xFF00, masks_[2] = 0xFF;
            }
        } else {
            return;
        }
        break;
    case 24:
        if (h.biCompression != BI_RGB) {
            return;
        }
        break;
    default:
        return;
    }
    valid_ = true;
}

uint32_t DibReader::pixel(int x, int y) const {
    const uint8_t* row = bits_ + size_t(bottomUp_ ? height_ - 1 - y : y) * stride_;
    switch (bpp_) {
    case 1:
    case 4:
    case 8: {
        size_t bit = size_t(x) * size_t(bpp_);
        uint32_t index = (row[bit / 8] >> (8 - bpp_ - int(bit % 8))) & ((1u << bpp_) - 1);
        if (index >= colorCount_) {
            return 0;
        }
        const RGBQUAD& c = colors_[index];
        return (uint32_t(c.rgbRed) << 16) | (uint32_t(c.rgbGreen) << 8) | c.rgbBlue;
    }
    case 16: {
        uint32_t v = uint32_t(row[x * 2]) | (uint32_t(row[x * 2 + 1]) << 8);
        return (extract(v, masks_[0]) << 16) | (extract(v, masks_[1]) << 8) | extract(v, masks_[2]);
    }
    case 24: {
        const uint8_t* p = row + size_t(x) * 3;
        return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
    }
    default: {
        uint32_t v;
        memcpy(&v, row + size_t(x) * 4, 4);
        return (extract(v, masks_[0]) << 16) | (extract(v, masks_[1]) << 8) | extract(v, masks_[2]);
    }
    }
}

} // namespace w32::gdi
