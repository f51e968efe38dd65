// The module's exports and instance bookkeeping as the host drives them.
#include <windows.h>

#include "host_fixture.h"
#include "zxframe/identifiers.h"
#include "zxframe/result_codes.h"
#include "zxw32/user_ext.h"

namespace {

struct Exports : ::testing::Test {
    void SetUp() override {
        ZX_REQUIRE_COUNTER();
        module = host.findModule("tallydisc");
        ASSERT_NE(module, nullptr);
    }
    zxhost::Host host{{zxtest::pluginDir()}};
    zxhost::Module* module = nullptr;
};

TEST_F(Exports, ClassFormKnowsClassesButNotInterfaces) {
    int32_t size = 0;
    zx::InstanceConstructor constructor = nullptr;
    zx::InstanceDestructor destructor = nullptr;
    const auto& e = module->exports();
    EXPECT_EQ(e.getClassForm(&module->assetClass(), &size, &constructor, &destructor), 0);
    EXPECT_GE(size, static_cast<int32_t>(sizeof(zx::InstanceHeader)));
    EXPECT_EQ(e.getClassForm(&zx::kAssetAuxInterfaceId, &size, &constructor, &destructor),
              zx::kNoSuchClass);
    EXPECT_EQ(e.getClassObject(nullptr, nullptr, nullptr), zx::kNoSuchClass);
}

TEST_F(Exports, InstanceAnswersItsClassInterfacesOnly) {
    zx::AssetInterface* asset = host.newMember("tallydisc", "odo").asset();
    void* aux = reinterpret_cast<void*>(1);
    EXPECT_EQ(asset->ops->queryInterface(asset, &zx::kAssetAuxInterfaceId, &aux),
              zx::kNoSuchInterface);
    void* again = nullptr;
    ASSERT_EQ(asset->ops->queryInterface(asset, &zx::kAssetInterfaceId, &again), 0);
    static_cast<zx::AssetInterface*>(again)->ops->release(static_cast<zx::AssetInterface*>(again));
}

TEST_F(Exports, AddRefAndReleaseChangeTheOwnerSymmetrically) {
    zx::AssetInterface* asset = host.newMember("tallydisc", "odo").asset();
    // An interface object is {operation table, owner instance, count}.
    void* owner = reinterpret_cast<void**>(asset)[1];
    const int32_t before = host.instanceReferences(owner);
    ASSERT_GT(before, 0);
    asset->ops->addRef(asset);
    asset->ops->addRef(asset);
    EXPECT_EQ(host.instanceReferences(owner), before + 2);
    asset->ops->release(asset);
    asset->ops->release(asset);
    EXPECT_EQ(host.instanceReferences(owner), before);
}

TEST_F(Exports, CanUnloadNowFollowsTheLastRelease) {
    EXPECT_EQ(module->canUnloadNow(), 0);
    void* asset = nullptr;
    ASSERT_EQ(module->createInstance(module->assetClass(), zx::kAssetInterfaceId, &asset), 0);
    EXPECT_EQ(module->canUnloadNow(), zx::kObjectsAlive);
    static_cast<zx::AssetInterface*>(asset)->ops->release(static_cast<zx::AssetInterface*>(asset));
    EXPECT_EQ(module->canUnloadNow(), 0);
    EXPECT_EQ(module->liveInstances(), 0);
    const auto& results = host.hooks().records.canUnloadNow;
    EXPECT_EQ(results, (std::vector<int32_t>{0, zx::kObjectsAlive, 0}));
}

TEST_F(Exports, InterfaceCreationWithAFailingAllocatorLeavesNothingAlive) {
    host.hooks().failAt(zxhost::fault::kAlloc);
    void* asset = reinterpret_cast<void*>(1);
    EXPECT_EQ(module->createInstance(module->assetClass(), zx::kAssetInterfaceId, &asset),
              zx::kOutOfMemory);
    EXPECT_EQ(asset, nullptr);
    EXPECT_EQ(module->liveInstances(), 0);
    EXPECT_EQ(host.liveAllocations(), 0);
}

TEST(Caret, VisibleCaretOnTheStageIsInvertedWhenRendering) {
    zxhost::Host host;
    host.stage().setSize(20, 20);
    host.stage().setColor(0xFFFFFF);
    ASSERT_TRUE(CreateCaret(host.stage().window(), nullptr, 1, 5));
    SetCaretPos(4, 3);
    ShowCaret(host.stage().window());
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(4, 3), 0x000000u);
    EXPECT_EQ(host.stage().pixel(4, 7), 0x000000u);
    EXPECT_EQ(host.stage().pixel(4, 8), 0xFFFFFFu);
    EXPECT_EQ(host.stage().pixel(5, 3), 0xFFFFFFu);
    DestroyCaret();
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(4, 3), 0xFFFFFFu);
}

} // namespace
