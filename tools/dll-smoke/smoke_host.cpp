// The smoke host's objects. Instances carry a host record in header word 1 (class,
// references, destructor) so that the instance operations can find their class again.
#include "smoke_host.h"

#include <zxframe/identifiers.h>
#include <zxframe/result_codes.h>

#include <cstdlib>
#include <cstring>

namespace dllsmoke {
namespace {

constexpr int kHeaderRecord = 1;

template <class Object, class Base>
Object* objectOf(Base* self) {
    return reinterpret_cast<Object*>(self);
}

// --- allocator

void* ZX_CALL allocate(zx::HostAllocator* self, uint32_t bytes) {
    SmokeAllocator* a = objectOf<SmokeAllocator>(self);
    if (a->refusing) {
        return nullptr;
    }
    void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
    a->liveBlocks += block != nullptr ? 1 : 0;
    return block;
}

zx::Result ZX_CALL freeBlock(zx::HostAllocator* self, void* block) {
    if (block != nullptr) {
        --objectOf<SmokeAllocator>(self)->liveBlocks;
        std::free(block);
    }
    return zx::kOk;
}

// Host objects are owned by the smoke host: their reference counts are not tracked.
template <class Self>
zx::Result ZX_CALL noInterface(Self*, const zx::Guid*, void** out) {
    if (out != nullptr) {
        *out = nullptr;
    }
    return zx::kNoSuchInterface;
}
template <class Self>
int32_t ZX_CALL fixedCount(Self*) {
    return 1;
}

const zx::HostAllocatorOps kAllocatorOps = {
    noInterface<zx::HostAllocator>,
    fixedCount<zx::HostAllocator>,
    fixedCount<zx::HostAllocator>,
    allocate,
    freeBlock,
};

// --- callback: no services, no nested instances, the module's own resources

zx::Result ZX_CALL callbackQuery(zx::HostCallback* self, const zx::Guid*, void** out) {
    ++objectOf<SmokeCallback>(self)->queries;
    if (out != nullptr) {
        *out = nullptr;
    }
    return zx::kNoSuchInterface;
}

zx::Result ZX_CALL refuseInstance(zx::HostCallback*, const zx::Guid*, const zx::Guid*, void** out) {
    if (out != nullptr) {
        *out = nullptr;
    }
    return zx::kNoSuchClass;
}

HINSTANCE ZX_CALL beginResources(zx::HostCallback*, HINSTANCE module, intptr_t* token) {
    if (token != nullptr) {
        *token = 1;
    }
    return module;
}

zx::Result ZX_CALL endResources(zx::HostCallback*, HINSTANCE, intptr_t) {
    return zx::kOk;
}

const zx::HostCallbackOps kCallbackOps = {
    callbackQuery,
    fixedCount<zx::HostCallback>,
    fixedCount<zx::HostCallback>,
    refuseInstance,
    nullptr,
    beginResources,
    endResources,
};

// --- registry

zx::Result ZX_CALL addEntry(zx::RegistryCache* self, void* dictionary, const zx::Guid* clsid,
                            const zx::Guid* iid, zx::RegistryDict** out) {
    SmokeRegistry* r = objectOf<SmokeCache>(self)->owner;
    ++r->addEntries;
    r->dictionary = dictionary;
    r->clsid = clsid != nullptr ? *clsid : zx::Guid{};
    r->iid = iid != nullptr ? *iid : zx::Guid{};
    if (out == nullptr) {
        return zx::kNotSupported;
    }
    *out = &r->dict.base;
    return zx::kOk;
}

zx::Result ZX_CALL put(zx::RegistryDict* self, int32_t type, const void* value, int32_t length,
                       const char* key) {
    PutRecord record;
    record.type = type;
    record.key = key != nullptr ? key : "";
    record.length = length;
    if (type == 9 && value != nullptr) {
        record.text = static_cast<const char*>(value);
    } else if (value != nullptr) {
        std::memcpy(&record.number, value, sizeof record.number);
    }
    objectOf<SmokeDict>(self)->owner->puts.push_back(record);
    return zx::kOk;
}

template <class Self, class Object>
int32_t ZX_CALL registryAddRef(Self* self) {
    return ++objectOf<Object>(self)->owner->references;
}
template <class Self, class Object>
int32_t ZX_CALL registryRelease(Self* self) {
    return --objectOf<Object>(self)->owner->references;
}

const zx::RegistryCacheOps kCacheOps = {
    noInterface<zx::RegistryCache>,
    registryAddRef<zx::RegistryCache, SmokeCache>,
    registryRelease<zx::RegistryCache, SmokeCache>,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    addEntry,
};
const zx::RegistryDictOps kDictOps = {
    noInterface<zx::RegistryDict>,
    registryAddRef<zx::RegistryDict, SmokeDict>,
    registryRelease<zx::RegistryDict, SmokeDict>,
    nullptr,
    nullptr,
    nullptr,
    put,
};

// --- instances

struct InstanceRecord {
    SmokeHost* host;
    zx::Guid clsid;
    int32_t refs;
    zx::InstanceDestructor destructor;
    void* block;
};

InstanceRecord* recordOf(void* instance) {
    return static_cast<InstanceRecord*>(
        static_cast<zx::InstanceHeader*>(instance)->words[kHeaderRecord]);
}

zx::Result ZX_CALL instanceQuery(void* instance, const zx::Guid* iid, void** out) {
    InstanceRecord* r = recordOf(instance);
    return r->host->exports().getInterface(instance, &r->clsid, iid, out);
}

int32_t ZX_CALL instanceAddRef(void* instance) {
    return ++recordOf(instance)->refs;
}

int32_t ZX_CALL instanceRelease(void* instance) {
    InstanceRecord* r = recordOf(instance);
    const int32_t refs = --r->refs;
    if (refs == 0) {
        if (r->destructor != nullptr) {
            r->destructor(instance);
        }
        r->host->instanceDestroyed();
        std::free(r->block);
        delete r;
    }
    return refs;
}

const zx::InstanceOps kInstanceOps = {instanceQuery, instanceAddRef, instanceRelease};

} // namespace

SmokeAllocator::SmokeAllocator() : base{&kAllocatorOps} {}
SmokeCallback::SmokeCallback() : base{&kCallbackOps} {}
SmokeRegistry::SmokeRegistry() : cache{{&kCacheOps}, this}, dict{{&kDictOps}, this} {}

zx::Result SmokeHost::createInstance(const zx::Guid& clsid, const zx::Guid& iid, void** out,
                                     zx::Result* constructed) {
    *out = nullptr;
    int32_t size = 0;
    zx::InstanceConstructor construct = nullptr;
    zx::InstanceDestructor destruct = nullptr;
    const zx::Result form = exports_.getClassForm(&clsid, &size, &construct, &destruct);
    if (form != zx::kOk) {
        return form;
    }
    if (size < static_cast<int32_t>(sizeof(zx::InstanceHeader)) || construct == nullptr) {
        return zx::kNotSupported;
    }
    void* block = std::calloc(static_cast<size_t>(size), 1);
    if (block == nullptr) {
        return zx::kOutOfMemory;
    }
    auto* header = static_cast<zx::InstanceHeader*>(block);
    header->words[zx::kHeaderOps] = const_cast<zx::InstanceOps*>(&kInstanceOps);
    header->words[kHeaderRecord] = new InstanceRecord{this, clsid, 1, destruct, block};
    header->words[zx::kHeaderCallback] = &callback_.base;
    header->words[zx::kHeaderAllocator] = &allocator_.base;
    ++liveInstances_;
    *constructed = construct(block);
    const zx::Result got = exports_.getInterface(block, &clsid, &iid, out);
    instanceRelease(block); // the host's own reference
    return got;
}

} // namespace dllsmoke
