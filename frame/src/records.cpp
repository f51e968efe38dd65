// The layout of the asset and actor records: the frame's fields, then the SymbolTable, then
// the kind's PropertyBlock or actor state, each tail aligned for doubles.
#include "frame_internal.h"

namespace zx {
namespace {

constexpr uint32_t alignUp(uint32_t n) {
    return (n + 7u) & ~7u;
}

uint32_t symbolBytes() {
    return static_cast<uint32_t>(thisKind().asset.rows.size() * sizeof(Symbol));
}
uint32_t assetBlockOffset() {
    return alignUp(sizeof(AssetRecord) + symbolBytes());
}
uint32_t actorStateOffset() {
    return alignUp(sizeof(ActorRecord) + symbolBytes());
}

} // namespace

HostCallback* hostCallback(const InstanceHeader& header) {
    return static_cast<HostCallback*>(header.words[kHeaderCallback]);
}
HostAllocator* hostAllocator(const InstanceHeader& header) {
    return static_cast<HostAllocator*>(header.words[kHeaderAllocator]);
}

uint32_t assetInstanceSize() {
    return assetBlockOffset() + alignUp(thisKind().asset.blockSize);
}
uint32_t actorInstanceSize() {
    return actorStateOffset() + alignUp(thisKind().actor.state.size);
}

Symbol* assetSymbols(AssetRecord& asset) {
    return reinterpret_cast<Symbol*>(reinterpret_cast<char*>(&asset) + sizeof(AssetRecord));
}
void* propertyBlock(AssetRecord& asset) {
    return reinterpret_cast<char*>(&asset) + assetBlockOffset();
}
const void* propertyBlock(const AssetRecord& asset) {
    return reinterpret_cast<const char*>(&asset) + assetBlockOffset();
}
Symbol* actorSymbols(ActorRecord& actor) {
    return reinterpret_cast<Symbol*>(reinterpret_cast<char*>(&actor) + sizeof(ActorRecord));
}
void* actorState(ActorRecord& actor) {
    return reinterpret_cast<char*>(&actor) + actorStateOffset();
}

AssetRecord* assetOf(AssetInterface* asset) {
    if (asset == nullptr) {
        return nullptr;
    }
    return static_cast<AssetRecord*>(reinterpret_cast<InterfaceObject*>(asset)->owner);
}

AssetRecord* linkedAsset(ActorRecord& actor) {
    return assetOf(actor.asset);
}

void lookUpPropertySymbols(HostUtilities* utilities, Symbol* table) {
    const auto rows = thisKind().asset.rows;
    if (utilities == nullptr) {
        return;
    }
    Symbol empty = 0;
    utilities->ops->stringToSymbol(utilities, "", &empty);
    for (size_t i = 0; i < rows.size(); ++i) {
        table[i] = empty;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name != nullptr) {
            utilities->ops->stringToSymbol(utilities, rows[i].name, &table[i]);
        }
    }
}

NativeInfo nativeInfoOf(DrawContext* context) {
    NativeInfo info;
    if (context == nullptr) {
        return info;
    }
    intptr_t words[kNativeInfoWords] = {};
    if (context->ops->getNativeInfo(context, words) != kOk) {
        return info;
    }
    info.kind = words[kNativeKind];
    info.dc = reinterpret_cast<HDC>(words[kNativeHandle]);
    return info;
}

} // namespace zx
