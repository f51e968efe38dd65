// The instance records of the asset (cast member) and actor (sprite) classes as the frame
// lays them out: the InstanceHeader, the frame's fields, then the tail that the kind's
// tables describe (the SymbolTable, the PropertyBlock or the actor's own state).
#pragma once

#include <cstddef>
#include <cstdint>

#include "zxplugin/kind.h"

namespace zx {

// DialogState: 0 while the properties dialog is open, 2 after it was closed with OK.
constexpr int32_t kDialogOpen = 0;
constexpr int32_t kDialogClosedOk = 2;

struct AssetRecord {
    InstanceHeader header;
    HostUtilities* utilities;
    MemberHost* memberHost;
    int32_t dialogState;
    int32_t changedFlag;
    // Followed by Symbol[property count] and the PropertyBlock.
};

struct ActorRecord {
    InstanceHeader header;
    HostUtilities* utilities;
    AssetInterface* asset;
    SpriteHost* spriteHost;
    SpriteServices* spriteServices;
    // Followed by Symbol[property count] (the asset's names, for kinds that read through
    // GetProp) and the kind's own state.
};

// The object handed to the host for each interface request.
struct InterfaceObject {
    const void* ops;
    void* owner;
    int32_t count;
};

HostCallback* hostCallback(const InstanceHeader& header);
HostAllocator* hostAllocator(const InstanceHeader& header);

// Layout of the tails.
uint32_t assetInstanceSize();
uint32_t actorInstanceSize();
Symbol* assetSymbols(AssetRecord& asset);
void* propertyBlock(AssetRecord& asset);
const void* propertyBlock(const AssetRecord& asset);
Symbol* actorSymbols(ActorRecord& actor);
void* actorState(ActorRecord& actor);

template <class Block>
Block& blockOf(AssetRecord& asset) {
    return *static_cast<Block*>(propertyBlock(asset));
}
template <class Block>
const Block& blockOf(const AssetRecord& asset) {
    return *static_cast<const Block*>(propertyBlock(asset));
}
template <class State>
State& stateOf(ActorRecord& actor) {
    return *static_cast<State*>(actorState(actor));
}

// The asset record behind an AssetInterface of this module, and the linked asset of an
// actor (null before LinkAsset).
AssetRecord* assetOf(AssetInterface* asset);
AssetRecord* linkedAsset(ActorRecord& actor);

// ColorRef: red in the low byte.
constexpr uint32_t packColor(int32_t red, int32_t green, int32_t blue) {
    return static_cast<uint32_t>(red) + (static_cast<uint32_t>(blue) << 16) +
           ((static_cast<uint32_t>(green) & 0xFFFFFFu) << 8);
}
constexpr int32_t colorRed(uint32_t c) {
    return static_cast<int32_t>(c & 0xFF);
}
constexpr int32_t colorGreen(uint32_t c) {
    return static_cast<int32_t>((c >> 8) & 0xFF);
}
constexpr int32_t colorBlue(uint32_t c) {
    return static_cast<int32_t>((c >> 16) & 0xFF);
}

} // namespace zx
