// Bitmap files that tests hand to the host as bitmap members.
#pragma once

#include <cstdint>
#include <vector>

namespace zxtest {

// A 24-bit bottom-up BMP file of one colour, given as a ColorRef (0x00BBGGRR).
inline std::vector<uint8_t> solidBmpFile(int32_t width, int32_t height, uint32_t color) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t size = 54 + rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> f(size, 0);
    const auto put = [&](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            f[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    f[0] = 'B';
    f[1] = 'M';
    put(2, size, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<uint32_t>(width), 4);
    put(22, static_cast<uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = 54 + static_cast<size_t>(y) * rowBytes + 3 * static_cast<size_t>(x);
            f[at] = static_cast<uint8_t>(color >> 16); // blue
            f[at + 1] = static_cast<uint8_t>(color >> 8);
            f[at + 2] = static_cast<uint8_t>(color);
        }
    }
    return f;
}

} // namespace zxtest
