// The three classes of every deliverable, built from the kind's identifiers and sizes.
#include "class_table.h"

#include "zxframe/identifiers.h"

namespace zx {
namespace {

struct InterfaceRow {
    const Guid* iid;
    InterfaceCreate create;
};

struct ClassRow {
    const Guid* clsid;
    uint32_t (*size)();
    InstanceConstructor constructor;
    InstanceDestructor destructor;
    InterfaceRow interfaces[2];
    int interfaceCount;
};

uint32_t registrarSize() {
    return sizeof(InstanceHeader);
}

} // namespace

Result walkClassTable(const Guid* filter, ClassVisitor& visitor) {
    const Kind& kind = thisKind();
    const ClassRow rows[] = {
        {&kind.registrarClass,
         registrarSize,
         registrarConstruct,
         registrarDestruct,
         {{&kRegistrarInterfaceId, createRegistrarInterface}},
         1},
        {&kind.assetClass,
         assetInstanceSize,
         assetConstruct,
         assetDestruct,
         {{&kAssetAuxInterfaceId, createAssetAuxInterface},
          {&kAssetInterfaceId, createAssetInterface}},
         2},
        {&kind.actorClass,
         actorInstanceSize,
         actorConstruct,
         actorDestruct,
         {{&kSpriteActorInterfaceId, createActorInterface}},
         1},
    };
    for (const ClassRow& row : rows) {
        if (filter != nullptr && !sameGuid(*filter, *row.clsid)) {
            continue;
        }
        Result result = visitor.visitClass(
            {*row.clsid, kind.version, row.size(), row.constructor, row.destructor});
        if (result != kOk) {
            return result;
        }
        for (int i = 0; i < row.interfaceCount; ++i) {
            const InterfaceRow& entry = row.interfaces[i];
            // The auxiliary asset interface exists only in some kinds.
            if (entry.iid == &kAssetAuxInterfaceId && !kind.hasAssetAux) {
                continue;
            }
            result =
                visitor.visitInterface({*row.clsid, kind.version, *entry.iid, 1, entry.create});
            if (result != kOk) {
                return result;
            }
        }
    }
    return kOk;
}

} // namespace zx
