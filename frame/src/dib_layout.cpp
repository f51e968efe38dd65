// Offsets and sizes inside a packed bitmap. The pixel rows follow the 40-byte header and
// the colour table; rows are padded to whole 32-bit words.
#include "zxplugin/dib_layout.h"

#include <cstring>

namespace zx {
namespace {

constexpr uint32_t kHeaderSize = 40;

template <class T>
T readAt(const void* base, size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const char*>(base) + offset, sizeof value);
    return value;
}

} // namespace

uint32_t dibColorCount(uint16_t bitCount, uint32_t usedColors) {
    if (usedColors != 0) {
        return usedColors;
    }
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

DibLayout dibLayout(const void* dib) {
    DibLayout layout{};
    layout.width = readAt<int32_t>(dib, 4);
    layout.height = readAt<int32_t>(dib, 8);
    layout.bitCount = readAt<uint16_t>(dib, 14);
    layout.colorCount = dibColorCount(layout.bitCount, readAt<uint32_t>(dib, 32));
    layout.pixelOffset = kHeaderSize + 4ull * layout.colorCount;
    const int64_t width = layout.width;
    const int64_t height = layout.height < 0 ? -static_cast<int64_t>(layout.height) : layout.height;
    layout.rowBytes =
        static_cast<uint64_t>((static_cast<int64_t>(layout.bitCount) * width + 31) / 32 * 4);
    layout.totalBytes = layout.pixelOffset + layout.rowBytes * static_cast<uint64_t>(height);
    return layout;
}

std::optional<DibLayout> checkedDibLayout(const void* dib, uint64_t available) {
    if (dib == nullptr || available < kHeaderSize || readAt<uint32_t>(dib, 0) != kHeaderSize) {
        return std::nullopt;
    }
    const DibLayout layout = dibLayout(dib);
    switch (layout.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return std::nullopt;
    }
    if (layout.width <= 0 || layout.height == 0 || layout.colorCount > 256) {
        return std::nullopt;
    }
    if (layout.bitCount <= 8 && layout.colorCount > (1u << layout.bitCount)) {
        return std::nullopt;
    }
    if (layout.totalBytes > available) {
        return std::nullopt;
    }
    return layout;
}

} // namespace zx
