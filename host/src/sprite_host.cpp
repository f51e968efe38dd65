// The objects a sprite sees: its SpriteHost (redraw requests; QueryInterface gives the
// SpriteServices), the SpriteServices (its own reference, movie handler calls) and the
// redraw service passed to Idle.
#include <algorithm>

#include "host_impl.h"
#include "zxframe/identifiers.h"

namespace zxhost {
namespace {

zx::Result ZX_CALL spriteHostRedraw(zx::SpriteHost* self) {
    auto* object = objectOf<SpriteHostObject>(self);
    HostImpl& host = *object->base.host;
    host.notePendingRedraw(object->spriteId);
    host.hooks.record(host.hooks.records.spriteHostRedraws, object->spriteId);
    return zx::kOk;
}

zx::Result spriteHostQuery(HostObject* self, const zx::Guid* iid, void** out) {
    auto* object = reinterpret_cast<SpriteHostObject*>(self);
    HostImpl& host = *self->host;
    if (!zx::sameGuid(*iid, zx::kSpriteServicesId)) {
        return zx::kNoSuchInterface;
    }
    if (const zx::Result fault = host.hooks.check(fault::kQuerySpriteServices)) {
        return fault;
    }
    handOut(&object->services->base);
    *out = object->services;
    return zx::kOk;
}

zx::Result ZX_CALL spriteReference(zx::SpriteServices* self, zx::HostValue* out) {
    auto* object = objectOf<SpriteServicesObject>(self);
    if (const zx::Result fault = object->base.host->hooks.check(fault::kSpriteReference)) {
        return fault;
    }
    if (!out) {
        return zx::kNotSupported;
    }
    *out = zx::HostValue{kSprite, object->spriteId};
    return zx::kOk;
}

// Calls a movie handler by name. argv holds the handler's arguments only. A handler that
// returns a value writes it to the result (the caller owns it); without a handler the call
// succeeds and the result is left as it was.
zx::Result ZX_CALL callHandler(zx::SpriteServices* self, zx::Symbol handler, int32_t argc,
                               const zx::HostValue* argv, zx::HostValue* result) {
    auto* object = objectOf<SpriteServicesObject>(self);
    HostImpl& host = *object->base.host;
    constexpr int32_t kMaxArgs = 64;
    std::vector<Value> args;
    for (int32_t i = 0; argv && i < std::min(argc, kMaxArgs); ++i) {
        args.push_back(host.owner.fromHostValue(argv[i]));
    }
    const std::string name = host.symbols.name(handler);
    host.hooks.record(host.hooks.records.handlerCalls,
                      HandlerCall{name, argc, args, object->spriteId});
    const std::optional<Value> value =
        host.callHandler(name, host.spriteById(object->spriteId), args);
    if (value && !value->isVoid() && result) {
        *result = host.owner.toHostValue(*value);
    }
    return zx::kOk;
}

zx::Result ZX_CALL redrawRequest(zx::RedrawService* self, intptr_t value) {
    auto* object = objectOf<RedrawServiceObject>(self);
    ++object->requests;
    HostImpl& host = *object->base.host;
    host.notePendingRedraw(object->spriteId);
    host.hooks.record(host.hooks.records.redrawRequests, RedrawRequest{object->spriteId, value});
    if (host.hooks.duringRedrawRequest) {
        try {
            host.hooks.duringRedrawRequest(object->spriteId);
        } catch (...) {
            // Never across the plug-in, as with handlers.
            if (!host.pendingError) {
                host.pendingError = std::current_exception();
            }
        }
    }
    return zx::kOk;
}

void destroySpriteServices(HostObject* self) {
    delete reinterpret_cast<SpriteServicesObject*>(self);
}

void destroySpriteHost(HostObject* self) {
    auto* object = reinterpret_cast<SpriteHostObject*>(self);
    hostRelease(&object->services->base);
    delete object;
}

} // namespace

const zx::SpriteHostOps kSpriteHostOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::SpriteHost),
    &spriteHostRedraw,
};
const zx::SpriteServicesOps kSpriteServicesOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::SpriteServices),
    nullptr,
    &spriteReference,
    &callHandler,
};
const zx::RedrawServiceOps kRedrawOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::RedrawService),
    &redrawRequest,
};

SpriteHostObject* newSpriteHost(HostImpl* host, int32_t spriteId) {
    auto* services = new SpriteServicesObject;
    services->base = HostObject{&kSpriteServicesOps,   host, object::kSpriteServices, 1, nullptr,
                                &destroySpriteServices};
    services->spriteId = spriteId;
    auto* object = new SpriteHostObject;
    object->base = HostObject{&kSpriteHostOps,   host, object::kSpriteHost, 1, &spriteHostQuery,
                              &destroySpriteHost};
    object->spriteId = spriteId;
    object->services = services;
    return object;
}

} // namespace zxhost
