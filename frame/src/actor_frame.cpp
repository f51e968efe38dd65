// The sprite actor class: the 13-slot SpriteActorInterface table, the link to its asset,
// the sprite host of event-handling kinds, Idle, and the entries of Draw and HandleEvent
// that hand over to the kind.
#include <cstring>

#include "frame_internal.h"

#include "zxframe/identifiers.h"
#include "zxplugin/host_ref.h"

namespace zx {
namespace {

ActorRecord& recordOf(SpriteActorInterface* self) {
    return *static_cast<ActorRecord*>(reinterpret_cast<InterfaceObject*>(self)->owner);
}

Result ZX_CALL noProperty(SpriteActorInterface*, Symbol, HostValue*) {
    return kUnknownProperty;
}
Result ZX_CALL setProp(SpriteActorInterface* self, Symbol property, const HostValue* value) {
    if (thisKind().actor.setProp == nullptr) {
        return kUnknownProperty;
    }
    return thisKind().actor.setProp(recordOf(self), property, value);
}
Result ZX_CALL noCommand(SpriteActorInterface*, intptr_t, intptr_t, intptr_t, intptr_t) {
    return kUnknownCommand;
}

Result ZX_CALL setSpriteHost(SpriteActorInterface* self, SpriteHost* host) {
    if (!thisKind().actor.keepsSpriteHost) {
        return kOk;
    }
    ActorRecord& actor = recordOf(self);
    releaseKept(actor.spriteServices);
    releaseKept(actor.spriteHost);
    actor.spriteHost = retain(host);
    if (host != nullptr) {
        // SpriteServices may be absent: the kind checks it before every use.
        void* services = nullptr;
        if (host->ops->queryInterface(host, &kSpriteServicesId, &services) == kOk) {
            actor.spriteServices = static_cast<SpriteServices*>(services);
        }
    }
    return kOk;
}

Result ZX_CALL linkAsset(SpriteActorInterface* self, int32_t kind, AssetInterface* asset) {
    ActorRecord& actor = recordOf(self);
    if (kind == kLinkMember) {
        AssetInterface* previous = actor.asset;
        actor.asset = retain(asset);
        releaseKept(previous);
        return kOk;
    }
    if (thisKind().actor.linkNotice != nullptr) {
        return thisKind().actor.linkNotice(actor, kind, asset);
    }
    return kOk;
}

Result ZX_CALL getSpriteCaps(SpriteActorInterface*, int32_t* caps) {
    caps[0] = thisKind().actor.caps;
    caps[1] = 0;
    caps[2] = 0;
    caps[3] = 1;
    return kOk;
}

Result ZX_CALL idle(SpriteActorInterface* self, intptr_t value, RedrawService* redraw) {
    AssetRecord* asset = linkedAsset(recordOf(self));
    if (asset != nullptr && asset->changedFlag != 0) {
        if (redraw != nullptr) {
            redraw->ops->requestRedraw(redraw, value);
        }
        asset->changedFlag = 0;
    }
    return kOk;
}

Result ZX_CALL slot10(SpriteActorInterface*, intptr_t, intptr_t, intptr_t, int32_t* out) {
    if (out != nullptr) {
        *out = 1;
    }
    return kOk;
}

Result ZX_CALL draw(SpriteActorInterface* self, const DrawRecord* record, intptr_t,
                    DrawContext* context) {
    ActorRecord& actor = recordOf(self);
    const ActorKind& kind = thisKind().actor;
    const NativeInfo info = nativeInfoOf(context);
    Result result = kOk;
    if (isDrawableContext(info.kind) && info.dc != nullptr && kind.draw != nullptr &&
        linkedAsset(actor) != nullptr) {
        result = kind.draw(actor, *record, info.dc, context);
    }
    if ((thisKind().asset.changes & changes::kClearedByDraw) != 0) {
        if (AssetRecord* asset = linkedAsset(actor)) {
            asset->changedFlag = 0;
        }
    }
    return result;
}

Result ZX_CALL handleEvent(SpriteActorInterface* self, const EventRecord* event, intptr_t,
                           int32_t* handled) {
    const ActorKind& kind = thisKind().actor;
    if (kind.handleEvent == nullptr) {
        if (handled != nullptr) {
            *handled = 0;
        }
        return kOk;
    }
    int32_t ignored = 0;
    return kind.handleEvent(recordOf(self), *event, handled != nullptr ? handled : &ignored);
}

const SpriteActorOps kActorOps = {
    typedQueryInterface<SpriteActorInterface>,
    typedAddRef<SpriteActorInterface>,
    typedRelease<SpriteActorInterface>,
    noProperty,    // 3
    setProp,       // 4
    noCommand,     // 5
    setSpriteHost, // 6
    linkAsset,     // 7
    getSpriteCaps, // 8
    idle,          // 9
    slot10,        // 10
    draw,          // 11
    handleEvent,   // 12
};

} // namespace

Result createActorInterface(void* instance, void** out) {
    return createInterface(instance, &kActorOps, out);
}

Result ZX_CALL actorConstruct(void* instance) {
    auto& actor = *static_cast<ActorRecord*>(instance);
    std::memset(reinterpret_cast<char*>(&actor) + sizeof(InstanceHeader), 0,
                actorInstanceSize() - sizeof(InstanceHeader));
    HostRef<HostUtilities> utilities;
    // Without HostUtilities the actor still lives; every later use checks it.
    if (queryService(hostCallback(actor.header), kHostUtilitiesId, utilities) == kOk) {
        actor.utilities = utilities.release();
        lookUpPropertySymbols(actor.utilities, actorSymbols(actor));
    }
    const ActorKind& kind = thisKind().actor;
    if (kind.state.create != nullptr) {
        kind.state.create(actorState(actor));
    }
    if (kind.construct != nullptr) {
        return kind.construct(actor);
    }
    return kOk;
}

Result ZX_CALL actorDestruct(void* instance) {
    auto& actor = *static_cast<ActorRecord*>(instance);
    const ActorKind& kind = thisKind().actor;
    if (kind.destruct != nullptr) {
        kind.destruct(actor);
    }
    if (kind.state.destroy != nullptr) {
        kind.state.destroy(actorState(actor));
    }
    releaseKept(actor.asset);
    releaseKept(actor.spriteServices);
    releaseKept(actor.spriteHost);
    releaseKept(actor.utilities);
    return kOk;
}

} // namespace zx
