// Class instances: allocation with the InstanceHeader filled (word 0 the instance
// operations, word 1 the host's record, word 2 the module's HostCallback, word 3 the
// HostAllocator), the instance's QueryInterface/AddRef/Release, and the HostCallback and
// HostAllocator objects.
#include <cstdlib>

#include <windows.h>

#include "host_impl.h"
#include "zxframe/identifiers.h"

namespace zxhost {

struct InstanceRecord {
    Module* module = nullptr;
    zx::Guid clsid{};
    int32_t refs = 0;
    zx::InstanceDestructor destructor = nullptr;
};

namespace {

constexpr int kHeaderRecord = 1;

InstanceRecord* recordOf(void* instance) {
    return static_cast<InstanceRecord*>(
        static_cast<zx::InstanceHeader*>(instance)->words[kHeaderRecord]);
}

void destroyInstance(void* instance) {
    InstanceRecord* record = recordOf(instance);
    Module& module = *record->module;
    HostImpl& host = *ModuleAccess::host(module);
    if (record->destructor) {
        record->destructor(instance);
    }
    host.instances.erase(instance);
    std::free(instance);
    --ModuleAccess::live(module);
    ++host.hooks.records.instancesDestroyed;
    delete record;
}

zx::Result ZX_CALL instanceQuery(void* instance, const zx::Guid* iid, void** out) {
    if (!instance || !iid || !out) {
        return zx::kNoSuchInterface;
    }
    InstanceRecord* record = recordOf(instance);
    return record->module->exports().getInterface(instance, &record->clsid, iid, out);
}

int32_t ZX_CALL instanceAddRef(void* instance) {
    return instance ? ++recordOf(instance)->refs : 0;
}

// The last reference runs the destructor and frees the record.
int32_t ZX_CALL instanceRelease(void* instance) {
    if (!instance) {
        return 0;
    }
    const int32_t refs = --recordOf(instance)->refs;
    if (refs == 0) {
        destroyInstance(instance);
    }
    return refs;
}

// --- HostCallback: one per module, so CreateInstance finds the calling module's classes.

Module& moduleOf(zx::HostCallback* self) {
    return *objectOf<CallbackObject>(self)->module;
}

zx::Result ZX_CALL createInstance(zx::HostCallback* self, const zx::Guid* clsid,
                                  const zx::Guid* iid, void** out) {
    if (!out) {
        return zx::kNotSupported;
    }
    *out = nullptr;
    Module& module = moduleOf(self);
    if (const zx::Result fault = ModuleAccess::host(module)->hooks.check(fault::kCreateInstance)) {
        return fault;
    }
    if (!clsid || !iid) {
        return zx::kNoSuchClass;
    }
    return module.createInstance(*clsid, *iid, out);
}

HINSTANCE ZX_CALL beginResources(zx::HostCallback* self, HINSTANCE moduleHandle, intptr_t* token) {
    HostImpl& host = *ModuleAccess::host(moduleOf(self));
    ++host.hooks.records.beginResources;
    const intptr_t t = host.nextResourceToken++;
    host.openResourceTokens.insert(t);
    if (token) {
        *token = t;
    }
    if (host.hooks.check(fault::kForeignResources)) {
        if (!host.foreignInstance) {
            host.foreignInstance = platform::newEmptyModule();
        }
        return host.foreignInstance;
    }
    return moduleHandle;
}

zx::Result ZX_CALL endResources(zx::HostCallback* self, HINSTANCE, intptr_t token) {
    HostImpl& host = *ModuleAccess::host(moduleOf(self));
    ++host.hooks.records.endResources;
    if (!host.openResourceTokens.erase(token)) {
        ++host.hooks.records.unpairedEndResources;
    }
    return zx::kOk;
}

// --- HostAllocator

void* ZX_CALL allocate(zx::HostAllocator* self, uint32_t bytes) {
    HostImpl& host = *objectOf<HostObject>(self)->host;
    if (host.hooks.check(fault::kAlloc)) {
        return nullptr;
    }
    void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
    if (block) {
        host.allocatedBlocks.insert(block);
    }
    return block;
}

// Only blocks this allocator handed out are freed; anything else fails.
zx::Result ZX_CALL release(zx::HostAllocator* self, void* block) {
    HostImpl& host = *objectOf<HostObject>(self)->host;
    if (!block) {
        return zx::kOk;
    }
    if (!host.allocatedBlocks.erase(block)) {
        return zx::kNotSupported;
    }
    std::free(block);
    return zx::kOk;
}

} // namespace

// The module's HostCallback answers QueryInterface for every service.
zx::Result callbackQuery(HostObject* self, const zx::Guid* iid, void** out) {
    HostImpl& host = *self->host;
    const char* name = nullptr;
    HostObject* service = host.service(*iid, &name);
    if (!service) {
        return zx::kNoSuchInterface;
    }
    if (const zx::Result fault = host.hooks.check(std::string("query:") + name)) {
        return fault;
    }
    handOut(service);
    *out = service;
    return zx::kOk;
}

const zx::InstanceOps kInstanceOps = {&instanceQuery, &instanceAddRef, &instanceRelease};

const zx::HostCallbackOps kCallbackOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::HostCallback),
    &createInstance,
    nullptr,
    &beginResources,
    &endResources,
};

const zx::HostAllocatorOps kAllocatorOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::HostAllocator),
    &allocate,
    &release,
};

int32_t Module::createInstance(const zx::Guid& clsid, const zx::Guid& iid, void** out) {
    if (!out) {
        return zx::kNotSupported;
    }
    *out = nullptr;
    int32_t size = 0;
    zx::InstanceConstructor constructor = nullptr;
    zx::InstanceDestructor destructor = nullptr;
    const zx::Result form = exports_.getClassForm(&clsid, &size, &constructor, &destructor);
    if (form != zx::kOk) {
        return form;
    }
    if (size < static_cast<int32_t>(sizeof(zx::InstanceHeader))) {
        return zx::kNoSuchClass;
    }
    void* instance = std::calloc(static_cast<size_t>(size), 1);
    if (!instance) {
        return zx::kOutOfMemory;
    }
    auto* record = new InstanceRecord{this, clsid, 1, destructor};
    auto* header = static_cast<zx::InstanceHeader*>(instance);
    header->words[zx::kHeaderOps] = const_cast<zx::InstanceOps*>(&kInstanceOps);
    header->words[kHeaderRecord] = record;
    header->words[zx::kHeaderCallback] = callback();
    header->words[zx::kHeaderAllocator] = allocator();
    ++liveInstances_;
    ++host_->hooks.records.instancesCreated;
    host_->instances.insert(instance);
    if (constructor) {
        const zx::Result built = constructor(instance);
        if (built != zx::kOk) {
            // The destructor releases whatever the constructor obtained (the record was
            // zeroed, so unset fields are null).
            destroyInstance(instance);
            return built;
        }
    }
    const zx::Result got = exports_.getInterface(instance, &clsid, &iid, out);
    if (got != zx::kOk) {
        *out = nullptr;
    }
    // Drops the host's creation reference: the interface now holds the instance, or the
    // instance goes when no interface was made.
    instanceRelease(instance);
    return got;
}

int32_t Host::instanceReferences(void* instance) const {
    return impl_->instances.count(instance) ? recordOf(instance)->refs : -1;
}

zx::HostCallback* Module::callback() {
    return reinterpret_cast<zx::HostCallback*>(callback_);
}
zx::HostAllocator* Module::allocator() {
    return reinterpret_cast<zx::HostAllocator*>(&host_->services.allocator);
}

int32_t Module::canUnloadNow() {
    const int32_t result = exports_.canUnloadNow ? exports_.canUnloadNow() : zx::kOk;
    host_->hooks.record(host_->hooks.records.canUnloadNow, result);
    return result;
}

bool ClassDescription::has(const zx::Guid& iid) const {
    for (const auto& i : interfaces) {
        if (zx::sameGuid(i, iid)) {
            return true;
        }
    }
    return false;
}

} // namespace zxhost
