// The stored form of single fields: big-endian integers, colours and doubles, and texts
// as their whole fixed buffers.
#include "zxplugin/saved_block.h"

#include <cstring>

namespace zx {

void encodeField(const PropertyRow& row, const void* block, uint8_t* out) {
    const auto* in = static_cast<const uint8_t*>(block) + row.offset;
    if (row.type == FieldType::Text) {
        std::memcpy(out, in, row.size);
        return;
    }
    const uint32_t width = savedWidth(row);
    uint64_t bits = 0;
    if (width == 4) {
        uint32_t word;
        std::memcpy(&word, in, 4);
        bits = word;
    } else {
        std::memcpy(&bits, in, 8);
    }
    for (uint32_t i = 0; i < width; ++i) {
        out[i] = static_cast<uint8_t>(bits >> (8 * (width - 1 - i)));
    }
}

void decodeField(const PropertyRow& row, const uint8_t* in, void* block) {
    auto* out = static_cast<uint8_t*>(block) + row.offset;
    if (row.type == FieldType::Text) {
        std::memcpy(out, in, row.size);
        if (row.size > 0) {
            out[row.size - 1] = '\0'; // a stored text is always terminated in memory
        }
        return;
    }
    const uint32_t width = savedWidth(row);
    uint64_t bits = 0;
    for (uint32_t i = 0; i < width; ++i) {
        bits = (bits << 8) | in[i];
    }
    if (width == 4) {
        const auto word = static_cast<uint32_t>(bits);
        std::memcpy(out, &word, 4);
    } else {
        std::memcpy(out, &bits, 8);
    }
}

} // namespace zx
