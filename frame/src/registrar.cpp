// The registrar class: its only operation records the kind's cast-member type with the
// host under the registration keys.
#include "frame_internal.h"

#include "zxframe/identifiers.h"

namespace zx {
namespace {

Result ZX_CALL registerKind(RegistrarInterface*, RegistryCache* cache, void* dictionary) {
    const Kind& kind = thisKind();
    RegistryDict* dict = nullptr;
    Result result =
        cache->ops->addEntry(cache, dictionary, &kind.assetClass, &kAssetInterfaceId, &dict);
    if (result != kOk) {
        return result;
    }
    // The dictionary belongs to the host: it is not released here.
    static const int32_t kActorType = 1;
    static const int32_t kAssetCaps = 18;
    static const int32_t kMyData = 0;
    struct Entry {
        int32_t type;
        const void* value;
        int32_t length;
        const char* key;
    };
    const Entry entries[] = {
        {9, kind.symbol, 0, "symbolString"},        {9, kind.displayName, 0, "displayNameString"},
        {9, "Zentrix", 0, "displayCategoryString"}, {3, &kActorType, 0, "actorType"},
        {8, &kAssetCaps, 4, "assetCaps"},           {8, &kMyData, 4, "myData"},
    };
    const size_t count = kind.putsMyData ? 6 : 5;
    for (size_t i = 0; i < count; ++i) {
        const Entry& e = entries[i];
        result = dict->ops->put(dict, e.type, e.value, e.length, e.key);
        if (result != kOk) {
            return result;
        }
    }
    return kOk;
}

const RegistrarOps kRegistrarOps = {
    typedQueryInterface<RegistrarInterface>,
    typedAddRef<RegistrarInterface>,
    typedRelease<RegistrarInterface>,
    registerKind,
};

} // namespace

Result createRegistrarInterface(void* instance, void** out) {
    return createInterface(instance, &kRegistrarOps, out);
}

Result ZX_CALL registrarConstruct(void*) {
    return kOk;
}
Result ZX_CALL registrarDestruct(void*) {
    return kOk;
}

} // namespace zx
