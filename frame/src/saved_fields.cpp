// The stored form of single fields: big-endian integers, colours and doubles, and texts
// as their whole fixed buffers.
#include "zxplugin/saved_block.h"

#include <cstring>

namespace zx {

uint32_t savedWidth(const SavedField& field) {
    switch (field.type) {
    case FieldType::Integer:
    case FieldType::Color:
        return 4;
    case FieldType::Float:
        return 8;
    case FieldType::Text:
        return field.size;
    }
    return 0;
}

uint32_t savedSize(std::span<const SavedField> fields) {
    uint32_t total = 0;
    for (const SavedField& field : fields) {
        total += savedWidth(field);
    }
    return total;
}

void encodeField(const SavedField& field, const void* block, uint8_t* out) {
    const auto* in = static_cast<const uint8_t*>(block) + field.offset;
    if (field.type == FieldType::Text) {
        std::memcpy(out, in, field.size);
        return;
    }
    const uint32_t width = savedWidth(field);
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

void decodeField(const SavedField& field, const uint8_t* in, void* block) {
    auto* out = static_cast<uint8_t*>(block) + field.offset;
    if (field.type == FieldType::Text) {
        std::memcpy(out, in, field.size);
        if (field.size > 0) {
            out[field.size - 1] = '\0'; // a stored text is always terminated in memory
        }
        return;
    }
    const uint32_t width = savedWidth(field);
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
