// Global memory: moveable blocks count locks, fixed blocks are their own address, and handles
// that are not live fail.
#include <cstring>

#include <gtest/gtest.h>
#include <windows.h>
#include <zxw32/kernel_ext.h>

namespace {

TEST(KernelGlobalMemory, MoveableBlockCountsLocks) {
    size_t live = zxw32::liveGlobalCount();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(zxw32::liveGlobalCount(), live + 1);
    EXPECT_EQ(GlobalSize(mem), 16u);
    auto* first = static_cast<unsigned char*>(GlobalLock(mem));
    auto* second = static_cast<unsigned char*>(GlobalLock(mem));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_NE(static_cast<void*>(first), mem);
    EXPECT_EQ(first[15], 0);
    EXPECT_EQ(zxw32::globalLockCount(mem), 2);
    EXPECT_TRUE(GlobalUnlock(mem));  // still locked once
    EXPECT_FALSE(GlobalUnlock(mem)); // now unlocked
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
    EXPECT_FALSE(GlobalUnlock(mem)); // was not locked
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
    EXPECT_EQ(GlobalFree(mem), nullptr);
    EXPECT_EQ(zxw32::liveGlobalCount(), live);
}

TEST(KernelGlobalMemory, FixedBlockIsItsOwnAddress) {
    HGLOBAL mem = GlobalAlloc(GMEM_FIXED, 8);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(GlobalLock(mem), mem);
    std::memset(mem, 0x5A, 8);
    EXPECT_EQ(zxw32::globalLockCount(mem), 0);
    EXPECT_EQ(GlobalFree(mem), nullptr);
}

TEST(KernelGlobalMemory, StaleAndForeignHandlesFail) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_EQ(GlobalFree(mem), nullptr);
    EXPECT_EQ(GlobalLock(mem), nullptr);
    EXPECT_EQ(GlobalSize(mem), 0u);
    EXPECT_FALSE(GlobalUnlock(mem));
    EXPECT_EQ(GlobalFree(mem), mem); // a failed free hands the handle back
    int local = 0;
    EXPECT_EQ(GlobalLock(&local), nullptr);
    EXPECT_EQ(GlobalLock(nullptr), nullptr);
    EXPECT_EQ(zxw32::globalLockCount(mem), -1);
}

TEST(KernelGlobalMemory, HugeOrNegativeSizesFail) {
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(-1)), nullptr);
    EXPECT_EQ(GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(-40)), nullptr);
    HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(GlobalSize(empty), 0u);
    GlobalFree(empty);
}

TEST(KernelGlobalMemory, ReAllocKeepsContentsAndHandle) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(mem), "abc", 4);
    GlobalUnlock(mem);
    EXPECT_EQ(GlobalReAlloc(mem, 64, GMEM_ZEROINIT), mem);
    auto* bytes = static_cast<char*>(GlobalLock(mem));
    EXPECT_STREQ(bytes, "abc");
    EXPECT_EQ(bytes[63], 0);
    GlobalUnlock(mem);
    GlobalFree(mem);
}

} // namespace
