#include "zxplugin/saved_block.h"

#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

namespace {

struct Block {
    int32_t number;
    uint32_t color;
    double value;
    char text[6];
};

constexpr zx::PropertyRow kFields[] = {
    zx::hidden(ZX_FIELD(Block, number)).saved(0),
    zx::hidden(ZX_FIELD(Block, color)).saved(1),
    zx::hidden(ZX_FIELD(Block, value)).saved(2),
    zx::hidden(ZX_FIELD(Block, text)).saved(3),
};

} // namespace

TEST(SavedFields, IntegersAndDoublesAreStoredMostSignificantByteFirst) {
    Block block{-2, 0x00AABBCC, 1.0, "ab"};
    uint8_t bytes[8];
    zx::encodeField(kFields[0], &block, bytes);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 4),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFE}));
    zx::encodeField(kFields[1], &block, bytes);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 4),
              (std::vector<uint8_t>{0x00, 0xAA, 0xBB, 0xCC}));
    zx::encodeField(kFields[2], &block, bytes);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 8),
              (std::vector<uint8_t>{0x3F, 0xF0, 0, 0, 0, 0, 0, 0}));
}

TEST(SavedFields, DecodingRestoresEveryBitOfEveryField) {
    Block in{std::numeric_limits<int32_t>::min(), 0xFFFFFFFF,
             std::numeric_limits<double>::quiet_NaN(), "hello"};
    std::memcpy(&in.value, "\x01\x02\x03\x04\x05\x06\xF8\x7F", 8); // a NaN with a payload
    Block out{};
    uint8_t bytes[8];
    for (const auto& field : kFields) {
        uint8_t buffer[16];
        zx::encodeField(field, &in, field.type == zx::FieldType::Text ? buffer : bytes);
        zx::decodeField(field, field.type == zx::FieldType::Text ? buffer : bytes, &out);
    }
    EXPECT_EQ(std::memcmp(&in, &out, offsetof(Block, text) + 6), 0);
}

TEST(SavedFields, StoredTextIsTerminatedEvenWhenTheBytesAreNot) {
    const uint8_t stored[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    Block out{};
    zx::decodeField(kFields[3], stored, &out);
    EXPECT_STREQ(out.text, "abcde");
}

TEST(SavedFields, SizeAddsTheStoredWidths) {
    static_assert(zx::savedBlockSize(kFields) == 4u + 4u + 8u + 6u);
    EXPECT_EQ(zx::savedBlockSize(kFields), 4u + 4u + 8u + 6u);
}
