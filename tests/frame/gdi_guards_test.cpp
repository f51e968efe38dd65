#include "zxplugin/gdi_guards.h"

#include <gtest/gtest.h>

namespace {

class ScreenDC : public ::testing::Test {
protected:
    zx::MemoryDC dc{nullptr};
};

} // namespace

TEST_F(ScreenDC, OffscreenSurfaceOfZeroOrNegativeSizeIsNeverCreated) {
    ASSERT_TRUE(dc);
    EXPECT_FALSE(zx::OffscreenSurface(dc.get(), 0, 5));
    EXPECT_FALSE(zx::OffscreenSurface(dc.get(), 5, -1));
    EXPECT_TRUE(zx::OffscreenSurface(dc.get(), 4, 4));
}

TEST_F(ScreenDC, ScopedSettingsAreRestored) {
    const int rop = GetROP2(dc.get());
    const UINT align = GetTextAlign(dc.get());
    {
        zx::ScopedRop2 changed(dc.get(), R2_XORPEN);
        zx::ScopedTextAlign centred(dc.get(), TA_CENTER | TA_TOP);
        EXPECT_EQ(GetROP2(dc.get()), R2_XORPEN);
    }
    EXPECT_EQ(GetROP2(dc.get()), rop);
    EXPECT_EQ(GetTextAlign(dc.get()), align);
}
