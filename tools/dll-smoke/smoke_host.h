// The least a host must offer to load a deliverable through its exports: an allocator
// that counts its blocks (and can be told to refuse), a HostCallback that offers no
// services, class instances with the InstanceHeader filled, and a registry that records
// what the registrar puts.
#pragma once

#include <zxframe/plugin_interfaces.h>

#include <string>
#include <vector>

namespace dllsmoke {

struct Exports {
    zx::DllGetClassInfoFn getClassInfo = nullptr;
    zx::DllGetClassFormFn getClassForm = nullptr;
    zx::DllGetInterfaceFn getInterface = nullptr;
    zx::DllGetClassObjectFn getClassObject = nullptr;
    zx::DllCanUnloadNowFn canUnloadNow = nullptr;
};

struct SmokeAllocator {
    zx::HostAllocator base;
    int32_t liveBlocks = 0;
    bool refusing = false; // every Alloc answers null
    int32_t foreignFrees = 0;
    SmokeAllocator();
};

struct SmokeCallback {
    zx::HostCallback base;
    int32_t queries = 0; // services asked for (none is offered)
    SmokeCallback();
};

// One Put of the registrar, with the value read as its type says.
struct PutRecord {
    int32_t type = 0;
    std::string key;
    std::string text;
    int32_t number = 0;
    int32_t length = 0;
};

struct SmokeRegistry;
struct SmokeDict {
    zx::RegistryDict base;
    SmokeRegistry* owner;
};
struct SmokeCache {
    zx::RegistryCache base;
    SmokeRegistry* owner;
};
struct SmokeRegistry {
    SmokeCache cache;
    SmokeDict dict;
    int32_t addEntries = 0;
    void* dictionary = nullptr;
    zx::Guid clsid{};
    zx::Guid iid{};
    std::vector<PutRecord> puts;
    int32_t references = 1; // AddRef/Release calls on cache and dictionary, summed
    SmokeRegistry();
    SmokeRegistry(const SmokeRegistry&) = delete;
    SmokeRegistry& operator=(const SmokeRegistry&) = delete;
};

class SmokeHost {
public:
    explicit SmokeHost(const Exports& exports) : exports_(exports) {}

    // Allocates an instance of the class with the size from DllGetClassForm, fills the
    // header, runs the constructor (its result in `constructed`), asks for the interface
    // and drops the host's own reference, so that the interface alone keeps the instance.
    zx::Result createInstance(const zx::Guid& clsid, const zx::Guid& iid, void** out,
                              zx::Result* constructed);

    int32_t liveInstances() const { return liveInstances_; }
    SmokeAllocator& allocator() { return allocator_; }
    const Exports& exports() const { return exports_; }

    // Called by the instance operations.
    void instanceDestroyed() { --liveInstances_; }

private:
    Exports exports_;
    SmokeAllocator allocator_;
    SmokeCallback callback_;
    int32_t liveInstances_ = 0;
};

} // namespace dllsmoke
