// The frame's general paths through the host with the test-only probe module.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "zxframe/identifiers.h"
#include "zxframe/result_codes.h"
#include "zxhost/host.h"

using zxhost::FaultRule;
using zxhost::Value;

namespace {

constexpr int32_t kInjected = static_cast<int32_t>(0x80040321u);

// A 24-bit BMP file of 3 x 2 pixels; `height` may be negative (top-down).
std::vector<uint8_t> bmpFile(int32_t width, int32_t height, uint16_t bits = 24, uint32_t used = 0) {
    const int32_t rows = height < 0 ? -height : height;
    const uint32_t rowBytes = ((bits * static_cast<uint32_t>(width) + 31) / 32) * 4;
    const uint32_t colors = used != 0 ? used : (bits <= 8 ? 1u << bits : 0u);
    const uint32_t offset = 14 + 40 + 4 * colors;
    const uint32_t size = offset + rowBytes * static_cast<uint32_t>(rows);
    std::vector<uint8_t> f(size, 0x40);
    auto put = [&](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            f[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    f[0] = 'B';
    f[1] = 'M';
    put(2, size, 4);
    put(6, 0, 4);
    put(10, offset, 4);
    put(14, 40, 4);
    put(18, static_cast<uint32_t>(width), 4);
    put(22, static_cast<uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, bits, 2);
    put(30, 0, 4);
    put(34, 0, 4);
    put(38, 0, 4);
    put(42, 0, 4);
    put(46, used, 4);
    put(50, 0, 4);
    return f;
}

class ProbeThroughHost : public ::testing::Test {
protected:
    ProbeThroughHost() : host(std::vector<std::string>{}) {
        module = &host.loadModule(ZX_PROBE_MODULE);
    }

    zxhost::Host host;
    zxhost::Module* module = nullptr;
};

} // namespace

TEST_F(ProbeThroughHost, AuxiliaryInterfaceComesBeforeTheAssetInterface) {
    const auto& classes = module->classes();
    ASSERT_EQ(classes.size(), 3u);
    ASSERT_EQ(classes[1].interfaces.size(), 2u);
    EXPECT_TRUE(zx::sameGuid(classes[1].interfaces[0], zx::kAssetAuxInterfaceId));
    EXPECT_EQ(classes[1].version, 2u);
    auto& member = host.newMember("probe", "p");
    void* aux = nullptr;
    zx::AssetInterface* asset = member.asset();
    ASSERT_EQ(asset->ops->queryInterface(asset, &zx::kAssetAuxInterfaceId, &aux), zx::kOk);
    auto* auxiliary = static_cast<zx::AssetAuxInterface*>(aux);
    EXPECT_EQ(auxiliary->ops->slot3(auxiliary, 5), zx::kOk);
    auxiliary->ops->release(auxiliary);
}

TEST_F(ProbeThroughHost, RegistrationStopsAtTheFirstFailingPut) {
    EXPECT_EQ(module->kind().entries.size(), 6u);
    EXPECT_EQ(module->kind().entries[5].key, "myData");
    zxhost::Host other(std::vector<std::string>{});
    other.hooks().failAt(zxhost::fault::kPut, FaultRule{3, kInjected});
    EXPECT_THROW(other.loadModule(ZX_PROBE_MODULE), zxhost::Error);
    EXPECT_EQ(other.hooks().calls(zxhost::fault::kPut), 3);
}

TEST_F(ProbeThroughHost, UnknownPropertyOnSetIsRefusedButStillRedraws) {
    auto& member = host.newMember("probe", "p");
    auto& sprite = host.addSprite(member, {0, 0, 10, 10});
    sprite.idle();
    EXPECT_EQ(member.setProp("Colour", Value(1)), zx::kUnknownProperty);
    EXPECT_EQ(sprite.idle(), 1);
}

TEST_F(ProbeThroughHost, TextPropertiesAreCutToTheirBuffer) {
    auto& member = host.newMember("probe", "p");
    EXPECT_EQ(member.setProp("Label", Value("a label far longer than sixteen")), zx::kOk);
    EXPECT_EQ(member.getProp("Label").value, Value("a label far lon"));
}

TEST_F(ProbeThroughHost, TooFewArgumentsDoNothing) {
    auto& member = host.newMember("probe", "p");
    EXPECT_EQ(member.call("Add", {Value(1)}).code, zx::kTooFewArguments2);
    EXPECT_EQ(member.getProp("Number").value, Value(7));
    EXPECT_EQ(member.call("Add", {Value(1), Value(2)}).code, zx::kOk);
    EXPECT_EQ(member.getProp("Number").value, Value(10));
}

TEST_F(ProbeThroughHost, LoadedPictureIsCentredAndDrawnWithTheInk) {
    auto& member = host.newMember("probe", "p");
    EXPECT_EQ(member.getProp("LoadResult").value, Value(0));
    EXPECT_EQ(member.call("PictureSize").value, Value(48 * 1000 + 32));
    auto& sprite = host.addSprite(member, {5, 6, 53, 38}, 36, {1, 2, 3, 4});
    host.hooks().clearRecords();
    EXPECT_EQ(sprite.draw(), zx::kOk);
    ASSERT_EQ(host.hooks().records.drawPictures.size(), 1u);
    const auto& call = host.hooks().records.drawPictures[0];
    EXPECT_EQ(call.source.bottom, 32);
    EXPECT_EQ(call.source.right, 48);
    EXPECT_EQ(call.destination.left, 5);
    EXPECT_EQ(call.ink, 36);
    EXPECT_EQ(call.params, (std::array<int32_t, 4>{1, 2, 3, 4}));
}

TEST_F(ProbeThroughHost, PictureLoadStopsWhenNoHandleCanBeAllocated) {
    auto& member = host.newMember("probe", "p");
    const int32_t pictures = host.hooks().calls(zxhost::fault::kPictureFromDIB);
    host.hooks().failAt(zxhost::fault::kAllocHandle, FaultRule{1});
    EXPECT_EQ(member.call("Reload").code, zx::kOutOfMemory);
    EXPECT_EQ(host.hooks().calls(zxhost::fault::kPictureFromDIB), pictures);
    EXPECT_EQ(member.call("PictureSize").value, Value(0));
}

TEST_F(ProbeThroughHost, PictureWithoutResourcesIsNotFound) {
    auto& member = host.newMember("probe", "p");
    host.hooks().failAt(zxhost::fault::kForeignResources);
    EXPECT_EQ(member.call("Reload").code, zx::kResourceNotFound);
}

TEST_F(ProbeThroughHost, PictureIsCopiedFromABitmapMember) {
    auto& member = host.newMember("probe", "p");
    auto& bitmap = host.newBitmapMemberFromBytes("keys", bmpFile(3, -2));
    EXPECT_EQ(member.call("ReplaceMedia", {Value(bitmap.ref())}).code, zx::kOk);
    EXPECT_EQ(member.call("PictureSize").value, Value(3 * 1000 + 2));
    host.deleteMember(member);
    EXPECT_EQ(host.liveHandles(), 0);
}

TEST_F(ProbeThroughHost, FailedCopyKeepsTheOldPictureAndReturnsTheHostsResult) {
    auto& member = host.newMember("probe", "p");
    auto& bitmap = host.newBitmapMemberFromBytes("keys", bmpFile(3, 2));
    host.hooks().failAt(zxhost::fault::kMemberFill, FaultRule{1, kInjected});
    EXPECT_EQ(member.call("ReplaceMedia", {Value(bitmap.ref())}).code, kInjected);
    EXPECT_EQ(member.call("PictureSize").value, Value(48 * 1000 + 32));
    host.hooks().failAt(zxhost::fault::kQueryStageServices, FaultRule{1, kInjected});
    EXPECT_EQ(member.call("ReplaceMedia", {Value(bitmap.ref())}).code, kInjected);
    EXPECT_EQ(member.call("PictureSize").value, Value(48 * 1000 + 32));
    host.clearMovie();
    EXPECT_EQ(host.hooks().liveReferenceTotal(), 0);
}
