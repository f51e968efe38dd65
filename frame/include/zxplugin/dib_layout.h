// The layout of a packed device-independent bitmap (40-byte header, colour table, pixel
// rows), read from its bytes so that a foreign bitmap can be checked before it is used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace zx {

struct DibLayout {
    int32_t width;
    int32_t height; // negative for top-down rows
    uint16_t bitCount;
    uint32_t colorCount;  // entries of the colour table
    uint64_t pixelOffset; // from the header's start
    uint64_t rowBytes;
    uint64_t totalBytes; // header, colour table and pixel rows
};

// The colour count of a header: its used-colours field when non-zero, else 2, 16 or 256
// for 1, 4 or 8 bits per pixel and none for deeper bitmaps.
uint32_t dibColorCount(uint16_t bitCount, uint32_t usedColors);

// The layout of the packed bitmap at `dib`, as its header gives it (no checks).
DibLayout dibLayout(const void* dib);

// The layout when the bitmap is sound and fits in `available` bytes: a 40-byte header,
// a positive width and a non-zero height, 1, 4, 8, 16, 24 or 32 bits per pixel, at most
// 256 colours in a table (none beyond what the depth can index), and every size computed
// in 64 bits. Nothing otherwise.
std::optional<DibLayout> checkedDibLayout(const void* dib, uint64_t available);

} // namespace zx
