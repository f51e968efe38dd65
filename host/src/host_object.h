// The common shape of every object the host hands to plug-ins: the operation table first,
// then the host's bookkeeping. Slots 0-2 (QueryInterface, AddRef, Release) are shared by
// every object through the thunks below; a plug-in's AddRef and Release are counted in the
// reference balance that tests read.
#pragma once

#include <cstdint>

#include "zxframe/abi.h"
#include "zxframe/result_codes.h"

namespace zxhost {

class HostImpl;
struct HostObject;

using QueryFn = zx::Result (*)(HostObject* self, const zx::Guid* iid, void** out);
using DestroyFn = void (*)(HostObject* self);

struct HostObject {
    const void* ops = nullptr;
    HostImpl* host = nullptr;
    const char* name = "";
    int32_t refs = 1;            // the host's own reference included
    QueryFn query = nullptr;     // null: no interfaces beyond itself
    DestroyFn destroy = nullptr; // called when the last reference goes
};

// Slot 0-2 behaviour, shared by all host objects.
zx::Result objectQuery(HostObject* self, const zx::Guid* iid, void** out);
int32_t objectAddRef(HostObject* self);
int32_t objectRelease(HostObject* self);
// A reference handed out (QueryInterface, movie 17 ...): the receiver releases it.
void handOut(HostObject* self);
// Drops the host's own reference, outside the balance.
void hostRelease(HostObject* self);

template <typename Self>
zx::Result ZX_CALL queryThunk(Self* self, const zx::Guid* iid, void** out) {
    return objectQuery(reinterpret_cast<HostObject*>(self), iid, out);
}
template <typename Self>
int32_t ZX_CALL addRefThunk(Self* self) {
    return objectAddRef(reinterpret_cast<HostObject*>(self));
}
template <typename Self>
int32_t ZX_CALL releaseThunk(Self* self) {
    return objectRelease(reinterpret_cast<HostObject*>(self));
}

#define ZXHOST_UNKNOWN_THUNKS(Self)                                                                \
    &::zxhost::queryThunk<Self>, &::zxhost::addRefThunk<Self>, &::zxhost::releaseThunk<Self>

template <typename Object, typename Self>
Object* objectOf(Self* self) {
    return reinterpret_cast<Object*>(self);
}

} // namespace zxhost
