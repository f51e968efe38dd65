// The five exports through which the host learns the module's classes, creates instances,
// obtains interfaces and decides when the module may be unloaded.
// The Windows headers declare two of these names with COM types; leave those headers out.
#if defined(_WIN32) && !defined(WIN32_LEAN_AND_MEAN)
#define WIN32_LEAN_AND_MEAN
#endif

#include "class_table.h"
#include "zxframe/identifiers.h"

namespace zx {
namespace {

// Counts entries while the cursor is empty, writes them once it is set.
struct InfoWriter : ClassVisitor {
    uint32_t count = 0;
    ClassInfoEntry* cursor = nullptr;

    void write(const Guid& clsid, uint32_t version, const Guid& iid) {
        ++count;
        if (cursor != nullptr) {
            *cursor++ = ClassInfoEntry{clsid, version, iid, 1};
        }
    }
    Result visitClass(const ClassVisit& v) override {
        write(v.clsid, v.version, kClassEntryId);
        return kOk;
    }
    Result visitInterface(const InterfaceVisit& v) override {
        write(v.clsid, v.version, v.iid);
        return kOk;
    }
};

struct FormFinder : ClassVisitor {
    int32_t* size;
    InstanceConstructor* constructor;
    InstanceDestructor* destructor;
    bool found = false;

    FormFinder(int32_t* s, InstanceConstructor* c, InstanceDestructor* d)
        : size(s), constructor(c), destructor(d) {}
    Result visitClass(const ClassVisit& v) override {
        *size = static_cast<int32_t>(v.size);
        *constructor = v.constructor;
        *destructor = v.destructor;
        found = true;
        return 1;
    }
};

struct InterfaceFinder : ClassVisitor {
    const Guid& iid;
    InterfaceCreate create = nullptr;

    explicit InterfaceFinder(const Guid& i) : iid(i) {}
    Result visitInterface(const InterfaceVisit& v) override {
        if (!sameGuid(v.iid, iid)) {
            return kOk;
        }
        create = v.create;
        return 1;
    }
};

} // namespace
} // namespace zx

using namespace zx;

ZX_EXPORT Result ZX_CALL DllGetClassInfo(HostAllocator* allocator, ClassInfoEntry** table) {
    InfoWriter writer;
    walkClassTable(nullptr, writer);
    const uint32_t bytes = (writer.count + 1) * static_cast<uint32_t>(sizeof(ClassInfoEntry));
    auto* entries = static_cast<ClassInfoEntry*>(allocator->ops->alloc(allocator, bytes));
    *table = entries;
    if (entries == nullptr) {
        return kOutOfMemory;
    }
    writer.cursor = entries;
    walkClassTable(nullptr, writer);
    *writer.cursor = ClassInfoEntry{}; // the terminator
    return kOk;
}

ZX_EXPORT Result ZX_CALL DllGetClassForm(const Guid* clsid, int32_t* size,
                                         InstanceConstructor* constructor,
                                         InstanceDestructor* destructor) {
    FormFinder finder(size, constructor, destructor);
    walkClassTable(clsid, finder);
    return finder.found ? kOk : kNoSuchClass;
}

ZX_EXPORT Result ZX_CALL DllGetInterface(void* instance, const Guid* clsid, const Guid* iid,
                                         void** out) {
    InterfaceFinder finder(*iid);
    walkClassTable(clsid, finder);
    if (finder.create == nullptr) {
        return kNoSuchInterface;
    }
    return finder.create(instance, out);
}

ZX_EXPORT Result ZX_CALL DllGetClassObject(void*, void*, void*) {
    return kNoSuchClass;
}

ZX_EXPORT Result ZX_CALL DllCanUnloadNow() {
    return liveObjectCount() != 0 ? kObjectsAlive : kOk;
}
