// List services: the count of a list value and its items, each a fresh value that the
// caller releases.
#include "host_impl.h"

namespace zxhost {
namespace {

HostImpl& hostOf(zx::ListServices* self) {
    return *objectOf<HostObject>(self)->host;
}

zx::Result ZX_CALL count(zx::ListServices* self, const zx::HostValue* list, int32_t* n) {
    HostImpl& host = hostOf(self);
    if (const zx::Result fault = host.hooks.check(fault::kListCount)) {
        return fault;
    }
    if (!list || !n) {
        return zx::kNotSupported;
    }
    const Value v = host.values.read(*list);
    const auto* items = v.get<List>();
    if (!items) {
        return zx::kNotSupported;
    }
    *n = static_cast<int32_t>(items->size());
    return zx::kOk;
}

zx::Result ZX_CALL item(zx::ListServices* self, const zx::HostValue* list, int32_t position,
                        zx::HostValue* out) {
    HostImpl& host = hostOf(self);
    if (const zx::Result fault = host.hooks.check(fault::kListItem)) {
        return fault;
    }
    if (!list || !out) {
        return zx::kNotSupported;
    }
    const Value v = host.values.read(*list);
    const auto* items = v.get<List>();
    if (!items || position < 1 || static_cast<size_t>(position) > items->size()) {
        return zx::kNotSupported;
    }
    *out = host.owner.toHostValue((*items)[static_cast<size_t>(position - 1)]);
    return zx::kOk;
}

} // namespace

const zx::ListServicesOps kListServicesOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::ListServices), nullptr, nullptr, &count, &item,
};

} // namespace zxhost
