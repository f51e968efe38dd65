// Device-independent bitmaps: the layout of a packed DIB (header, colour table, rows), BMP
// files to packed DIBs and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zxhost {

struct DibLayout {
    int32_t width = 0;
    int32_t height = 0; // absolute
    bool bottomUp = true;
    int32_t bitCount = 0;
    uint32_t headerSize = 0;
    uint32_t colors = 0; // colour-table entries
    uint64_t rowBytes = 0;
    uint64_t pixelBytes = 0;
    uint64_t pixelOffset() const { return headerSize + 4ull * colors; }
};

inline constexpr int32_t kMaxDibSide = 16384;

// Checks a BITMAPINFOHEADER: size at least 40, uncompressed, 1/4/8/16/24/32 bits, sides
// 1-16384, colour count at most 2^bits (256 for 16 bits and more). Explains the fault in
// `why` when it fails.
std::optional<DibLayout> dibLayout(const void* header, std::string* why = nullptr);

// A BMP file's bytes as a packed DIB with a 40-byte header; throws Error with the cause.
std::vector<uint8_t> packedDibFromBmp(const std::vector<uint8_t>& file);
// A packed DIB as a BMP file.
std::vector<uint8_t> bmpFromPackedDib(const std::vector<uint8_t>& dib);

} // namespace zxhost
