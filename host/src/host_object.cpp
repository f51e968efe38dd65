#include "host_object.h"

#include "host_impl.h"

namespace zxhost {

zx::Result objectQuery(HostObject* self, const zx::Guid* iid, void** out) {
    if (!out) {
        return zx::kNoSuchInterface;
    }
    *out = nullptr;
    if (!self || !iid || !self->query) {
        return zx::kNoSuchInterface;
    }
    return self->query(self, iid, out);
}

int32_t objectAddRef(HostObject* self) {
    if (!self) {
        return 0;
    }
    ++self->host->hooks.liveReferences[self->name];
    return ++self->refs;
}

int32_t objectRelease(HostObject* self) {
    if (!self) {
        return 0;
    }
    --self->host->hooks.liveReferences[self->name];
    // A plug-in releasing more than it took shows in the balance; the host's own
    // reference keeps the object alive.
    if (self->refs <= 1 && !self->destroy) {
        return self->refs;
    }
    const int32_t refs = --self->refs;
    if (refs == 0 && self->destroy) {
        self->destroy(self);
    }
    return refs;
}

void handOut(HostObject* self) {
    ++self->host->hooks.liveReferences[self->name];
    ++self->refs;
}

void hostRelease(HostObject* self) {
    const int32_t refs = --self->refs;
    if (refs == 0 && self->destroy) {
        self->destroy(self);
    }
}

} // namespace zxhost
