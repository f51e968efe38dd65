#include "zxplugin/dib_layout.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> header(int32_t width, int32_t height, uint16_t bits, uint32_t used = 0,
                            uint32_t size = 40) {
    std::vector<uint8_t> h(40, 0);
    std::memcpy(&h[0], &size, 4);
    std::memcpy(&h[4], &width, 4);
    std::memcpy(&h[8], &height, 4);
    const uint16_t planes = 1;
    std::memcpy(&h[12], &planes, 2);
    std::memcpy(&h[14], &bits, 2);
    std::memcpy(&h[32], &used, 4);
    return h;
}

} // namespace

TEST(DibLayout, TwentyFourBitRowsFollowTheHeaderDirectly) {
    const auto layout = zx::dibLayout(header(3, 2, 24).data());
    EXPECT_EQ(layout.colorCount, 0u);
    EXPECT_EQ(layout.pixelOffset, 40u);
    EXPECT_EQ(layout.rowBytes, 12u); // 9 bytes padded to a whole word
    EXPECT_EQ(layout.totalBytes, 40u + 24u);
}

TEST(DibLayout, PalettedRowsFollowTheColourTable) {
    EXPECT_EQ(zx::dibLayout(header(8, 1, 1).data()).pixelOffset, 40u + 4u * 2);
    EXPECT_EQ(zx::dibLayout(header(8, 1, 4).data()).pixelOffset, 40u + 4u * 16);
    EXPECT_EQ(zx::dibLayout(header(8, 1, 8).data()).pixelOffset, 40u + 4u * 256);
    EXPECT_EQ(zx::dibLayout(header(8, 1, 8, 5).data()).pixelOffset, 40u + 4u * 5);
    EXPECT_EQ(zx::dibLayout(header(8, 1, 32).data()).pixelOffset, 40u);
}

TEST(DibLayout, CheckedLayoutRefusesUnsoundHeaders) {
    EXPECT_FALSE(zx::checkedDibLayout(header(4, 4, 24, 0, 12).data(), 1000)); // header size
    EXPECT_FALSE(zx::checkedDibLayout(header(4, 4, 7).data(), 1000));         // depth
    EXPECT_FALSE(zx::checkedDibLayout(header(0, 4, 24).data(), 1000));        // width
    EXPECT_FALSE(zx::checkedDibLayout(header(4, 0, 24).data(), 1000));        // height
    EXPECT_FALSE(zx::checkedDibLayout(header(4, 4, 4, 17).data(), 1000));     // colours
    EXPECT_FALSE(zx::checkedDibLayout(header(4, 4, 8, 100000).data(), 1u << 30));
    EXPECT_FALSE(zx::checkedDibLayout(header(4, 4, 24).data(), 39));
}

TEST(DibLayout, CheckedLayoutRefusesABitmapLargerThanItsBlock) {
    EXPECT_TRUE(zx::checkedDibLayout(header(4, 4, 24).data(), 40 + 48));
    EXPECT_FALSE(zx::checkedDibLayout(header(4, 4, 24).data(), 40 + 47));
    // Sizes that overflow 32 bits are computed in 64.
    EXPECT_FALSE(zx::checkedDibLayout(header(0x7FFFFFFF, 0x7FFFFFFF, 32).data(), 0xFFFFFFFFu));
}

TEST(DibLayout, TopDownBitmapUsesItsAbsoluteHeight) {
    const auto layout = zx::checkedDibLayout(header(2, -3, 24).data(), 40 + 24);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->totalBytes, 40u + 3u * 8u);
}
