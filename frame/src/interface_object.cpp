// InterfaceObjects: one per interface handed to the host, each holding its owner instance.
// An object keeps one owner reference for its existence and one per reference of its own;
// the module may unload only when none is alive.
#include "frame_internal.h"

namespace zx {
namespace {

int32_t gLiveObjects = 0;

InstanceOps* ownerOps(void* owner) {
    return static_cast<InstanceOps*>(static_cast<InstanceHeader*>(owner)->words[kHeaderOps]);
}
void addRefOwner(void* owner) {
    ownerOps(owner)->addRef(owner);
}
void releaseOwner(void* owner) {
    ownerOps(owner)->release(owner);
}

} // namespace

int32_t liveObjectCount() {
    return gLiveObjects;
}

Result createInterface(void* instance, const void* ops, void** out) {
    auto* header = static_cast<InstanceHeader*>(instance);
    HostAllocator* allocator = hostAllocator(*header);
    auto* object = static_cast<InterfaceObject*>(
        allocator->ops->alloc(allocator, static_cast<uint32_t>(sizeof(InterfaceObject))));
    if (object == nullptr) {
        *out = nullptr;
        return kOutOfMemory;
    }
    object->ops = ops;
    object->owner = instance;
    object->count = 1;
    addRefOwner(instance); // for the object's existence
    addRefOwner(instance); // for the reference returned
    ++gLiveObjects;
    *out = object;
    return kOk;
}

Result ZX_CALL objectQueryInterface(void* self, const Guid* iid, void** out) {
    void* owner = static_cast<InterfaceObject*>(self)->owner;
    return ownerOps(owner)->queryInterface(owner, iid, out);
}

int32_t ZX_CALL objectAddRef(void* self) {
    auto* object = static_cast<InterfaceObject*>(self);
    addRefOwner(object->owner);
    return ++object->count;
}

int32_t ZX_CALL objectRelease(void* self) {
    // Owner and count are taken into locals first: the object may be freed below.
    auto* object = static_cast<InterfaceObject*>(self);
    void* const owner = object->owner;
    const int32_t count = --object->count;
    if (count == 0) {
        HostAllocator* allocator = hostAllocator(*static_cast<InstanceHeader*>(owner));
        allocator->ops->free(allocator, object);
        --gLiveObjects;
        releaseOwner(owner); // the existence reference
    }
    releaseOwner(owner);
    return count;
}

} // namespace zx
