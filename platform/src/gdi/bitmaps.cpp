// Bitmaps: every bitmap of this layer is a 32-bit surface. Compatible bitmaps start
// zeroed (black), DIB sections expose their bits in the layout that was asked for (a
// positive height means bottom-up rows), and SetDIBits converts other depths into them.
#include <algorithm>
#include <new>

#include "gdi/dc.h"
#include "gdi/dib_reader.h"
#include "gdi/objects.h"

namespace {

using namespace w32::gdi;

// Refuses sizes whose pixel store would not be sensible to allocate (256 MiB).
constexpr int64_t kMaxPixels = int64_t(1) << 26;

HBITMAP makeBitmap(int width, int height, bool bottomUp, bool dibSection) {
    if (width <= 0 || height <= 0 || int64_t(width) * height > kMaxPixels) {
        return nullptr;
    }
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bottomUp = bottomUp;
    bitmap->dibSection = dibSection;
    try {
        bitmap->bits.assign(size_t(width) * size_t(height), 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return static_cast<HBITMAP>(addObject(std::move(bitmap)));
}

} // namespace

extern "C" {

// A zero width or height gives the 1x1 stock bitmap, as on Windows.
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height) {
    if (hdc && !find<Dc>(hdc)) {
        return nullptr;
    }
    if (width == 0 || height == 0) {
        return static_cast<HBITMAP>(defaultBitmap());
    }
    return makeBitmap(width, height, false, false);
}

// Only 32-bit BI_RGB sections are created; other depths are converted with SetDIBits.
HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                                HANDLE section, DWORD) {
    if (bits) {
        *bits = nullptr;
    }
    if ((hdc && !find<Dc>(hdc)) || !info || section || usage != DIB_RGB_COLORS) {
        return nullptr;
    }
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biBitCount != 32 ||
        (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) || h.biHeight == INT32_MIN) {
        return nullptr;
    }
    HBITMAP handle =
        makeBitmap(h.biWidth, h.biHeight < 0 ? -h.biHeight : h.biHeight, h.biHeight > 0, true);
    if (handle && bits) {
        *bits = find<Bitmap>(handle)->bits.data();
    }
    return handle;
}

// Copies `lines` rows of a DIB, starting at its row `start` counted from the bottom, into
// the bitmap; returns the number of rows copied.
int WINAPI SetDIBits(HDC, HBITMAP hbitmap, UINT start, UINT lines, const void* bits,
                     const BITMAPINFO* info, UINT usage) {
    Bitmap* bitmap = find<Bitmap>(hbitmap);
    if (!bitmap || !info || !bits) {
        return 0;
    }
    // The reader sees only the rows that were passed.
    BITMAPINFOHEADER header = info->bmiHeader;
    if (header.biHeight == INT32_MIN) {
        return 0;
    }
    int fullHeight = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    if (start >= UINT(fullHeight)) {
        return 0;
    }
    lines = std::min<UINT>(lines, UINT(fullHeight) - start);
    DibReader reader(info, bits, usage, int(lines));
    if (!reader.valid() || lines == 0) {
        return 0;
    }
    Surface s = bitmap->surface();
    int w = std::min(reader.width(), s.width);
    int copied = 0;
    for (int row = 0; row < reader.height(); ++row) {
        // Buffer row `row` (from the top of the passed rows) is image row dstY.
        int dstY = header.biHeight > 0 ? s.height - 1 - int(start) - (reader.height() - 1 - row)
                                       : int(start) + row;
        if (dstY < 0 || dstY >= s.height) {
            continue;
        }
        for (int x = 0; x < w; ++x) {
            s.at(x, dstY) = reader.pixel(x, row);
        }
        ++copied;
    }
    return copied;
}

} // extern "C"
