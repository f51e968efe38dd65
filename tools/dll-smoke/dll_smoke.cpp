// dll-smoke: loads each deliverable given on the command line the way a host on Windows
// does (LoadLibraryA, the five exports by name) and checks what it tells the host: the
// class table, the class forms, the interfaces of each class, the registration keys, and
// that the module may be unloaded once everything is released. One line per check;
// exit status 1 when any check fails.
//   dll-smoke.exe formulon32.dll tallydisc32.dll ...
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <zxframe/identifiers.h>
#include <zxframe/result_codes.h>

#include <cstdio>
#include <string>
#include <vector>

#include "expected_classes.h"
#include "smoke_host.h"

using namespace dllsmoke;

namespace {

std::string guidText(const zx::Guid& g) {
    char text[48];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  unsigned(g.data1), g.data2, g.data3, g.data4[0], g.data4[1], g.data4[2],
                  g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
    return text;
}

std::string code(zx::Result r) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(r));
    return text;
}

// GetProcAddress answers a generic function pointer; the untyped void(void) step keeps
// the compiler from warning about the conversion to the export's real type.
template <class Function>
Function procAs(FARPROC proc) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}

bool isZero(const zx::Guid& g) {
    return zx::sameGuid(g, zx::Guid{});
}

class Checks {
public:
    explicit Checks(std::string module) : module_(std::move(module)) {}
    bool check(bool passed, const std::string& what, const std::string& detail = {}) {
        std::printf("%s: %s %s%s%s\n", module_.c_str(), passed ? "ok  " : "FAIL", what.c_str(),
                    detail.empty() ? "" : ": ", detail.c_str());
        failures_ += passed ? 0 : 1;
        return passed;
    }
    void note(const std::string& text) {
        std::printf("%s: note %s\n", module_.c_str(), text.c_str());
    }
    int failures() const { return failures_; }

private:
    std::string module_;
    int failures_ = 0;
};

// The class table as the host reads it: per class its identifier, version and interfaces.
struct ClassRow {
    zx::Guid clsid;
    uint32_t version;
    std::vector<zx::Guid> interfaces;
};

void checkClassTable(Checks& c, SmokeHost& host, const ExpectedClasses* expected,
                     std::vector<ClassRow>& rows) {
    SmokeAllocator& allocator = host.allocator();
    allocator.refusing = true;
    zx::ClassInfoEntry* table = reinterpret_cast<zx::ClassInfoEntry*>(1);
    const zx::Result refused = host.exports().getClassInfo(&allocator.base, &table);
    allocator.refusing = false;
    c.check(refused == zx::kOutOfMemory && table == nullptr,
            "DllGetClassInfo with a refusing allocator answers out of memory and a null table",
            code(refused));

    table = nullptr;
    const zx::Result info = host.exports().getClassInfo(&allocator.base, &table);
    if (!c.check(info == zx::kOk && table != nullptr, "DllGetClassInfo", code(info))) {
        return;
    }
    size_t count = 0;
    bool ones = true, ordered = true;
    for (; count < 64 && !(isZero(table[count].clsid) && isZero(table[count].iid)); ++count) {
        const zx::ClassInfoEntry& e = table[count];
        ones = ones && e.one == 1;
        if (zx::sameGuid(e.iid, zx::kClassEntryId)) {
            rows.push_back({e.clsid, e.version, {}});
        } else if (!rows.empty() && zx::sameGuid(rows.back().clsid, e.clsid) &&
                   rows.back().version == e.version) {
            rows.back().interfaces.push_back(e.iid);
        } else {
            ordered = false;
        }
    }
    allocator.base.ops->free(&allocator.base, table);
    const size_t wanted = expected == nullptr ? count : expected->assetAux ? 7 : 6;
    c.check(count == wanted && count < 64, "class table length",
            std::to_string(count) + " entries and a terminator");
    c.check(ordered, "each interface entry follows its class entry");
    c.check(ones, "the last word of every entry is 1");
    c.check(allocator.liveBlocks == 0, "the table is one block of the host's allocator");

    const bool shape = rows.size() == 3 && rows[0].interfaces.size() == 1 &&
                       rows[2].interfaces.size() == 1 && !rows[1].interfaces.empty() &&
                       zx::sameGuid(rows[0].interfaces[0], zx::kRegistrarInterfaceId) &&
                       zx::sameGuid(rows[1].interfaces.back(), zx::kAssetInterfaceId) &&
                       zx::sameGuid(rows[2].interfaces[0], zx::kSpriteActorInterfaceId);
    if (!c.check(shape, "classes in order registrar, asset, sprite actor with their interfaces")) {
        rows.clear();
        return;
    }
    const bool aux = rows[1].interfaces.size() == 2 &&
                     zx::sameGuid(rows[1].interfaces[0], zx::kAssetAuxInterfaceId);
    if (expected == nullptr) {
        c.note("unknown module: identifiers and registration strings not compared");
        return;
    }
    c.check(aux == expected->assetAux, expected->assetAux
                                           ? "asset class offers the auxiliary interface first"
                                           : "asset class has no auxiliary interface");
    const zx::Guid* ids[] = {&expected->registrar, &expected->asset, &expected->actor};
    const char* names[] = {"registrar", "asset", "sprite actor"};
    for (int i = 0; i < 3; ++i) {
        c.check(zx::sameGuid(rows[size_t(i)].clsid, *ids[i]), std::string(names[i]) + " class id",
                guidText(rows[size_t(i)].clsid));
        c.check(rows[size_t(i)].version == expected->version,
                std::string(names[i]) + " class version", std::to_string(rows[size_t(i)].version));
    }
}

void checkClassForms(Checks& c, SmokeHost& host, const std::vector<ClassRow>& rows) {
    const char* names[] = {"registrar", "asset", "sprite actor"};
    for (size_t i = 0; i < rows.size(); ++i) {
        int32_t size = 0;
        zx::InstanceConstructor construct = nullptr;
        zx::InstanceDestructor destruct = nullptr;
        const zx::Result r =
            host.exports().getClassForm(&rows[i].clsid, &size, &construct, &destruct);
        c.check(r == zx::kOk && size >= int32_t(sizeof(zx::InstanceHeader)) &&
                    construct != nullptr && destruct != nullptr,
                std::string("DllGetClassForm of the ") + names[i] + " class",
                code(r) + ", " + std::to_string(size) + " bytes");
    }
    int32_t size = 0;
    zx::InstanceConstructor construct = nullptr;
    zx::InstanceDestructor destruct = nullptr;
    const zx::Result r =
        host.exports().getClassForm(&zx::kAssetAuxInterfaceId, &size, &construct, &destruct);
    c.check(r == zx::kNoSuchClass, "DllGetClassForm of an interface id answers no such class",
            code(r));
    const zx::Result object = host.exports().getClassObject(nullptr, nullptr, nullptr);
    c.check(object == zx::kNoSuchClass, "DllGetClassObject answers no such class", code(object));
    if (rows.size() == 3) {
        void* out = nullptr;
        const zx::Result wrong =
            host.exports().getInterface(nullptr, &rows[1].clsid, &zx::kRegistrarInterfaceId, &out);
        c.check(wrong == zx::kNoSuchInterface,
                "DllGetInterface of an interface the class lacks answers no such interface",
                code(wrong));
    }
}

// Runs Register through the registrar and compares the keys it puts.
void checkRegistration(Checks& c, SmokeHost& host, const ClassRow& registrar,
                       const ExpectedClasses* expected) {
    void* object = nullptr;
    zx::Result constructed = zx::kOk;
    const zx::Result made =
        host.createInstance(registrar.clsid, zx::kRegistrarInterfaceId, &object, &constructed);
    if (!c.check(made == zx::kOk && object != nullptr && constructed == zx::kOk,
                 "registrar instance and RegistrarInterface",
                 code(made) + "/" + code(constructed))) {
        return;
    }
    auto* r = static_cast<zx::RegistrarInterface*>(object);
    const zx::Result alive = host.exports().canUnloadNow();
    c.check(alive == zx::kObjectsAlive, "DllCanUnloadNow while an interface is held", code(alive));
    void* again = nullptr;
    const zx::Result queried = r->ops->queryInterface(r, &zx::kRegistrarInterfaceId, &again);
    c.check(queried == zx::kOk && again != nullptr,
            "QueryInterface through the interface reaches the instance", code(queried));
    if (again != nullptr) {
        static_cast<zx::RegistrarInterface*>(again)->ops->release(
            static_cast<zx::RegistrarInterface*>(again));
    }

    SmokeRegistry registry;
    int dictionaryHandle = 0;
    const zx::Result registered = r->ops->registerKind(r, &registry.cache.base, &dictionaryHandle);
    c.check(registered == zx::kOk, "Register", code(registered));
    c.check(registry.addEntries == 1 && registry.dictionary == &dictionaryHandle &&
                zx::sameGuid(registry.iid, zx::kAssetInterfaceId),
            "Register adds one entry for the asset interface in the host's dictionary");
    c.check(registry.references == 1, "Register leaves the registry's references as it found them",
            std::to_string(registry.references - 1));
    if (expected != nullptr) {
        c.check(zx::sameGuid(registry.clsid, expected->asset), "the entry names the asset class",
                guidText(registry.clsid));
        struct Key {
            const char* key;
            int32_t type;
            std::string text;
            int32_t number;
            int32_t length;
        };
        std::vector<Key> keys = {{"symbolString", 9, expected->symbol, 0, 0},
                                 {"displayNameString", 9, expected->displayName, 0, 0},
                                 {"displayCategoryString", 9, "Zentrix", 0, 0},
                                 {"actorType", 3, "", 1, 0},
                                 {"assetCaps", 8, "", 18, 4}};
        if (expected->putsMyData) {
            keys.push_back({"myData", 8, "", 0, 4});
        }
        c.check(registry.puts.size() == keys.size(), "number of registration keys",
                std::to_string(registry.puts.size()));
        for (size_t i = 0; i < keys.size() && i < registry.puts.size(); ++i) {
            const PutRecord& p = registry.puts[i];
            const Key& k = keys[i];
            const bool same = p.key == k.key && p.type == k.type && p.length == k.length &&
                              (k.type == 9 ? p.text == k.text : p.number == k.number);
            c.check(same, std::string("registration key ") + k.key,
                    p.key + " type " + std::to_string(p.type) + " = " +
                        (p.type == 9 ? "\"" + p.text + "\"" : std::to_string(p.number)) +
                        " length " + std::to_string(p.length));
        }
    }
    r->ops->release(r);
    const zx::Result unload = host.exports().canUnloadNow();
    c.check(unload == zx::kOk && host.liveInstances() == 0,
            "releasing the registrar frees it and lets the module unload", code(unload));
}

// Creates an instance of the class, takes each of its interfaces, releases them again.
void checkInstance(Checks& c, SmokeHost& host, const ClassRow& row, const char* name) {
    void* first = nullptr;
    zx::Result constructed = zx::kOk;
    const zx::Result made =
        host.createInstance(row.clsid, row.interfaces.front(), &first, &constructed);
    if (!c.check(made == zx::kOk && first != nullptr, std::string(name) + " instance",
                 code(made))) {
        return;
    }
    if (constructed != zx::kOk) {
        c.note(std::string(name) + " constructor without host services answered " +
               code(constructed));
    }
    auto* object = static_cast<zx::Unknown*>(first);
    std::vector<zx::Unknown*> held{object};
    for (size_t i = 1; i < row.interfaces.size(); ++i) {
        void* other = nullptr;
        const zx::Result q = object->ops->queryInterface(object, &row.interfaces[i], &other);
        c.check(q == zx::kOk && other != nullptr,
                std::string(name) + " interface " + guidText(row.interfaces[i]), code(q));
        if (other != nullptr) {
            held.push_back(static_cast<zx::Unknown*>(other));
        }
    }
    const int32_t after = object->ops->addRef(object);
    const int32_t back = object->ops->release(object);
    c.check(after == 2 && back == 1, std::string(name) + " AddRef and Release count symmetrically");
    c.check(host.exports().canUnloadNow() == zx::kObjectsAlive,
            std::string(name) + ": DllCanUnloadNow refuses while interfaces are held");
    for (zx::Unknown* u : held) {
        u->ops->release(u);
    }
    c.check(host.liveInstances() == 0 && host.exports().canUnloadNow() == zx::kOk,
            std::string(name) + ": releasing every interface frees the instance");
}

int smoke(const char* path) {
    Checks c(path);
    HMODULE module = LoadLibraryA(path);
    if (!c.check(module != nullptr, "LoadLibraryA", std::to_string(GetLastError()))) {
        return 1;
    }
    Exports e;
    const char* names[] = {"DllGetClassInfo", "DllGetClassForm", "DllGetInterface",
                           "DllGetClassObject", "DllCanUnloadNow"};
    FARPROC procs[5];
    bool all = true;
    for (int i = 0; i < 5; ++i) {
        procs[i] = GetProcAddress(module, names[i]);
        all = c.check(procs[i] != nullptr, std::string("export ") + names[i]) && all;
    }
    if (!all) {
        FreeLibrary(module);
        return 1;
    }
    e.getClassInfo = procAs<zx::DllGetClassInfoFn>(procs[0]);
    e.getClassForm = procAs<zx::DllGetClassFormFn>(procs[1]);
    e.getInterface = procAs<zx::DllGetInterfaceFn>(procs[2]);
    e.getClassObject = procAs<zx::DllGetClassObjectFn>(procs[3]);
    e.canUnloadNow = procAs<zx::DllCanUnloadNowFn>(procs[4]);

    const ExpectedClasses* expected = expectedFor(path);
    SmokeHost host(e);
    c.check(e.canUnloadNow() == zx::kOk, "DllCanUnloadNow right after loading");
    std::vector<ClassRow> rows;
    checkClassTable(c, host, expected, rows);
    checkClassForms(c, host, rows);
    if (rows.size() == 3) {
        checkRegistration(c, host, rows[0], expected);
        checkInstance(c, host, rows[1], "asset");
        checkInstance(c, host, rows[2], "sprite actor");
    }
    c.check(host.allocator().liveBlocks == 0, "every block of the host's allocator is freed",
            std::to_string(host.allocator().liveBlocks) + " left");
    const zx::Result unload = e.canUnloadNow();
    c.check(unload == zx::kOk, "DllCanUnloadNow after releasing everything", code(unload));
    c.check(FreeLibrary(module) != 0, "FreeLibrary");
    return c.failures() != 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: dll-smoke MODULE.dll...\n");
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        status |= smoke(argv[i]);
    }
    return status;
}
