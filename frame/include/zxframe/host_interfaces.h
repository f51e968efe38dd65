// The host's service objects, slot by slot. Every object's first word points to its table
// of operations; slots 0-2 are QueryInterface, AddRef and Release, the object's own
// operations follow. Slots that no plug-in calls are kept as untyped placeholders so that
// the offsets of the used ones are exact.
#pragma once

#include <windows.h>

#include "zxframe/abi.h"

namespace zx {

#define ZX_UNKNOWN_SLOTS(Self)                                                                     \
    Result(ZX_CALL* queryInterface)(Self * self, const Guid* iid, void** out);                     \
    int32_t(ZX_CALL* addRef)(Self * self);                                                         \
    int32_t(ZX_CALL* release)(Self * self)

using UnusedSlot = void*;

// Any reference-counted object: only the three common slots.
struct Unknown;
struct UnknownOps {
    ZX_UNKNOWN_SLOTS(Unknown);
};
struct Unknown {
    const UnknownOps* ops;
};

// InstanceHeader word 2.
struct HostCallback;
struct HostCallbackOps {
    ZX_UNKNOWN_SLOTS(HostCallback);
    Result(ZX_CALL* createInstance)(HostCallback* self, const Guid* clsid, const Guid* iid,
                                    void** out); // 3
    UnusedSlot slot4;
    // Returns the instance handle for FindResourceA, LoadBitmapA and dialogs.
    HINSTANCE(ZX_CALL* beginResources)(HostCallback* self, HINSTANCE module,
                                       intptr_t* token);                                 // 5
    Result(ZX_CALL* endResources)(HostCallback* self, HINSTANCE module, intptr_t token); // 6
};
struct HostCallback {
    const HostCallbackOps* ops;
};

// InstanceHeader word 3, and the argument of DllGetClassInfo.
struct HostAllocator;
struct HostAllocatorOps {
    ZX_UNKNOWN_SLOTS(HostAllocator);
    void*(ZX_CALL* alloc)(HostAllocator* self, uint32_t bytes); // 3
    Result(ZX_CALL* free)(HostAllocator* self, void* block);    // 4
};
struct HostAllocator {
    const HostAllocatorOps* ops;
};

struct RegistryDict;
struct RegistryDictOps {
    ZX_UNKNOWN_SLOTS(RegistryDict);
    UnusedSlot slot3, slot4, slot5;
    // type 9 text (length 0: terminated), 3 integer, 8 flags.
    Result(ZX_CALL* put)(RegistryDict* self, int32_t type, const void* value, int32_t length,
                         const char* key); // 6
};
struct RegistryDict {
    const RegistryDictOps* ops;
};

struct RegistryCache;
struct RegistryCacheOps {
    ZX_UNKNOWN_SLOTS(RegistryCache);
    UnusedSlot slot3, slot4, slot5, slot6;
    Result(ZX_CALL* addEntry)(RegistryCache* self, void* dictionary, const Guid* clsid,
                              const Guid* iid, RegistryDict** out); // 7
};
struct RegistryCache {
    const RegistryCacheOps* ops;
};

using DialogProc = INT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

struct RgbTriple {
    uint8_t red, green, blue;
};

struct HostUtilities;
struct HostUtilitiesOps {
    ZX_UNKNOWN_SLOTS(HostUtilities);
    UnusedSlot slot3, slot4;
    // printf-style output of a format with two integer arguments.
    Result(ZX_CALL* messageOutput)(HostUtilities* self, const char* format, int32_t a,
                                   int32_t b); // 5
    UnusedSlot slot6, slot7;
    Result(ZX_CALL* stringToSymbol)(HostUtilities* self, const char* name, Symbol* out); // 8
    UnusedSlot slot9, slot10, slot11;
    Result(ZX_CALL* releaseValue)(HostUtilities* self, HostValue* value); // 12
    // Conversions leave the output untouched when they fail.
    Result(ZX_CALL* valueToInteger)(HostUtilities* self, const HostValue* value,
                                    int32_t* out); // 13
    UnusedSlot slot14;
    Result(ZX_CALL* valueToFloat)(HostUtilities* self, const HostValue* value,
                                  double* out); // 15
    UnusedSlot slot16;
    // Copies at most `capacity` characters and always adds a NUL (capacity + 1 bytes).
    Result(ZX_CALL* valueToString)(HostUtilities* self, const HostValue* value, char* buffer,
                                   int32_t capacity); // 17
    Result(ZX_CALL* stringToValue)(HostUtilities* self, const char* text,
                                   HostValue* out); // 18
    UnusedSlot slot19, slot20;
    Result(ZX_CALL* valueToRect)(HostUtilities* self, const HostValue* value,
                                 HostRect* out); // 21
    Result(ZX_CALL* integerToValue)(HostUtilities* self, int32_t number,
                                    HostValue* out); // 22
    UnusedSlot slot23;
    Result(ZX_CALL* floatToValue)(HostUtilities* self, double number, HostValue* out); // 24
    UnusedSlot slot25, slot26, slot27, slot28;
    Result(ZX_CALL* pictureFromDIB)(HostUtilities* self, const PictureDIBRecord* dib,
                                    HostValue* out); // 29
    UnusedSlot slot30, slot31, slot32, slot33, slot34, slot35, slot36, slot37, slot38, slot39,
        slot40, slot41, slot42;
    Result(ZX_CALL* paletteIndex)(HostUtilities* self, const RgbTriple* colour,
                                  uint8_t* index); // 43
    UnusedSlot slot44;
    Result(ZX_CALL* runDialog)(HostUtilities* self, HINSTANCE instance, int32_t dialogId,
                               DialogProc proc, void* parameter); // 45
};
struct HostUtilities {
    const HostUtilitiesOps* ops;
};

struct HandleMemory;
struct HandleMemoryOps {
    ZX_UNKNOWN_SLOTS(HandleMemory);
    void*(ZX_CALL* allocHandle)(HandleMemory* self, int32_t bytes); // 3, null on failure
    UnusedSlot slot4;
    Result(ZX_CALL* freeHandle)(HandleMemory* self, void* handle);     // 5
    int32_t(ZX_CALL* getHandleSize)(HandleMemory* self, void* handle); // 6
    UnusedSlot slot7;
    void*(ZX_CALL* lockHandle)(HandleMemory* self, void* handle);    // 8
    Result(ZX_CALL* unlockHandle)(HandleMemory* self, void* handle); // 9
};
struct HandleMemory {
    const HandleMemoryOps* ops;
};

struct MediaStream;
struct MediaStreamOps {
    ZX_UNKNOWN_SLOTS(MediaStream);
    Result(ZX_CALL* open)(MediaStream* self, int32_t mode, int32_t zero); // 3: 2 write, 0 read
    Result(ZX_CALL* close)(MediaStream* self);                            // 4
    Result(ZX_CALL* read)(MediaStream* self, void* buffer, int32_t bytes, int32_t zero); // 5
    UnusedSlot slot6;
    Result(ZX_CALL* write)(MediaStream* self, const void* buffer, int32_t bytes,
                           int32_t zero); // 7
    UnusedSlot slot8, slot9;
    Result(ZX_CALL* getSize)(MediaStream* self, int32_t* bytes); // 10
};
struct MediaStream {
    const MediaStreamOps* ops;
};

struct DrawContext;
struct DrawContextOps {
    ZX_UNKNOWN_SLOTS(DrawContext);
    UnusedSlot slot3, slot4;
    // Writes kNativeInfoWords words: word 0 the kind (drawing for 1-3), word 3 the HDC.
    Result(ZX_CALL* getNativeInfo)(DrawContext* self, intptr_t* words); // 5
    UnusedSlot slot6;
    Result(ZX_CALL* drawPicture)(DrawContext* self, const HostRect* destination,
                                 const HostValue* picture, const HostRect* source, int32_t ink,
                                 const int32_t* inkParams, int32_t zero); // 7
};
struct DrawContext {
    const DrawContextOps* ops;
};

struct StageSurface;
struct StageSurfaceOps {
    ZX_UNKNOWN_SLOTS(StageSurface);
    UnusedSlot slot3, slot4;
    Result(ZX_CALL* getNativeInfo)(StageSurface* self, intptr_t* words); // 5: word 3 the HWND
};
struct StageSurface {
    const StageSurfaceOps* ops;
};

// The cast-member object that a movie hands out for a member reference (movie slot 17).
struct CastMemberObject;
struct CastMemberObjectOps {
    ZX_UNKNOWN_SLOTS(CastMemberObject);
    UnusedSlot slot3, slot4;
    Result(ZX_CALL* fillMedia)(CastMemberObject* self, intptr_t* record); // 5
};
struct CastMemberObject {
    const CastMemberObjectOps* ops;
};

struct Movie;
struct MovieOps {
    ZX_UNKNOWN_SLOTS(Movie);
    UnusedSlot slot3, slot4, slot5, slot6, slot7, slot8, slot9, slot10, slot11, slot12, slot13,
        slot14, slot15, slot16;
    Result(ZX_CALL* memberObject)(Movie* self, const HostValue* memberRef,
                                  CastMemberObject** out); // 17
    UnusedSlot slot18;
    Result(ZX_CALL* stageSurface)(Movie* self, StageSurface** out); // 19
};
struct Movie {
    const MovieOps* ops;
};

struct StageServices;
struct StageServicesOps {
    ZX_UNKNOWN_SLOTS(StageServices);
    UnusedSlot slot3, slot4, slot5;
    Result(ZX_CALL* currentMovie)(StageServices* self, Movie** out); // 6
};
struct StageServices {
    const StageServicesOps* ops;
};

struct MemberMediaServices;
struct MemberMediaServicesOps {
    ZX_UNKNOWN_SLOTS(MemberMediaServices);
    Result(ZX_CALL* valueToMemberRef)(MemberMediaServices* self, const HostValue* value,
                                      HostValue* memberRef); // 3
    UnusedSlot slot4;
    // Fills a caller-owned record of kMediaRecordWords words.
    Result(ZX_CALL* prepareMediaRecord)(MemberMediaServices* self, Symbol label, Symbol format,
                                        int32_t a, int32_t b, int32_t c,
                                        intptr_t* record);                            // 5
    Result(ZX_CALL* releaseMediaRecord)(MemberMediaServices* self, intptr_t* record); // 6
};
struct MemberMediaServices {
    const MemberMediaServicesOps* ops;
};

// The host's cast-member object given to SetMemberHost.
struct MemberHost;
struct MemberHostOps {
    ZX_UNKNOWN_SLOTS(MemberHost);
    UnusedSlot slot3, slot4;
    // Code 2 redraw, 3 start mouse tracking: reaches every sprite as LinkAsset(code, ...).
    Result(ZX_CALL* notify)(MemberHost* self, int32_t code, int32_t zero); // 5
};
struct MemberHost {
    const MemberHostOps* ops;
};

struct ListServices;
struct ListServicesOps {
    ZX_UNKNOWN_SLOTS(ListServices);
    UnusedSlot slot3, slot4;
    Result(ZX_CALL* count)(ListServices* self, const HostValue* list, int32_t* count); // 5
    Result(ZX_CALL* item)(ListServices* self, const HostValue* list, int32_t position,
                          HostValue* out); // 6: position from 1
};
struct ListServices {
    const ListServicesOps* ops;
};

struct SpriteHost;
struct SpriteHostOps {
    ZX_UNKNOWN_SLOTS(SpriteHost);
    Result(ZX_CALL* requestRedraw)(SpriteHost* self); // 3
};
struct SpriteHost {
    const SpriteHostOps* ops;
};

struct SpriteServices;
struct SpriteServicesOps {
    ZX_UNKNOWN_SLOTS(SpriteServices);
    UnusedSlot slot3;
    Result(ZX_CALL* spriteReference)(SpriteServices* self, HostValue* out); // 4
    // argv holds the handler's arguments only.
    Result(ZX_CALL* callHandler)(SpriteServices* self, Symbol handler, int32_t argc,
                                 const HostValue* argv, HostValue* result); // 5
};
struct SpriteServices {
    const SpriteServicesOps* ops;
};

// The second argument of Idle.
struct RedrawService;
struct RedrawServiceOps {
    ZX_UNKNOWN_SLOTS(RedrawService);
    Result(ZX_CALL* requestRedraw)(RedrawService* self, intptr_t value); // 3
};
struct RedrawService {
    const RedrawServiceOps* ops;
};

} // namespace zx
