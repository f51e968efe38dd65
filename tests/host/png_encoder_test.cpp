// The library-free PNG encoder of the Windows build: its files read back through the native
// PNG reader pixel for pixel, and its checksums are the format's.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host_fixture.h"
#include "png_encoder.h"
#include "zxw32/gdi_ext.h"

namespace {

std::vector<uint32_t> pattern(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    uint32_t seed = 12345;
    for (uint32_t& p : pixels) {
        seed = seed * 1103515245u + 12345u;
        p = (seed >> 8) & 0xFFFFFF;
    }
    return pixels;
}

// Encodes, writes and reads back through the native reader.
std::vector<uint32_t> roundTrip(const std::vector<uint32_t>& pixels, int width, int height,
                                const std::string& name) {
    const std::vector<uint8_t> bytes = zxhost::encodePng(pixels.data(), width, height);
    const std::string path = zxtest::scratchPath(name);
    FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    if (!file) {
        return {};
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    std::vector<uint32_t> read;
    int readWidth = 0, readHeight = 0;
    EXPECT_TRUE(zxw32::loadPng(path.c_str(), &read, &readWidth, &readHeight));
    EXPECT_EQ(readWidth, width);
    EXPECT_EQ(readHeight, height);
    std::remove(path.c_str());
    return read;
}

TEST(PngEncoder, SmallImageWithOddWidthReadsBackPixelForPixel) {
    const auto pixels = pattern(37, 23);
    EXPECT_EQ(roundTrip(pixels, 37, 23, "odd.png"), pixels);
}

TEST(PngEncoder, ImageSpanningSeveralStoredBlocksReadsBack) {
    // 300 x 200 RGB rows are 180200 bytes of image data: three stored blocks, the last short.
    const auto pixels = pattern(300, 200);
    EXPECT_EQ(roundTrip(pixels, 300, 200, "blocks.png"), pixels);
}

TEST(PngEncoder, ImageDataOfExactlyOneFullBlockReadsBack) {
    // 1 + 3 * 21845 = 65536 bytes per row: one byte past a full block.
    const auto one = pattern(21845, 1);
    EXPECT_EQ(roundTrip(one, 21845, 1, "full.png"), one);
}

TEST(PngEncoder, SinglePixelAndTopBitsIgnored) {
    const std::vector<uint32_t> pixel{0xFF102030};
    EXPECT_EQ(roundTrip(pixel, 1, 1, "one.png"), std::vector<uint32_t>{0x102030});
}

TEST(PngEncoder, EmptyOrMissingImageGivesNoBytes) {
    const uint32_t pixel = 0;
    EXPECT_TRUE(zxhost::encodePng(&pixel, 0, 1).empty());
    EXPECT_TRUE(zxhost::encodePng(&pixel, 1, -1).empty());
    EXPECT_TRUE(zxhost::encodePng(nullptr, 1, 1).empty());
}

TEST(PngEncoder, ChecksumsMatchTheirStandardCheckValues) {
    const std::string digits = "123456789";
    const auto* d = reinterpret_cast<const uint8_t*>(digits.data());
    EXPECT_EQ(zxhost::crc32(d, digits.size()), 0xCBF43926u);
    // Continuing a CRC over a split input gives the CRC of the whole.
    EXPECT_EQ(zxhost::crc32(d + 4, 5, zxhost::crc32(d, 4)), 0xCBF43926u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(zxhost::adler32(reinterpret_cast<const uint8_t*>(word.data()), word.size()),
              0x11E60398u);
}

TEST(PngEncoder, AdlerOfLongRunsOfHighBytesDoesNotOverflow) {
    const std::vector<uint8_t> bytes(100000, 0xFF);
    uint32_t a = 1, b = 0;
    for (uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(zxhost::adler32(bytes.data(), bytes.size()), b << 16 | a);
}

} // namespace
