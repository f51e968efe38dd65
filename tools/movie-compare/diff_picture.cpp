// The side-by-side picture of a comparison, and PNG files through libw32.
#include "diff_picture.h"

#include <windows.h>
#include <zxw32/gdi_ext.h>

#include <algorithm>
#include <cstring>

namespace moviecompare {

Image sideBySide(const Image& native, const Image& wine, const std::vector<TextBox>& textBoxes,
                 int zoom) {
    constexpr int kGap = 4;
    constexpr uint32_t kGapColour = 0x808080, kSame = 0xFFFFFF, kSymbolText = 0xFFD700,
                       kText = 0xFF8C00, kOutside = 0xFF0000;
    const int w = std::max(native.width, wine.width), h = std::max(native.height, wine.height);
    Image out;
    out.width = (3 * w + 2 * kGap) * zoom;
    out.height = h * zoom;
    out.pixels.assign(size_t(out.width) * size_t(out.height), kGapColour);
    auto pixel = [](const Image& image, int x, int y, uint32_t fallback) {
        return x < image.width && y < image.height ? image.at(x, y) : fallback;
    };
    const std::vector<uint8_t> text = textCoverage(textBoxes, w, h);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < w * zoom; ++x) {
            const int sx = x / zoom, sy = y / zoom;
            const uint32_t a = pixel(native, sx, sy, kGapColour);
            const uint32_t b = pixel(wine, sx, sy, kGapColour);
            const uint8_t kind = text[size_t(sy) * size_t(w) + size_t(sx)];
            uint32_t* row = out.pixels.data() + size_t(y) * size_t(out.width);
            row[x] = a;
            row[(w + kGap) * zoom + x] = b;
            row[2 * (w + kGap) * zoom + x] = a == b      ? kSame
                                             : kind == 2 ? kSymbolText
                                             : kind == 1 ? kText
                                                         : kOutside;
        }
    }
    return out;
}

bool writePng(const Image& image, const std::string& path) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, image.width, image.height);
    zxw32::DibPixels px;
    bool written = false;
    if (bitmap != nullptr && zxw32::dibPixels(bitmap, &px) && px.width == image.width) {
        for (int y = 0; y < image.height; ++y) {
            std::memcpy(px.row(y), image.pixels.data() + size_t(y) * size_t(image.width),
                        size_t(image.width) * 4);
        }
        written = zxw32::savePng(bitmap, path.c_str());
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    return written;
}

bool readPng(const std::string& path, Image& image) {
    return zxw32::loadPng(path.c_str(), &image.pixels, &image.width, &image.height);
}

} // namespace moviecompare
