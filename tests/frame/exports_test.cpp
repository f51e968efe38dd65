#include <vector>

#include "frame_fixture.h"
#include "zxframe/identifiers.h"
#include "zxframe/result_codes.h"

using zxhost::FaultRule;

namespace {

std::vector<zx::ClassInfoEntry> classInfo(zxhost::Module& module, zx::Result* code) {
    zx::ClassInfoEntry* table = nullptr;
    *code = module.exports().getClassInfo(module.allocator(), &table);
    std::vector<zx::ClassInfoEntry> entries;
    if (table == nullptr) {
        return entries;
    }
    for (const zx::ClassInfoEntry* e = table;; ++e) {
        entries.push_back(*e);
        if (e->clsid.data1 == 0 && e->iid.data1 == 0) {
            break;
        }
    }
    module.allocator()->ops->free(module.allocator(), table);
    return entries;
}

} // namespace

TEST_F(FrameThroughHost, ClassInfoListsEachClassThenItsInterfacesAndATerminator) {
    zx::Result code = -1;
    const auto entries = classInfo(*module, &code);
    ASSERT_EQ(code, zx::kOk);
    ASSERT_EQ(entries.size(), 7u); // three classes, three interfaces (no auxiliary one)
    const zx::Guid expectedIids[] = {zx::kClassEntryId, zx::kRegistrarInterfaceId,
                                     zx::kClassEntryId, zx::kAssetInterfaceId,
                                     zx::kClassEntryId, zx::kSpriteActorInterfaceId};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(zx::sameGuid(entries[i].iid, expectedIids[i])) << i;
        EXPECT_EQ(entries[i].version, 1u);
        EXPECT_EQ(entries[i].one, 1u);
    }
    EXPECT_TRUE(zx::sameGuid(entries[2].clsid, module->assetClass()));
    EXPECT_EQ(entries[6].clsid.data1, 0u);
}

TEST_F(FrameThroughHost, ClassInfoWithAFailingAllocatorAnswersOutOfMemoryAndNoTable) {
    host.hooks().failAt(zxhost::fault::kAlloc, FaultRule{1});
    zx::ClassInfoEntry* table = reinterpret_cast<zx::ClassInfoEntry*>(&host);
    EXPECT_EQ(module->exports().getClassInfo(module->allocator(), &table), zx::kOutOfMemory);
    EXPECT_EQ(table, nullptr);
}

TEST_F(FrameThroughHost, ClassFormKnowsClassesButNotInterfaceIdentifiers) {
    int32_t size = 0;
    zx::InstanceConstructor constructor = nullptr;
    zx::InstanceDestructor destructor = nullptr;
    EXPECT_EQ(
        module->exports().getClassForm(&module->assetClass(), &size, &constructor, &destructor),
        zx::kOk);
    EXPECT_GT(size, 24);
    EXPECT_NE(constructor, nullptr);
    EXPECT_EQ(
        module->exports().getClassForm(&zx::kAssetAuxInterfaceId, &size, &constructor, &destructor),
        zx::kNoSuchClass);
    EXPECT_EQ(module->exports().getClassObject(nullptr, nullptr, nullptr), zx::kNoSuchClass);
}

TEST_F(FrameThroughHost, CounterAssetHasNoAuxiliaryInterface) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(module->createInstance(module->assetClass(), zx::kAssetAuxInterfaceId, &out),
              zx::kNoSuchInterface);
}

TEST_F(FrameThroughHost, RegistrationPutsTheFiveKeysInOrder) {
    const auto& entries = module->kind().entries;
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].key, "symbolString");
    EXPECT_EQ(entries[0].text, "tallydisc");
    EXPECT_EQ(entries[1].text, "Tallydisc");
    EXPECT_EQ(entries[2].text, "Zentrix");
    EXPECT_EQ(entries[3].key, "actorType");
    EXPECT_EQ(entries[3].number, 1);
    EXPECT_EQ(entries[4].key, "assetCaps");
    EXPECT_EQ(entries[4].number, 18);
    EXPECT_EQ(entries[4].length, 4);
}

TEST_F(FrameThroughHost, CanUnloadOnlyAfterTheLastInterfaceIsReleased) {
    auto& member = host.newMember("tallydisc", "odo");
    EXPECT_EQ(module->canUnloadNow(), zx::kObjectsAlive);
    host.deleteMember(member);
    EXPECT_EQ(module->canUnloadNow(), zx::kOk);
}

TEST_F(FrameThroughHost, AddRefAndReleaseAreSymmetric) {
    auto& member = host.newMember("tallydisc", "odo");
    zx::AssetInterface* asset = member.asset();
    const int32_t instances = module->liveInstances();
    EXPECT_EQ(asset->ops->addRef(asset), 2);
    EXPECT_EQ(asset->ops->addRef(asset), 3);
    EXPECT_EQ(asset->ops->release(asset), 2);
    EXPECT_EQ(asset->ops->release(asset), 1);
    EXPECT_EQ(module->liveInstances(), instances);

    // A second interface of the same instance: its last Release frees it and drops both of
    // its owner references, leaving the member as it was.
    void* again = nullptr;
    ASSERT_EQ(asset->ops->queryInterface(asset, &zx::kAssetInterfaceId, &again), zx::kOk);
    auto* second = static_cast<zx::AssetInterface*>(again);
    const int32_t allocations = host.liveAllocations();
    EXPECT_EQ(second->ops->release(second), 0);
    EXPECT_EQ(host.liveAllocations(), allocations - 1);
    EXPECT_EQ(module->liveInstances(), instances);
    EXPECT_EQ(member.getProp("DigitsLeft").value, zxhost::Value(3));
}

TEST_F(FrameThroughHost, InterfaceCreationWithAFailingAllocatorAnswersOutOfMemory) {
    auto& member = host.newMember("tallydisc", "odo");
    host.hooks().failAt(zxhost::fault::kAlloc, FaultRule{1});
    void* out = reinterpret_cast<void*>(1);
    zx::AssetInterface* asset = member.asset();
    EXPECT_EQ(asset->ops->queryInterface(asset, &zx::kAssetInterfaceId, &out), zx::kOutOfMemory);
    EXPECT_EQ(out, nullptr);
}
