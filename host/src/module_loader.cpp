// Loading plug-in modules: the system's loader, the five exports, the class table, and registration
// through the RegistryCache and RegistryDict that record the registrar's keys.
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "host_impl.h"
#include "zxframe/identifiers.h"

namespace zxhost {

zx::Result callbackQuery(HostObject* self, const zx::Guid* iid, void** out);

namespace {

constexpr size_t kMaxClassEntries = 64;

Module& moduleOf(void* self) {
    return *reinterpret_cast<RegistryObject*>(self)->module;
}

zx::Result ZX_CALL addEntry(zx::RegistryCache* self, void*, const zx::Guid*, const zx::Guid*,
                            zx::RegistryDict** out) {
    Module& module = moduleOf(self);
    HostImpl& host = *ModuleAccess::host(module);
    if (out) {
        *out = nullptr;
    }
    if (const zx::Result fault = host.hooks.check(fault::kAddEntry)) {
        return fault;
    }
    if (!out) {
        return zx::kNotSupported;
    }
    // The dictionary object lives in the registry object's neighbour (see setup).
    *out = reinterpret_cast<zx::RegistryDict*>(reinterpret_cast<RegistryObject*>(self) + 1);
    return zx::kOk;
}

int32_t readInt(const void* value) {
    int32_t v = 0;
    if (value) {
        std::memcpy(&v, value, sizeof v);
    }
    return v;
}

// Records every key; the known ones fill the kind's description.
zx::Result ZX_CALL put(zx::RegistryDict* self, int32_t type, const void* value, int32_t length,
                       const char* key) {
    Module& module = moduleOf(self);
    HostImpl& host = *ModuleAccess::host(module);
    PutCall call;
    call.type = type;
    call.key = key ? key : "";
    call.length = length;
    if (type == 9 && value) {
        call.text = length > 0
                        ? std::string(static_cast<const char*>(value), static_cast<size_t>(length))
                        : std::string(static_cast<const char*>(value));
    } else {
        call.number = readInt(value);
    }
    call.result = host.hooks.check(fault::kPut);
    host.hooks.record(host.hooks.records.puts, call);
    if (call.result != zx::kOk) {
        return call.result;
    }
    KindInfo& kind = ModuleAccess::kind(module);
    kind.entries.push_back(RegistryEntry{call.key, type, call.text, call.number, length});
    if (call.key == "symbolString") {
        kind.symbol = call.text;
    } else if (call.key == "displayNameString") {
        kind.displayName = call.text;
    } else if (call.key == "displayCategoryString") {
        kind.category = call.text;
    } else if (call.key == "actorType") {
        kind.actorType = call.number;
    } else if (call.key == "assetCaps") {
        kind.assetCaps = call.number;
    }
    return zx::kOk;
}

std::string guidText(const zx::Guid& g) {
    char text[48];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.data1,
                  g.data2, g.data3, g.data4[0], g.data4[1], g.data4[2], g.data4[3], g.data4[4],
                  g.data4[5], g.data4[6], g.data4[7]);
    return text;
}

bool isZero(const zx::Guid& g) {
    static const zx::Guid zero{};
    return zx::sameGuid(g, zero);
}

} // namespace

const zx::RegistryCacheOps kRegistryCacheOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::RegistryCache), nullptr, nullptr, nullptr, nullptr, &addEntry,
};
const zx::RegistryDictOps kRegistryDictOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::RegistryDict), nullptr, nullptr, nullptr, &put,
};

Module::~Module() = default;

void HostImpl::setupModuleObjects(Module& module) {
    auto* callback = new CallbackObject;
    callback->base =
        HostObject{&kCallbackOps, this, object::kHostCallback, 1, &callbackQuery, nullptr};
    callback->module = &module;
    module.callback_ = callback;
}

void HostImpl::releaseModuleObjects(Module& module) {
    delete module.callback_;
    module.callback_ = nullptr;
}

Module& HostImpl::loadModule(const std::string& path) {
    std::error_code ec;
    const std::string canonical = std::filesystem::weakly_canonical(path, ec).string();
    for (auto& m : modules) {
        if (m->path_ == path || m->path_ == canonical) {
            return *m;
        }
    }
    if (!std::filesystem::exists(path, ec)) {
        throw Error(path + ": cannot load module: no such file");
    }

    std::string why;
    void* library = platform::openLibrary(path, &why);
    if (!library) {
        throw Error(path + ": cannot load module: " + why);
    }
    std::unique_ptr<Module> module(new Module());
    module->host_ = this;
    module->path_ = canonical.empty() ? path : canonical;
    module->library_ = library;
    auto fail = [&](const std::string& cause) -> Error {
        if (module->callback_) {
            releaseModuleObjects(*module);
        }
        platform::closeLibrary(library);
        return Error(path + ": " + cause);
    };

    ModuleExports& e = module->exports_;
    const char* names[] = {"DllGetClassInfo", "DllGetClassForm", "DllGetInterface",
                           "DllGetClassObject", "DllCanUnloadNow"};
    void* symbols[5];
    for (int i = 0; i < 5; ++i) {
        symbols[i] = platform::librarySymbol(library, names[i]);
        if (!symbols[i]) {
            throw fail(std::string("not a plug-in module: missing export ") + names[i]);
        }
    }
    e.getClassInfo = reinterpret_cast<zx::DllGetClassInfoFn>(symbols[0]);
    e.getClassForm = reinterpret_cast<zx::DllGetClassFormFn>(symbols[1]);
    e.getInterface = reinterpret_cast<zx::DllGetInterfaceFn>(symbols[2]);
    e.getClassObject = reinterpret_cast<zx::DllGetClassObjectFn>(symbols[3]);
    e.canUnloadNow = reinterpret_cast<zx::DllCanUnloadNowFn>(symbols[4]);
    // The description is optional: modules without it load as before.
    if (void* describe = platform::librarySymbol(library, kDescribeKindExport)) {
        module->description_ = reinterpret_cast<ZxDescribeKindFn>(describe)();
    }
    setupModuleObjects(*module);

    // The class table: a class entry (interface id {00000001-...}) followed by its
    // interface entries, up to an all-zero terminator.
    zx::ClassInfoEntry* table = nullptr;
    auto* allocator = module->allocator();
    const zx::Result info = e.getClassInfo(allocator, &table);
    if (info != zx::kOk || !table) {
        throw fail("DllGetClassInfo failed: " + hexCode(info));
    }
    std::string tableError;
    for (size_t i = 0;; ++i) {
        if (i == kMaxClassEntries) {
            tableError = "class table has no terminator";
            break;
        }
        const zx::ClassInfoEntry& entry = table[i];
        if (isZero(entry.clsid) && isZero(entry.iid)) {
            break;
        }
        if (zx::sameGuid(entry.iid, zx::kClassEntryId)) {
            module->classes_.push_back(ClassDescription{entry.clsid, entry.version, {}});
        } else if (!module->classes_.empty() &&
                   zx::sameGuid(module->classes_.back().clsid, entry.clsid)) {
            module->classes_.back().interfaces.push_back(entry.iid);
        } else {
            tableError = "class table entry " + std::to_string(i) + " names interface " +
                         guidText(entry.iid) + " before its class";
            break;
        }
    }
    allocator->ops->free(allocator, table);
    if (!tableError.empty()) {
        throw fail(tableError);
    }

    bool haveRegistrar = false, haveAsset = false, haveActor = false;
    for (const auto& c : module->classes_) {
        if (c.has(zx::kRegistrarInterfaceId) && !haveRegistrar) {
            module->registrarClass_ = c.clsid;
            haveRegistrar = true;
        }
        if (c.has(zx::kAssetInterfaceId) && !haveAsset) {
            module->assetClass_ = c.clsid;
            haveAsset = true;
        }
        if (c.has(zx::kSpriteActorInterfaceId) && !haveActor) {
            module->actorClass_ = c.clsid;
            haveActor = true;
        }
    }
    if (!haveRegistrar || !haveAsset || !haveActor) {
        throw fail(std::string("class table lacks the ") +
                   (!haveRegistrar ? "registrar"
                    : !haveAsset   ? "asset"
                                   : "sprite actor") +
                   " class");
    }

    // Registration: a cache and its dictionary, side by side, owned by the host.
    RegistryObject registry[2];
    registry[0].base = HostObject{&kRegistryCacheOps, this, "RegistryCache", 1, nullptr, nullptr};
    registry[0].module = module.get();
    registry[1].base = HostObject{&kRegistryDictOps, this, "RegistryDict", 1, nullptr, nullptr};
    registry[1].module = module.get();
    void* registrar = nullptr;
    zx::Result made =
        module->createInstance(module->registrarClass_, zx::kRegistrarInterfaceId, &registrar);
    if (made != zx::kOk || !registrar) {
        throw fail("cannot create the registrar: " + hexCode(made));
    }
    auto* r = static_cast<zx::RegistrarInterface*>(registrar);
    const zx::Result registered =
        r->ops->registerKind(r, reinterpret_cast<zx::RegistryCache*>(&registry[0]), module.get());
    r->ops->release(r);
    if (registered != zx::kOk) {
        throw fail("Register failed: " + hexCode(registered));
    }
    if (module->kind_.symbol.empty()) {
        throw fail("Register gave no symbolString");
    }
    module->kind_.modulePath = module->path_;
    for (auto& m : modules) {
        if (m->kind_.symbol == module->kind_.symbol) {
            throw fail("kind '" + module->kind_.symbol + "' is already registered by " + m->path_);
        }
    }
    modules.push_back(std::move(module));
    return *modules.back();
}

bool HostImpl::unloadModule(Module& module) {
    for (Member* m : roster.members()) {
        if (m->module() == &module) {
            return false;
        }
    }
    if (callDepth > 0 || module.liveInstances_ != 0 || module.canUnloadNow() != zx::kOk) {
        return false;
    }
    auto found =
        std::find_if(modules.begin(), modules.end(), [&](auto& m) { return m.get() == &module; });
    if (found == modules.end()) {
        return false;
    }
    void* library = module.library_;
    releaseModuleObjects(module);
    modules.erase(found);
    platform::closeLibrary(library);
    return true;
}

void HostImpl::scanPlugins() {
    pluginsScanned = true;
    for (const auto& dir : pluginDirs) {
        std::error_code ec;
        if (dir.empty() || !std::filesystem::is_directory(dir, ec)) {
            continue;
        }
        std::vector<std::string> paths;
        for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
            const std::string name = entry.path().filename().string();
            if (platform::isModuleFileName(name) && entry.is_regular_file(ec)) {
                paths.push_back(entry.path().string());
            }
        }
        std::sort(paths.begin(), paths.end());
        for (const auto& path : paths) {
            try {
                loadModule(path);
            } catch (const Error& error) {
                if (std::find(loadErrors.begin(), loadErrors.end(), error.what()) ==
                    loadErrors.end()) {
                    loadErrors.push_back(error.what());
                }
            }
        }
    }
}

Module* HostImpl::moduleByKind(const std::string& kind) {
    for (auto& m : modules) {
        if (m->kind().symbol == kind) {
            return m.get();
        }
    }
    // Not loaded (yet, or no longer): look through the plug-in folders again.
    scanPlugins();
    for (auto& m : modules) {
        if (m->kind().symbol == kind) {
            return m.get();
        }
    }
    return nullptr;
}

} // namespace zxhost
