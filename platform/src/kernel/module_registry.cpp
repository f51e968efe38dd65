// Module resources: each module registers the resources embedded in it at build time and gets
// a module handle; the resource calls find them by that handle, a type and an integer id.
#include "module_registry.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include <winbase.h>
#include <winuser.h>
#include <zxw32/kernel_ext.h>

namespace zxw32::kernel {
namespace {

struct Resource {
    int type;
    int id;
    const unsigned char* data;
    size_t size;
    HMODULE module;
};

struct Module {
    std::string name;
    std::vector<uintptr_t> resources; // HRSRC values, in registration order
};

// Handles are drawn from counters and never reused, so a handle that outlives its module is
// recognised as stale instead of finding the next module's resources.
struct Registry {
    std::mutex mutex;
    uintptr_t nextModule = 0x10000000;
    uintptr_t nextResource = 0x20000000;
    std::map<uintptr_t, Module> modules;
    std::unordered_map<uintptr_t, Resource> resources;
    // LoadResource hands out the data address itself (as Windows does); LockResource only
    // accepts addresses that belong to a live resource.
    std::unordered_map<const void*, size_t> loadable;
    HMODULE process = nullptr;
};

// Never destroyed: modules unregister from their own static destructors, which may run
// after this library's.
Registry& registry() {
    static Registry* r = new Registry;
    return *r;
}

const Resource* findLocked(Registry& r, HMODULE module, int type, int id) {
    auto m = r.modules.find(reinterpret_cast<uintptr_t>(module));
    if (m == r.modules.end()) {
        return nullptr;
    }
    for (uintptr_t h : m->second.resources) {
        const Resource& res = r.resources.at(h);
        if (res.type == type && res.id == id) {
            return &res;
        }
    }
    return nullptr;
}

uintptr_t findHandleLocked(Registry& r, HMODULE module, int type, int id) {
    auto m = r.modules.find(reinterpret_cast<uintptr_t>(module));
    if (m == r.modules.end()) {
        return 0;
    }
    for (uintptr_t h : m->second.resources) {
        const Resource& res = r.resources.at(h);
        if (res.type == type && res.id == id) {
            return h;
        }
    }
    return 0;
}

} // namespace

std::optional<int> resourceId(const char* name) {
    if (name == nullptr) {
        return std::nullopt;
    }
    if (IS_INTRESOURCE(name)) {
        return static_cast<int>(reinterpret_cast<uintptr_t>(name));
    }
    if (name[0] != '#' || name[1] < '0' || name[1] > '9') {
        return std::nullopt;
    }
    long value = 0;
    for (const char* p = name + 1; *p; ++p) {
        if (*p < '0' || *p > '9') {
            return std::nullopt;
        }
        value = value * 10 + (*p - '0');
        if (value > 0xFFFF) {
            return std::nullopt;
        }
    }
    return static_cast<int>(value);
}

std::optional<ResourceBytes> findResourceBytes(HMODULE module, const char* name, const char* type) {
    auto id = resourceId(name);
    auto typeId = resourceId(type);
    if (!id || !typeId) {
        return std::nullopt;
    }
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const Resource* res = findLocked(r, module, *typeId, *id);
    if (res == nullptr) {
        return std::nullopt;
    }
    return ResourceBytes{res->data, res->size};
}

} // namespace zxw32::kernel

using namespace zxw32::kernel;

namespace zxw32 {

HMODULE registerModule(const char* name, const ResourceEntry* entries, size_t count) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    uintptr_t handle = r.nextModule;
    r.nextModule += 0x10000;
    Module& m = r.modules[handle];
    m.name = name ? name : "";
    for (size_t i = 0; entries != nullptr && i < count; ++i) {
        uintptr_t h = r.nextResource;
        r.nextResource += 0x10;
        const ResourceEntry& e = entries[i];
        r.resources[h] = Resource{e.type, e.id, e.data, e.size, reinterpret_cast<HMODULE>(handle)};
        m.resources.push_back(h);
        if (e.data != nullptr) {
            ++r.loadable[e.data];
        }
    }
    return reinterpret_cast<HMODULE>(handle);
}

bool unregisterModule(HMODULE module) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto m = r.modules.find(reinterpret_cast<uintptr_t>(module));
    if (m == r.modules.end()) {
        return false;
    }
    for (uintptr_t h : m->second.resources) {
        auto res = r.resources.find(h);
        if (res->second.data != nullptr) {
            auto l = r.loadable.find(res->second.data);
            if (--l->second == 0) {
                r.loadable.erase(l);
            }
        }
        r.resources.erase(res);
    }
    r.modules.erase(m);
    if (module == r.process) {
        r.process = nullptr;
    }
    return true;
}

const char* moduleName(HMODULE module) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto m = r.modules.find(reinterpret_cast<uintptr_t>(module));
    return m == r.modules.end() ? nullptr : m->second.name.c_str();
}

} // namespace zxw32

extern "C" {

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    auto id = resourceId(name);
    auto typeId = resourceId(type);
    if (!id || !typeId) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    uintptr_t h = findHandleLocked(r, module, *typeId, *id);
    if (h == 0) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return reinterpret_cast<HRSRC>(h);
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto res = r.resources.find(reinterpret_cast<uintptr_t>(resource));
    if (res == r.resources.end() || (module != nullptr && res->second.module != module)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return const_cast<unsigned char*>(res->second.data);
}

LPVOID WINAPI LockResource(HGLOBAL resource) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (resource == nullptr || r.loadable.count(resource) == 0) {
        return nullptr;
    }
    return resource;
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto res = r.resources.find(reinterpret_cast<uintptr_t>(resource));
    if (res == r.resources.end() || (module != nullptr && res->second.module != module)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return static_cast<DWORD>(res->second.size);
}

// Resources live in their module for as long as it is registered: nothing to release, and
// Win32 reports FALSE as it does for every module resource.
BOOL WINAPI FreeResource(HGLOBAL) {
    return FALSE;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
    Registry& r = registry();
    std::unique_lock lock(r.mutex);
    if (name != nullptr) {
        for (auto& [handle, m] : r.modules) {
            if (m.name == name) {
                return reinterpret_cast<HMODULE>(handle);
            }
        }
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (r.process == nullptr) {
        // The program itself: a module without resources, registered on first use.
        lock.unlock();
        HMODULE process = zxw32::registerModule("", nullptr, 0);
        lock.lock();
        if (r.process == nullptr) {
            r.process = process;
        } else {
            lock.unlock();
            zxw32::unregisterModule(process);
            lock.lock();
        }
    }
    return r.process;
}

} // extern "C"
