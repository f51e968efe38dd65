// The ClassTable: the module's three classes (registrar, asset, actor) with their
// interfaces, in the order the host is told about them, and its walk.
#pragma once

#include "frame_internal.h"

namespace zx {

using InterfaceCreate = Result (*)(void* instance, void** out);

struct ClassVisit {
    const Guid& clsid;
    uint32_t version;
    uint32_t size;
    InstanceConstructor constructor;
    InstanceDestructor destructor;
};
struct InterfaceVisit {
    const Guid& clsid;
    uint32_t version;
    const Guid& iid;
    uint32_t one;
    InterfaceCreate create;
};

struct ClassVisitor {
    virtual ~ClassVisitor() = default;
    virtual Result visitClass(const ClassVisit&) { return kOk; }
    virtual Result visitInterface(const InterfaceVisit&) { return kOk; }
};

// Visits each class whose identifier equals the filter (every class without one), then
// each of its interfaces; a non-zero visitor result ends the walk and is returned.
Result walkClassTable(const Guid* filter, ClassVisitor& visitor);

} // namespace zx
