// Module resources embedded at build time from data/sample.rc: lookup by name and id, the
// packed DIBs they hold, and LoadBitmapA's conversion of each depth.
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>
#include <windows.h>
#include <zxw32/kernel_ext.h>

HMODULE zxModuleHandle();

namespace {

TEST(KernelResources, FindsBitmapByHashNameAndByIntegerId) {
    HMODULE module = zxModuleHandle();
    HRSRC byName = FindResourceA(module, "#102", RT_BITMAP);
    HRSRC byId = FindResourceA(module, MAKEINTRESOURCEA(102), RT_BITMAP);
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byName, byId);
    EXPECT_STREQ(zxw32::moduleName(module), "sample");
}

TEST(KernelResources, UnknownIdTypeOrModuleFindsNothing) {
    HMODULE module = zxModuleHandle();
    EXPECT_EQ(FindResourceA(module, "#999", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module, "#101", RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceA(module, "#10x", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module, "logo", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module, nullptr, RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "#101", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(0x1234), "#101", RT_BITMAP), nullptr);
}

TEST(KernelResources, LockedBitmapIsThePackedDibWithoutFileHeader) {
    HMODULE module = zxModuleHandle();
    HRSRC found = FindResourceA(module, "#103", RT_BITMAP);
    HGLOBAL loaded = LoadResource(module, found);
    auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
    ASSERT_NE(bytes, nullptr);
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes, sizeof header);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 3);
    EXPECT_EQ(header.biHeight, 2);
    EXPECT_EQ(header.biBitCount, 24);
    // 3 pixels of 24 bits make 9 bytes, padded to 12 per row.
    EXPECT_EQ(SizeofResource(module, found), 40u + 2 * 12);
    EXPECT_FALSE(FreeResource(loaded));
}

TEST(KernelResources, BadResourceHandlesFailWithNull) {
    HMODULE module = zxModuleHandle();
    EXPECT_EQ(LoadResource(module, nullptr), nullptr);
    EXPECT_EQ(LoadResource(module, reinterpret_cast<HRSRC>(0x42)), nullptr);
    EXPECT_EQ(SizeofResource(module, nullptr), 0u);
    int local = 0;
    EXPECT_EQ(LockResource(&local), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
}

TEST(KernelResources, UnregisteredModuleLeavesStaleHandles) {
    static const unsigned char bytes[] = {1, 2, 3};
    zxw32::ResourceEntry entry{2, 7, bytes, sizeof bytes};
    HMODULE module = zxw32::registerModule("temporary", &entry, 1);
    HRSRC found = FindResourceA(module, "#7", RT_BITMAP);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(SizeofResource(module, found), 3u);
    ASSERT_TRUE(zxw32::unregisterModule(module));
    EXPECT_EQ(FindResourceA(module, "#7", RT_BITMAP), nullptr);
    EXPECT_EQ(SizeofResource(module, found), 0u);
    EXPECT_EQ(LockResource(const_cast<unsigned char*>(bytes)), nullptr);
    EXPECT_FALSE(zxw32::unregisterModule(module));
    // A new module never gets the old handle back.
    HMODULE again = zxw32::registerModule("temporary", &entry, 1);
    EXPECT_NE(again, module);
    zxw32::unregisterModule(again);
}

// The 0x00RRGGBB pixels of a bitmap loaded from the sample module.
std::vector<uint32_t> loadPixels(int id, int& width, int& height) {
    HBITMAP bitmap = LoadBitmapA(zxModuleHandle(), MAKEINTRESOURCEA(id));
    if (bitmap == nullptr) {
        return {};
    }
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    width = info.bmWidth;
    height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    std::vector<uint32_t> pixels;
    auto* bits = static_cast<const uint32_t*>(info.bmBits);
    for (int i = 0; bits != nullptr && i < width * height; ++i) {
        pixels.push_back(bits[i] & 0xFFFFFF);
    }
    DeleteObject(bitmap);
    return pixels;
}

TEST(KernelLoadBitmap, OneBitBottomUpRowsUseTheColourTable) {
    int w = 0, h = 0;
    auto p = loadPixels(101, w, h);
    ASSERT_EQ(w, 10);
    ASSERT_EQ(h, 2);
    ASSERT_EQ(p.size(), 20u);
    const uint32_t red = 0xFF0000, blue = 0x0000FF;
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(p[x], x % 2 == 0 ? blue : red) << "top row, x " << x;
        EXPECT_EQ(p[10 + x], x == 9 ? blue : red) << "bottom row, x " << x;
    }
}

TEST(KernelLoadBitmap, EightBitHonoursAShortColourTable) {
    int w = 0, h = 0;
    auto p = loadPixels(102, w, h);
    ASSERT_EQ(p.size(), 6u);
    EXPECT_EQ(p,
              (std::vector<uint32_t>{0x000000, 0x00FF00, 0x0A141E, 0x0A141E, 0x00FF00, 0x000000}));
}

TEST(KernelLoadBitmap, TwentyFourBitRowsArePaddedAndFlipped) {
    int w = 0, h = 0;
    auto p = loadPixels(103, w, h);
    EXPECT_EQ(p,
              (std::vector<uint32_t>{0x010203, 0x040506, 0x070809, 0xC86432, 0xC86432, 0xC86432}));
}

TEST(KernelLoadBitmap, FourBitTopDownAndThirtyTwoBit) {
    int w = 0, h = 0;
    EXPECT_EQ(loadPixels(104, w, h),
              (std::vector<uint32_t>{0x0000FF, 0x1000EF, 0x2000DF, 0xF0000F, 0x3000CF, 0x4000BF}));
    EXPECT_EQ(loadPixels(105, w, h), (std::vector<uint32_t>{0x030201, 0x060504}));
}

TEST(KernelLoadBitmap, MissingOrDamagedBitmapGivesNull) {
    EXPECT_EQ(LoadBitmapA(zxModuleHandle(), "#999"), nullptr);
    EXPECT_EQ(LoadBitmapA(nullptr, "#101"), nullptr);
    // A header that claims more rows than the bytes hold.
    unsigned char bytes[48] = {};
    BITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = 100;
    header.biHeight = 100;
    header.biBitCount = 24;
    std::memcpy(bytes, &header, sizeof header);
    zxw32::ResourceEntry entry{2, 1, bytes, sizeof bytes};
    HMODULE module = zxw32::registerModule("damaged", &entry, 1);
    EXPECT_EQ(LoadBitmapA(module, "#1"), nullptr);
    zxw32::unregisterModule(module);
}

} // namespace
