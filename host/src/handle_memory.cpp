// HandleMemory: relocatable blocks for the plug-ins' pictures. Handles are validated on
// every call, so a stale or foreign handle fails instead of touching memory.
#include <cstring>
#include <vector>

#include "host_impl.h"

namespace zxhost {
namespace {

struct Block {
    std::vector<uint8_t> bytes; // at least one byte, so that locking an empty block works
    int32_t size = 0;
    int32_t locks = 0;
};

HostImpl& hostOf(zx::HandleMemory* self) {
    return *objectOf<HostObject>(self)->host;
}

Block* blockOf(HostImpl& host, void* handle) {
    return handle && host.handles.count(handle) ? static_cast<Block*>(handle) : nullptr;
}

void* ZX_CALL allocHandle(zx::HandleMemory* self, int32_t bytes) {
    HostImpl& host = hostOf(self);
    if (host.hooks.check(fault::kAllocHandle) || bytes < 0) {
        return nullptr;
    }
    auto* block = new Block;
    block->bytes.assign(static_cast<size_t>(bytes == 0 ? 1 : bytes), 0);
    block->size = bytes;
    host.handles.insert(block);
    return block;
}

zx::Result ZX_CALL freeHandle(zx::HandleMemory* self, void* handle) {
    HostImpl& host = hostOf(self);
    Block* block = blockOf(host, handle);
    if (!block) {
        return zx::kNotSupported;
    }
    host.handles.erase(handle);
    delete block;
    return zx::kOk;
}

int32_t ZX_CALL getHandleSize(zx::HandleMemory* self, void* handle) {
    Block* block = blockOf(hostOf(self), handle);
    return block ? block->size : 0;
}

void* ZX_CALL lockHandle(zx::HandleMemory* self, void* handle) {
    Block* block = blockOf(hostOf(self), handle);
    if (!block) {
        return nullptr;
    }
    ++block->locks;
    return block->bytes.data();
}

zx::Result ZX_CALL unlockHandle(zx::HandleMemory* self, void* handle) {
    Block* block = blockOf(hostOf(self), handle);
    if (!block) {
        return zx::kNotSupported;
    }
    if (block->locks > 0) {
        --block->locks;
    }
    return zx::kOk;
}

} // namespace

const zx::HandleMemoryOps kHandleMemoryOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::HandleMemory),
    &allocHandle,
    nullptr,
    &freeHandle,
    &getHandleSize,
    nullptr,
    &lockHandle,
    &unlockHandle,
};

int32_t handleLockCount(void* handle) {
    return static_cast<Block*>(handle)->locks;
}
void freeAllHandles(HostImpl& host) {
    for (void* handle : host.handles) {
        delete static_cast<Block*>(handle);
    }
    host.handles.clear();
}

} // namespace zxhost
