// Declarations shared by the frame's own sources; not for sprite kinds.
#pragma once

#include <vector>

#include <windows.h>

#include "zxplugin/records.h"

namespace zx {

// The module handle: stored by DllMain on Windows, the embedded resources' handle in the
// native build.
HMODULE moduleHandle();

// The module-wide count of InterfaceObjects alive.
int32_t liveObjectCount();

// Creates an InterfaceObject with the given operation table for an instance.
Result createInterface(void* instance, const void* ops, void** out);

// Slots 0-2 shared by every interface of the frame.
Result ZX_CALL objectQueryInterface(void* self, const Guid* iid, void** out);
int32_t ZX_CALL objectAddRef(void* self);
int32_t ZX_CALL objectRelease(void* self);

// Interface create functions, one per interface of the class table.
Result createRegistrarInterface(void* instance, void** out);
Result createAssetAuxInterface(void* instance, void** out);
Result createAssetInterface(void* instance, void** out);
Result createActorInterface(void* instance, void** out);

// Constructors and destructors of the three classes.
Result ZX_CALL registrarConstruct(void* instance);
Result ZX_CALL registrarDestruct(void* instance);
Result ZX_CALL assetConstruct(void* instance);
Result ZX_CALL assetDestruct(void* instance);
Result ZX_CALL actorConstruct(void* instance);
Result ZX_CALL actorDestruct(void* instance);

// Looks up every property name of the kind into a SymbolTable, after filling it with the
// symbol of the empty text.
void lookUpPropertySymbols(HostUtilities* utilities, Symbol* table);

// The saved rows in their saved order, and the size of the saved block.
const std::vector<const PropertyRow*>& savedRows();
uint32_t savedSize();

// The native info of a draw context; kind 0 when the context or the call fails.
struct NativeInfo {
    intptr_t kind = 0;
    HDC dc = nullptr;
};
NativeInfo nativeInfoOf(DrawContext* context);

} // namespace zx

namespace zx {

// Slots 0-2 typed for each interface's operation table.
template <class Self>
Result ZX_CALL typedQueryInterface(Self* self, const Guid* iid, void** out) {
    return objectQueryInterface(self, iid, out);
}
template <class Self>
int32_t ZX_CALL typedAddRef(Self* self) {
    return objectAddRef(self);
}
template <class Self>
int32_t ZX_CALL typedRelease(Self* self) {
    return objectRelease(self);
}

} // namespace zx

namespace zx {

// The asset's operations that live in their own files.
Result ZX_CALL assetGetProp(AssetInterface* self, Symbol property, HostValue* out);
Result ZX_CALL assetSetProp(AssetInterface* self, Symbol property, const HostValue* value);
Result ZX_CALL assetCallFunction(AssetInterface* self, Symbol command, int32_t argc,
                                 const HostValue* argv, HostValue* result);
Result ZX_CALL assetSaveProps(AssetInterface* self, MediaStream* stream);
Result ZX_CALL assetLoadProps(AssetInterface* self, MediaStream* stream);
Result ZX_CALL assetGetSavedSize(AssetInterface* self, int32_t* bytes);
Result ZX_CALL assetShowPropertiesDialog(AssetInterface* self);
Result ZX_CALL assetDrawThumbnail(AssetInterface* self, DrawContext* context, const HostRect* rect);

} // namespace zx
