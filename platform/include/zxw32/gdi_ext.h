// Extensions of libw32 for the host, the tools and the tests: direct access to the pixels
// of a DIB surface, PNG output and PNG input (for comparing with golden images). Not part of the
// Win32 API.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <wingdi.h>

namespace zxw32 {

// The pixels of a bitmap: 0x00RRGGBB words, `stride` words from one row to the next
// (negative for bottom-up DIB sections); `rows` points at the top row.
struct DibPixels {
    uint32_t* rows = nullptr;
    int width = 0;
    int height = 0;
    ptrdiff_t stride = 0;
    uint32_t* row(int y) const { return rows + ptrdiff_t(y) * stride; }
};

// False for a bad handle.
W32API bool dibPixels(HBITMAP bitmap, DibPixels* out);
// The bitmap currently selected into a DC.
W32API bool dcPixels(HDC hdc, DibPixels* out);

// Writes the bitmap (or the DC's selected bitmap) as an 8-bit RGB PNG; false on failure.
W32API bool savePng(HBITMAP bitmap, const char* path);
W32API bool savePng(HDC hdc, const char* path);

// Reads an 8-bit RGB or RGBA PNG into 0x00RRGGBB pixels (top row first); false on failure.
W32API bool loadPng(const char* path, std::vector<uint32_t>* pixels, int* width, int* height);

} // namespace zxw32
