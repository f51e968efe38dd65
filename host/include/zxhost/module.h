// A loaded plug-in module: its five exports, its classes and the kind it registered.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "zxframe/kind_description.h"
#include "zxframe/plugin_interfaces.h"

namespace zxhost {

// One RegistryDict Put as the registrar made it.
struct RegistryEntry {
    std::string key;
    int32_t type = 0;   // 9 text, 3 integer, 8 flags
    std::string text;   // type 9
    int32_t number = 0; // types 3 and 8
    int32_t length = 0;
};

// The cast-member kind a module registered.
struct KindInfo {
    std::string symbol;      // "symbolString": the kind name scripts use
    std::string displayName; // "displayNameString"
    std::string category;    // "displayCategoryString"
    int32_t actorType = 0;
    int32_t assetCaps = 0;
    std::string modulePath;
    std::vector<RegistryEntry> entries; // every key, in the order of the Put calls
};

// The exports as resolved from the module.
struct ModuleExports {
    zx::DllGetClassInfoFn getClassInfo = nullptr;
    zx::DllGetClassFormFn getClassForm = nullptr;
    zx::DllGetInterfaceFn getInterface = nullptr;
    zx::DllGetClassObjectFn getClassObject = nullptr;
    zx::DllCanUnloadNowFn canUnloadNow = nullptr;
};

// One class of the module with its interfaces, from the ClassInfo table.
struct ClassDescription {
    zx::Guid clsid{};
    uint32_t version = 0;
    std::vector<zx::Guid> interfaces;
    bool has(const zx::Guid& iid) const;
};

class HostImpl;
class Host;

class Module {
public:
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;
    ~Module();

    const std::string& path() const { return path_; }
    const KindInfo& kind() const { return kind_; }
    const ModuleExports& exports() const { return exports_; }
    const std::vector<ClassDescription>& classes() const { return classes_; }
    const zx::Guid& registrarClass() const { return registrarClass_; }
    const zx::Guid& assetClass() const { return assetClass_; }
    const zx::Guid& actorClass() const { return actorClass_; }
    // The kind's properties and commands as the module itself describes them; null for a
    // module that gives no description (every Windows module).
    const ZxKindDescription* description() const { return description_; }

    // The module's HostCallback and the host's allocator, as the instances see them.
    zx::HostCallback* callback();
    zx::HostAllocator* allocator();

    // Creates an instance of one of the module's classes as HostCallback 3 does:
    // DllGetClassForm, allocate, header words 0, 2, 3, constructor, DllGetInterface.
    int32_t createInstance(const zx::Guid& clsid, const zx::Guid& iid, void** out);
    // DllCanUnloadNow, recorded.
    int32_t canUnloadNow();
    // Instances of this module alive (created and not yet destroyed).
    int32_t liveInstances() const { return liveInstances_; }

private:
    friend class HostImpl;
    friend class Host;
    friend struct ModuleAccess;
    Module() = default;

    HostImpl* host_ = nullptr;
    std::string path_;
    void* library_ = nullptr;
    ModuleExports exports_;
    std::vector<ClassDescription> classes_;
    zx::Guid registrarClass_{}, assetClass_{}, actorClass_{};
    KindInfo kind_;
    const ZxKindDescription* description_ = nullptr;
    int32_t liveInstances_ = 0;
    struct CallbackObject* callback_ = nullptr;
};

} // namespace zxhost
