// LoadBitmapA: a module's bitmap resource (a packed DIB of 1, 4, 8, 24 or 32 bits per pixel,
// bottom-up or top-down, with a colour table of biClrUsed entries or the full size) becomes
// a 32-bit top-down DIB section. Every size is checked against the resource's bytes first, so
// a damaged resource fails with NULL instead of reading past its end.
#include <cstdint>
#include <cstring>

#include <winbase.h>
#include <wingdi.h>
#include <winuser.h>

#include "../kernel/module_registry.h"

namespace {

struct PackedDib {
    BITMAPINFOHEADER header;
    int width = 0;
    int height = 0; // rows
    bool topDown = false;
    const unsigned char* colors = nullptr;
    uint32_t colorCount = 0;
    const unsigned char* rows = nullptr;
    size_t stride = 0;
};

// Keeps a converted bitmap to a size that a stage could show.
constexpr int64_t maxPixels = int64_t{1} << 26;

bool readPackedDib(const unsigned char* data, size_t size, PackedDib& dib) {
    if (data == nullptr || size < sizeof(BITMAPINFOHEADER)) {
        return false;
    }
    std::memcpy(&dib.header, data, sizeof dib.header);
    const BITMAPINFOHEADER& h = dib.header;
    int bpp = h.biBitCount;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > size || h.biWidth <= 0 ||
        h.biHeight == 0 || h.biHeight == INT32_MIN || h.biCompression != BI_RGB) {
        return false;
    }
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) {
        return false;
    }
    dib.width = h.biWidth;
    dib.topDown = h.biHeight < 0;
    dib.height = dib.topDown ? -h.biHeight : h.biHeight;
    if (int64_t{dib.width} * dib.height > maxPixels) {
        return false;
    }
    uint32_t fullTable = bpp <= 8 ? (1u << bpp) : 0;
    uint32_t count = h.biClrUsed != 0 ? h.biClrUsed : fullTable;
    if (count > 256 && bpp <= 8) {
        count = 256;
    }
    if (count > 0x10000) {
        return false;
    }
    dib.colors = data + h.biSize;
    dib.colorCount = count;
    dib.stride = (static_cast<size_t>(bpp) * dib.width + 31) / 32 * 4;
    size_t offset = h.biSize + 4 * size_t{count};
    if (offset > size || dib.stride * dib.height > size - offset) {
        return false;
    }
    dib.rows = data + offset;
    return true;
}

// 0x00RRGGBB of a colour table entry (RGBQUAD: blue, green, red); black past the table.
uint32_t tableColor(const PackedDib& dib, uint32_t index) {
    if (index >= dib.colorCount) {
        return 0;
    }
    const unsigned char* q = dib.colors + 4 * size_t{index};
    return uint32_t{q[2]} << 16 | uint32_t{q[1]} << 8 | q[0];
}

uint32_t pixel(const PackedDib& dib, const unsigned char* row, int x) {
    switch (dib.header.biBitCount) {
    case 1:
        return tableColor(dib, (row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
        return tableColor(dib, (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8:
        return tableColor(dib, row[x]);
    case 24: {
        const unsigned char* p = row + 3 * size_t(x);
        return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
    }
    default: {
        const unsigned char* p = row + 4 * size_t(x);
        return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
    }
    }
}

} // namespace

extern "C" HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name) {
    auto bytes = zxw32::kernel::findResourceBytes(instance, name, RT_BITMAP);
    PackedDib dib;
    if (!bytes || !readPackedDib(bytes->data, bytes->size, dib)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = dib.width;
    info.bmiHeader.biHeight = -dib.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        return nullptr;
    }
    auto* out = static_cast<uint32_t*>(bits);
    for (int y = 0; y < dib.height; ++y) {
        int sourceRow = dib.topDown ? y : dib.height - 1 - y;
        const unsigned char* row = dib.rows + dib.stride * sourceRow;
        for (int x = 0; x < dib.width; ++x) {
            out[size_t(y) * dib.width + x] = pixel(dib, row, x);
        }
    }
    return bitmap;
}
