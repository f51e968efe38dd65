// The asset class (one per cast member): construction with the kind's defaults, the
// 29-slot AssetInterface table and the operations that need nothing of the kind's tables.
#include <cstring>

#include "frame_internal.h"

#include "zxframe/identifiers.h"
#include "zxplugin/host_ref.h"

namespace zx {
namespace {

AssetRecord& recordOf(AssetInterface* self) {
    return *assetOf(self);
}

Result ZX_CALL setMemberHost(AssetInterface* self, MemberHost* host) {
    if (!thisKind().asset.keepsMemberHost) {
        return kOk;
    }
    AssetRecord& asset = recordOf(self);
    // A second call replaces the object kept before instead of leaking it.
    MemberHost* previous = asset.memberHost;
    asset.memberHost = retain(host);
    releaseKept(previous);
    return kOk;
}

Result ZX_CALL twoArguments(AssetInterface*, intptr_t, intptr_t) {
    return kOk;
}
Result ZX_CALL noOperation(AssetInterface*) {
    return kOk;
}
Result ZX_CALL writesZero(AssetInterface*, int32_t* out) {
    if (out != nullptr) {
        *out = 0;
    }
    return kOk;
}
Result ZX_CALL notSupported(AssetInterface*) {
    return kNotSupported;
}
Result ZX_CALL oneArgument(AssetInterface*, intptr_t) {
    return kOk;
}

Result ZX_CALL getDefaultRect(AssetInterface* self, HostRect* out) {
    const AssetKind& kind = thisKind().asset;
    if (kind.getDefaultRect != nullptr) {
        kind.getDefaultRect(recordOf(self), out);
    } else {
        *out = kind.defaultRect;
    }
    return kOk;
}

Result ZX_CALL newSpriteActor(AssetInterface* self, SpriteActorInterface** out) {
    AssetRecord& asset = recordOf(self);
    HostCallback* callback = hostCallback(asset.header);
    SpriteActorInterface* actor = nullptr;
    const Result result =
        callback->ops->createInstance(callback, &thisKind().actorClass, &kSpriteActorInterfaceId,
                                      reinterpret_cast<void**>(&actor));
    if (result != kOk) {
        return result;
    }
    actor->ops->linkAsset(actor, kLinkMember, self);
    *out = actor;
    return kOk;
}

Result ZX_CALL getChangeState(AssetInterface* self, int32_t kind, int32_t* state) {
    // Nothing is written unless the dialog was closed with OK: callers pre-set the word.
    if (recordOf(self).dialogState == kDialogClosedOk && kind == 1) {
        *state = kDialogClosedOk;
    }
    return kOk;
}

const AssetOps kAssetOps = {
    typedQueryInterface<AssetInterface>,
    typedAddRef<AssetInterface>,
    typedRelease<AssetInterface>,
    assetGetProp,              // 3
    assetSetProp,              // 4
    assetCallFunction,         // 5
    setMemberHost,             // 6
    twoArguments,              // 7
    getDefaultRect,            // 8
    noOperation,               // 9
    noOperation,               // 10
    noOperation,               // 11
    noOperation,               // 12
    writesZero,                // 13
    writesZero,                // 14
    assetSaveProps,            // 15
    assetLoadProps,            // 16
    noOperation,               // 17
    writesZero,                // 18
    assetGetSavedSize,         // 19
    newSpriteActor,            // 20
    noOperation,               // 21
    assetShowPropertiesDialog, // 22
    getChangeState,            // 23
    oneArgument,               // 24
    assetDrawThumbnail,        // 25
    notSupported,              // 26
    notSupported,              // 27
    notSupported,              // 28
};

Result ZX_CALL auxSlot3(AssetAuxInterface*, intptr_t) {
    return kOk;
}

const AssetAuxOps kAssetAuxOps = {
    typedQueryInterface<AssetAuxInterface>,
    typedAddRef<AssetAuxInterface>,
    typedRelease<AssetAuxInterface>,
    auxSlot3,
};

} // namespace

Result createAssetInterface(void* instance, void** out) {
    return createInterface(instance, &kAssetOps, out);
}

Result createAssetAuxInterface(void* instance, void** out) {
    return createInterface(instance, &kAssetAuxOps, out);
}

Result ZX_CALL assetConstruct(void* instance) {
    auto& asset = *static_cast<AssetRecord*>(instance);
    const AssetKind& kind = thisKind().asset;
    // Everything after the header starts zeroed and with the kind's defaults, even when the
    // host refuses HostUtilities: the instance lives on after a failed constructor.
    std::memset(reinterpret_cast<char*>(&asset) + sizeof(InstanceHeader), 0,
                assetInstanceSize() - sizeof(InstanceHeader));
    if (kind.setDefaults != nullptr) {
        kind.setDefaults(propertyBlock(asset));
    }
    if ((kind.changes & changes::kAfterConstruction) != 0) {
        asset.changedFlag = 1;
    }
    HostRef<HostUtilities> utilities;
    const Result result = queryService(hostCallback(asset.header), kHostUtilitiesId, utilities);
    asset.utilities = utilities.release();
    lookUpPropertySymbols(asset.utilities, assetSymbols(asset));
    if (result == kOk && kind.construct != nullptr) {
        return kind.construct(asset);
    }
    return result;
}

Result ZX_CALL assetDestruct(void* instance) {
    auto& asset = *static_cast<AssetRecord*>(instance);
    if (thisKind().asset.destruct != nullptr) {
        thisKind().asset.destruct(asset);
    }
    releaseKept(asset.memberHost);
    releaseKept(asset.utilities);
    return kOk;
}

} // namespace zx
