// PNG without a library: signature, IHDR, one IDAT holding a zlib stream of stored deflate
// blocks, IEND.
#include "png_encoder.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zxhost {
namespace {

// A stored deflate block holds at most 65535 bytes.
constexpr size_t kStoredBlockMax = 65535;

const std::array<uint32_t, 256>& crcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void putBig32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

// A chunk: length, type, data, and the CRC over type and data.
void putChunk(std::vector<uint8_t>& out, const char (&type)[5], const std::vector<uint8_t>& data) {
    putBig32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32(out.data() + typeAt, out.size() - typeAt));
}

// The zlib stream of `raw` in stored blocks: header 0x78 0x01 (deflate, 32K window, no
// preset dictionary, check bits making it a multiple of 31), the blocks, Adler-32.
std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out{0x78, 0x01};
    const size_t blocks = raw.empty() ? 1 : (raw.size() + kStoredBlockMax - 1) / kStoredBlockMax;
    out.reserve(raw.size() + blocks * 5 + 6);
    for (size_t b = 0; b < blocks; ++b) {
        const size_t at = b * kStoredBlockMax;
        const size_t size = std::min(kStoredBlockMax, raw.size() - at);
        out.push_back(b + 1 == blocks ? 1 : 0); // BFINAL on the last block, BTYPE 00
        out.push_back(static_cast<uint8_t>(size));
        out.push_back(static_cast<uint8_t>(size >> 8));
        out.push_back(static_cast<uint8_t>(~size));
        out.push_back(static_cast<uint8_t>(~size >> 8));
        out.insert(out.end(), raw.begin() + static_cast<ptrdiff_t>(at),
                   raw.begin() + static_cast<ptrdiff_t>(at + size));
    }
    putBig32(out, adler32(raw.data(), raw.size()));
    return out;
}

} // namespace

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc) {
    const auto& table = crcTable();
    uint32_t c = ~crc;
    for (size_t i = 0; i < size; ++i) {
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    }
    return ~c;
}

uint32_t adler32(const uint8_t* data, size_t size) {
    constexpr uint32_t kModulus = 65521;
    // 5552 bytes is the longest run whose sums cannot overflow 32 bits before the reduction.
    constexpr size_t kRun = 5552;
    uint32_t a = 1, b = 0;
    while (size > 0) {
        const size_t n = std::min(size, kRun);
        for (size_t i = 0; i < n; ++i) {
            a += data[i];
            b += a;
        }
        a %= kModulus;
        b %= kModulus;
        data += n;
        size -= n;
    }
    return b << 16 | a;
}

std::vector<uint8_t> encodePng(const uint32_t* pixels, int32_t width, int32_t height) {
    if (!pixels || width <= 0 || height <= 0) {
        return {};
    }
    const size_t rowBytes = 1 + 3 * static_cast<size_t>(width);
    // One IDAT chunk carries the whole stream; its length field is 31 bits.
    const size_t rawBytes = rowBytes * static_cast<size_t>(height);
    if (rawBytes / rowBytes != static_cast<size_t>(height) ||
        rawBytes > (std::numeric_limits<int32_t>::max() / 2)) {
        return {};
    }

    std::vector<uint8_t> raw;
    raw.reserve(rawBytes);
    for (int32_t y = 0; y < height; ++y) {
        raw.push_back(0); // filter: none
        const uint32_t* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int32_t x = 0; x < width; ++x) {
            raw.push_back(static_cast<uint8_t>(row[x] >> 16));
            raw.push_back(static_cast<uint8_t>(row[x] >> 8));
            raw.push_back(static_cast<uint8_t>(row[x]));
        }
    }

    std::vector<uint8_t> header;
    putBig32(header, static_cast<uint32_t>(width));
    putBig32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace

    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", {});
    return out;
}

} // namespace zxhost
