#include <cstring>

#include "host_fixture.h"
#include "zxframe/result_codes.h"

namespace {

using zxhost::fault::kStreamRead;

TEST(MediaStreams, WriteModeCollectsWritesAndReadModeGivesThemBack) {
    zxhost::Host host;
    zx::MediaStream* out = host.newStream();
    ASSERT_EQ(out->ops->open(out, 2, 0), 0);
    const char first[] = "abcd";
    EXPECT_EQ(out->ops->write(out, first, 4, 0), 0);
    EXPECT_EQ(out->ops->write(out, "ef", 2, 0), 0);
    out->ops->close(out);
    const auto bytes = host.streamBytes(out);
    out->ops->release(out);
    ASSERT_EQ(bytes.size(), 6u);

    zx::MediaStream* in = host.newStream(bytes);
    int32_t size = 0;
    ASSERT_EQ(in->ops->open(in, 0, 0), 0);
    ASSERT_EQ(in->ops->getSize(in, &size), 0);
    EXPECT_EQ(size, 6);
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(in->ops->read(in, buffer, 4, 0), 0);
    EXPECT_EQ(std::memcmp(buffer, "abcd", 4), 0);
    // Past the end: fails, buffer untouched.
    std::memcpy(buffer, "zzzzzzz", 8);
    EXPECT_NE(in->ops->read(in, buffer, 3, 0), 0);
    EXPECT_STREQ(buffer, "zzzzzzz");
    in->ops->close(in);
    in->ops->release(in);
}

TEST(MediaStreams, FaultsHitTheChosenCall) {
    zxhost::Host host;
    zx::MediaStream* in = host.newStream(std::vector<uint8_t>(8, 1));
    host.hooks().failNth(kStreamRead, 2, zx::kResourceNotFound);
    in->ops->open(in, 0, 0);
    char buffer[4];
    EXPECT_EQ(in->ops->read(in, buffer, 2, 0), 0);
    EXPECT_EQ(in->ops->read(in, buffer, 2, 0), zx::kResourceNotFound);
    EXPECT_EQ(in->ops->read(in, buffer, 2, 0), 0);
    EXPECT_EQ(host.hooks().calls(kStreamRead), 3);
    host.hooks().failAt(zxhost::fault::kStreamOpen);
    EXPECT_EQ(in->ops->open(in, 0, 0), zx::kOutOfMemory);
    in->ops->release(in);
}

TEST(HandleMemory, HandlesAreTrackedLockedAndValidated) {
    zxhost::Host host;
    zx::HandleMemory* m = host.handleMemory();
    void* handle = m->ops->allocHandle(m, 100);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(host.liveHandles(), 1);
    EXPECT_EQ(m->ops->getHandleSize(m, handle), 100);
    auto* bytes = static_cast<uint8_t*>(m->ops->lockHandle(m, handle));
    ASSERT_NE(bytes, nullptr);
    bytes[99] = 7;
    EXPECT_EQ(host.handleLockCount(handle), 1);
    m->ops->unlockHandle(m, handle);
    EXPECT_EQ(host.handleLockCount(handle), 0);
    EXPECT_EQ(m->ops->freeHandle(m, handle), 0);
    EXPECT_EQ(host.liveHandles(), 0);
    // Stale handles fail instead of touching freed memory.
    EXPECT_NE(m->ops->freeHandle(m, handle), 0);
    EXPECT_EQ(m->ops->getHandleSize(m, handle), 0);
    EXPECT_EQ(m->ops->lockHandle(m, handle), nullptr);

    host.hooks().failAt(zxhost::fault::kAllocHandle);
    EXPECT_EQ(m->ops->allocHandle(m, 10), nullptr);
}

TEST(ReferenceBalance, QueryAndReleaseOfServicesBalance) {
    zxhost::Host host;
    auto& hooks = host.hooks();
    zx::HostUtilities* u = host.utilities();
    u->ops->addRef(u);
    EXPECT_EQ(hooks.liveReferences[zxhost::object::kHostUtilities], 1);
    u->ops->release(u);
    EXPECT_EQ(hooks.liveReferenceTotal(), 0);
}

} // namespace
