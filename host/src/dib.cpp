#include "dib.h"

#include <cstring>

#include "value_store.h"
#include "zxhost/error.h"

// GCC 12 at -O3 reports the copies into freshly sized vectors below as overflowing a
// zero-sized region (its range analysis loses the vector's size); the sizes are checked.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Warray-bounds"
#pragma GCC diagnostic ignored "-Wstringop-overflow"
#endif

namespace zxhost {
namespace {

uint32_t u32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t u16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
void put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(v >> (8 * i));
    }
}
void put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

bool fail(std::string* why, const char* text) {
    if (why) {
        *why = text;
    }
    return false;
}

} // namespace

std::optional<DibLayout> dibLayout(const void* header, std::string* why) {
    if (!header) {
        fail(why, "no bitmap header");
        return std::nullopt;
    }
    const auto* h = static_cast<const uint8_t*>(header);
    DibLayout layout;
    layout.headerSize = u32(h);
    const auto width = static_cast<int32_t>(u32(h + 4));
    const auto height = static_cast<int32_t>(u32(h + 8));
    layout.bitCount = u16(h + 14);
    const uint32_t compression = u32(h + 16);
    const uint32_t used = u32(h + 32);
    if (layout.headerSize < 40 || layout.headerSize > 1024) {
        fail(why, "bitmap header size is not that of a BITMAPINFOHEADER");
        return std::nullopt;
    }
    if (compression != 0) {
        fail(why, "compressed bitmaps are not supported");
        return std::nullopt;
    }
    const int32_t b = layout.bitCount;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) {
        fail(why, "unsupported bits per pixel");
        return std::nullopt;
    }
    // The height's sign gives the row order; INT32_MIN has no absolute value.
    if (width <= 0 || width > kMaxDibSide || height == 0 || height < -kMaxDibSide ||
        height > kMaxDibSide) {
        fail(why, "bitmap size out of range");
        return std::nullopt;
    }
    const uint32_t maxColors = b <= 8 ? (1u << b) : 256u;
    if (used > maxColors) {
        fail(why, "colour count larger than the bit depth allows");
        return std::nullopt;
    }
    layout.colors = used != 0 ? used : (b <= 8 ? (1u << b) : 0u);
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.bottomUp = height > 0;
    layout.rowBytes = (static_cast<uint64_t>(b) * static_cast<uint64_t>(width) + 31) / 32 * 4;
    layout.pixelBytes = layout.rowBytes * static_cast<uint64_t>(layout.height);
    return layout;
}

std::optional<Picture> decodeDib(const void* header, const void* pixels) {
    const auto layout = dibLayout(header);
    if (!layout || !pixels) {
        return std::nullopt;
    }
    const auto* h = static_cast<const uint8_t*>(header);
    const uint8_t* table = h + layout->headerSize;
    const auto* rows = static_cast<const uint8_t*>(pixels);

    Picture picture;
    picture.width = layout->width;
    picture.height = layout->height;
    // The copy: a packed DIB with a 40-byte header, the colour table and the rows.
    const size_t tableBytes = 4ull * layout->colors;
    picture.dib.reserve(40 + tableBytes + layout->pixelBytes);
    picture.dib.insert(picture.dib.end(), h, h + 40);
    picture.dib.insert(picture.dib.end(), table, table + tableBytes);
    picture.dib.insert(picture.dib.end(), rows, rows + layout->pixelBytes);
    put32(picture.dib.data(), 40);

    auto paletteColor = [&](uint32_t index) -> uint32_t {
        if (index >= layout->colors) {
            return 0;
        }
        const uint8_t* q = table + 4 * index;
        return static_cast<uint32_t>(q[2]) << 16 | static_cast<uint32_t>(q[1]) << 8 | q[0];
    };
    picture.pixels.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
    for (int32_t y = 0; y < picture.height; ++y) {
        const int32_t sourceRow = layout->bottomUp ? picture.height - 1 - y : y;
        const uint8_t* row = rows + static_cast<uint64_t>(sourceRow) * layout->rowBytes;
        uint32_t* out =
            picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(picture.width);
        for (int32_t x = 0; x < picture.width; ++x) {
            uint32_t color = 0;
            switch (layout->bitCount) {
            case 1:
                color = paletteColor((row[x / 8] >> (7 - x % 8)) & 1);
                break;
            case 4:
                color = paletteColor((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF);
                break;
            case 8:
                color = paletteColor(row[x]);
                break;
            case 16: { // 5-5-5
                const uint16_t v = u16(row + 2 * x);
                const uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
                color = (r << 3 | r >> 2) << 16 | (g << 3 | g >> 2) << 8 | (b << 3 | b >> 2);
                break;
            }
            case 24:
                color = static_cast<uint32_t>(row[3 * x + 2]) << 16 |
                        static_cast<uint32_t>(row[3 * x + 1]) << 8 | row[3 * x];
                break;
            default:
                color = u32(row + 4 * x) & 0xFFFFFF;
                break;
            }
            out[x] = color;
        }
    }
    return picture;
}

std::vector<uint8_t> packedDibFromBmp(const std::vector<uint8_t>& file) {
    if (file.size() < 14 + 40 || file[0] != 'B' || file[1] != 'M') {
        throw Error("not a BMP file");
    }
    const uint32_t offBits = u32(file.data() + 10);
    std::string why;
    const auto layout = dibLayout(file.data() + 14, &why);
    if (!layout) {
        throw Error("unsupported BMP: " + why);
    }
    const uint64_t tableEnd = 14ull + layout->headerSize + 4ull * layout->colors;
    if (tableEnd > file.size() || offBits < tableEnd ||
        static_cast<uint64_t>(offBits) + layout->pixelBytes > file.size()) {
        throw Error("BMP file is truncated");
    }
    const size_t tableBytes = 4ull * layout->colors;
    const uint8_t* start = file.data();
    std::vector<uint8_t> dib;
    dib.reserve(40 + tableBytes + layout->pixelBytes);
    dib.insert(dib.end(), start + 14, start + 14 + 40);
    dib.insert(dib.end(), start + 14 + layout->headerSize,
               start + 14 + layout->headerSize + tableBytes);
    dib.insert(dib.end(), start + offBits, start + offBits + layout->pixelBytes);
    put32(dib.data(), 40);
    return dib;
}

std::vector<uint8_t> bmpFromPackedDib(const std::vector<uint8_t>& dib) {
    if (dib.size() < 40) {
        return {};
    }
    const auto layout = dibLayout(dib.data());
    std::vector<uint8_t> file(14 + dib.size());
    file[0] = 'B';
    file[1] = 'M';
    put32(file.data() + 2, static_cast<uint32_t>(file.size()));
    put32(file.data() + 10, static_cast<uint32_t>(14 + (layout ? layout->pixelOffset() : 40)));
    put16(file.data() + 6, 0);
    std::memcpy(file.data() + 14, dib.data(), dib.size());
    return file;
}

} // namespace zxhost
