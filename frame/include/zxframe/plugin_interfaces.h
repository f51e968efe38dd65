// What a plug-in module offers the host: the five exports, the class-information table,
// the instance header and the operation tables of the plug-in's interfaces.
#pragma once

#include "zxframe/host_interfaces.h"

namespace zx {

// One 40-byte entry of the table returned by DllGetClassInfo.
struct ClassInfoEntry {
    Guid clsid;
    uint32_t version;
    Guid iid; // kClassEntryId for the entry that describes the class itself
    uint32_t one;
};
static_assert(sizeof(ClassInfoEntry) == 40);

// The instance operations the host provides (InstanceHeader word 0).
struct InstanceOps {
    Result(ZX_CALL* queryInterface)(void* instance, const Guid* iid, void** out);
    int32_t(ZX_CALL* addRef)(void* instance);
    int32_t(ZX_CALL* release)(void* instance);
};

// Six words at the start of every class instance, filled by the host before the
// constructor: word 0 the InstanceOps, word 2 HostCallback, word 3 HostAllocator.
struct InstanceHeader {
    void* words[6];
};
constexpr int kHeaderOps = 0;
constexpr int kHeaderCallback = 2;
constexpr int kHeaderAllocator = 3;

using InstanceConstructor = Result(ZX_CALL*)(void* instance);
using InstanceDestructor = Result(ZX_CALL*)(void* instance);

// Export signatures.
using DllGetClassInfoFn = Result(ZX_CALL*)(HostAllocator* allocator, ClassInfoEntry** table);
using DllGetClassFormFn = Result(ZX_CALL*)(const Guid* clsid, int32_t* size,
                                           InstanceConstructor* constructor,
                                           InstanceDestructor* destructor);
using DllGetInterfaceFn = Result(ZX_CALL*)(void* instance, const Guid* clsid, const Guid* iid,
                                           void** out);
using DllGetClassObjectFn = Result(ZX_CALL*)(void* a, void* b, void* c);
using DllCanUnloadNowFn = Result(ZX_CALL*)();

struct RegistrarInterface;
struct RegistrarOps {
    ZX_UNKNOWN_SLOTS(RegistrarInterface);
    Result(ZX_CALL* registerKind)(RegistrarInterface* self, RegistryCache* cache,
                                  void* dictionary); // 3
};
struct RegistrarInterface {
    const RegistrarOps* ops;
};

struct AssetAuxInterface;
struct AssetAuxOps {
    ZX_UNKNOWN_SLOTS(AssetAuxInterface);
    Result(ZX_CALL* slot3)(AssetAuxInterface* self, intptr_t argument); // 3: returns 0
};
struct AssetAuxInterface {
    const AssetAuxOps* ops;
};

struct SpriteActorInterface;

// The cast member.
struct AssetInterface;
struct AssetOps {
    ZX_UNKNOWN_SLOTS(AssetInterface);
    Result(ZX_CALL* getProp)(AssetInterface* self, Symbol property, HostValue* out);         // 3
    Result(ZX_CALL* setProp)(AssetInterface* self, Symbol property, const HostValue* value); // 4
    // argv holds argc + 1 values; element 0 is the cast-member reference.
    Result(ZX_CALL* callFunction)(AssetInterface* self, Symbol command, int32_t argc,
                                  const HostValue* argv, HostValue* result);             // 5
    Result(ZX_CALL* setMemberHost)(AssetInterface* self, MemberHost* host);              // 6
    Result(ZX_CALL* slot7)(AssetInterface* self, intptr_t a, intptr_t b);                // 7
    Result(ZX_CALL* getDefaultRect)(AssetInterface* self, HostRect* out);                // 8
    Result(ZX_CALL* slot9)(AssetInterface* self);                                        // 9
    Result(ZX_CALL* slot10)(AssetInterface* self);                                       // 10
    Result(ZX_CALL* slot11)(AssetInterface* self);                                       // 11
    Result(ZX_CALL* slot12)(AssetInterface* self);                                       // 12
    Result(ZX_CALL* slot13)(AssetInterface* self, int32_t* out);                         // 13
    Result(ZX_CALL* slot14)(AssetInterface* self, int32_t* out);                         // 14
    Result(ZX_CALL* saveProps)(AssetInterface* self, MediaStream* stream);               // 15
    Result(ZX_CALL* loadProps)(AssetInterface* self, MediaStream* stream);               // 16
    Result(ZX_CALL* slot17)(AssetInterface* self);                                       // 17
    Result(ZX_CALL* slot18)(AssetInterface* self, int32_t* out);                         // 18
    Result(ZX_CALL* getSavedSize)(AssetInterface* self, int32_t* bytes);                 // 19
    Result(ZX_CALL* newSpriteActor)(AssetInterface* self, SpriteActorInterface** out);   // 20
    Result(ZX_CALL* slot21)(AssetInterface* self);                                       // 21
    Result(ZX_CALL* showPropertiesDialog)(AssetInterface* self);                         // 22
    Result(ZX_CALL* getChangeState)(AssetInterface* self, int32_t kind, int32_t* state); // 23
    Result(ZX_CALL* slot24)(AssetInterface* self, intptr_t argument);                    // 24
    Result(ZX_CALL* drawThumbnail)(AssetInterface* self, DrawContext* context,
                                   const HostRect* rect); // 25
    Result(ZX_CALL* slot26)(AssetInterface* self);        // 26
    Result(ZX_CALL* slot27)(AssetInterface* self);        // 27
    Result(ZX_CALL* slot28)(AssetInterface* self);        // 28
};
struct AssetInterface {
    const AssetOps* ops;
};

// One sprite on the stage.
struct SpriteActorOps {
    ZX_UNKNOWN_SLOTS(SpriteActorInterface);
    Result(ZX_CALL* getProp)(SpriteActorInterface* self, Symbol property, HostValue* out); // 3
    Result(ZX_CALL* setProp)(SpriteActorInterface* self, Symbol property,
                             const HostValue* value); // 4
    Result(ZX_CALL* slot5)(SpriteActorInterface* self, intptr_t a, intptr_t b, intptr_t c,
                           intptr_t d);                                           // 5
    Result(ZX_CALL* setSpriteHost)(SpriteActorInterface* self, SpriteHost* host); // 6
    Result(ZX_CALL* linkAsset)(SpriteActorInterface* self, int32_t kind,
                               AssetInterface* asset);                         // 7
    Result(ZX_CALL* getSpriteCaps)(SpriteActorInterface* self, int32_t* caps); // 8: 4 words
    Result(ZX_CALL* idle)(SpriteActorInterface* self, intptr_t value,
                          RedrawService* redraw); // 9
    Result(ZX_CALL* slot10)(SpriteActorInterface* self, intptr_t a, intptr_t b, intptr_t c,
                            int32_t* out); // 10
    Result(ZX_CALL* draw)(SpriteActorInterface* self, const DrawRecord* record, intptr_t second,
                          DrawContext* context); // 11
    Result(ZX_CALL* handleEvent)(SpriteActorInterface* self, const EventRecord* event,
                                 intptr_t second, int32_t* handled); // 12
};
struct SpriteActorInterface {
    const SpriteActorOps* ops;
};

} // namespace zx

// The five exports, with C linkage and undecorated names (a .def file on Windows).
#if defined(_WIN32)
#define ZX_EXPORT extern "C" __declspec(dllexport)
#else
#define ZX_EXPORT extern "C" __attribute__((visibility("default")))
#endif
