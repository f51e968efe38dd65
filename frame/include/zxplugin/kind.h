// What a sprite kind declares to the frame: its identity and registration strings, one row
// per property (property_row.h), its commands, and the few operations that only the kind
// knows (drawing, events, the invariants it keeps). The frame derives GetProp, SetProp,
// SaveProps, LoadProps and the properties dialog from the rows. A kind writes its behaviour
// with the helpers of kind_support.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include <windows.h>

#include "zxframe/plugin_interfaces.h"
#include "zxframe/result_codes.h"
#include "zxplugin/property_row.h"

namespace zx {

struct AssetRecord;
struct ActorRecord;

// A script command: its arguments are read with the host's conversions, its result is
// written through answer().
struct CommandCall {
    AssetRecord& asset;
    HostUtilities& utilities;
    int32_t argc;          // script arguments, not counting element 0
    const HostValue* argv; // argc + 1 values; element 0 the cast-member reference
    HostValue* result;

    // Script argument `index` (1-based) converted; a failed conversion gives the fallback.
    int32_t integer(int index, int32_t fallback = 0) const;
    double number(int index, double fallback = 0.0) const;
    // At most `capacity` characters of argument `index` as text.
    std::string text(int index, size_t capacity) const;
    const HostValue& argument(int index) const { return argv[index]; }
    ScriptAnswer answer() const;
    // Which of `names` argument `index` names (at most `capacity` characters), compared as
    // host symbols, as the host compares names; -1 for none of them.
    int choice(int index, size_t capacity, std::span<const char* const> names) const;
};

struct CommandSpec {
    const char* name;
    int32_t minArguments; // fewer script arguments answer 0x800407E0 + this, doing nothing
    Result (*run)(CommandCall& call);
    const char* meaning = "";
};

// When the frame sets or clears ChangedFlag besides the writes of the rows.
namespace changes {
constexpr uint8_t kAfterConstruction = 1; // a new member asks for a first redraw
constexpr uint8_t kAfterCommand = 2;      // CallFunction, before the command search
constexpr uint8_t kAfterDialogOk = 4;     // OK in the properties dialog
constexpr uint8_t kClearedByDraw = 8;     // every Draw clears it, whatever it drew
} // namespace changes

// What SetProp does with a name the kind does not have.
enum class UnknownWrite : uint8_t {
    Refused,         // 0x800407D5; ChangedFlag is set all the same
    RefusedUnmarked, // 0x800407D5; ChangedFlag untouched
    Ignored,         // success; ChangedFlag is set
};

// The occasions after which the frame runs a kind's normalize step.
enum class Occasion : uint8_t {
    Set,      // a SetProp of row `row` (also a refused one)
    Load,     // every LoadProps; `blockRead` tells whether the saved fields were replaced
    DialogOk, // OK in the properties dialog, after the controls were stored
};
struct Change {
    Occasion occasion;
    size_t row = 0;
    bool blockRead = false;
};

struct AssetKind {
    std::span<const PropertyRow> rows;
    std::span<const CommandSpec> commands;
    uint32_t blockSize;               // the PropertyBlock, with any state of the kind
    void (*setDefaults)(void* block); // also runs when the host refused HostUtilities
    int32_t dialogId = 0;             // 0: no properties dialog
    int32_t thumbnailId = 0;          // 0: no thumbnail
    HostRect defaultRect{};           // used when getDefaultRect is null
    void (*getDefaultRect)(const AssetRecord& asset, HostRect* out) = nullptr;
    bool keepsMemberHost = false;
    uint8_t changes = 0; // the changes:: flags
    UnknownWrite unknownWrite = UnknownWrite::Refused;
    // The invariants the kind keeps (couplings, clamps, applying loaded values to its
    // state): run after every SetProp, every LoadProps and OK in the dialog.
    void (*normalize)(AssetRecord& asset, const Change& change) = nullptr;
    // Runs before SaveProps encodes the saved rows (for fields composed from other state).
    void (*beforeSave)(AssetRecord& asset) = nullptr;
    Result (*construct)(AssetRecord& asset) = nullptr;
    void (*destruct)(AssetRecord& asset) = nullptr;
};

// Per-sprite state of a kind: built in the actor record before the kind's construct step
// and destroyed after its destruct step (ActorState<T> in kind_support.h makes one).
struct ActorStateLifetime {
    uint32_t size = 0;
    void (*create)(void* storage) = nullptr;
    void (*destroy)(void* storage) = nullptr;
};

struct ActorKind {
    ActorStateLifetime state{};
    int32_t caps = 0;             // the capability word of GetSpriteCaps
    bool keepsSpriteHost = false; // event-handling kinds keep SpriteHost and SpriteServices
    // Draws into a device context of a drawable draw context.
    Result (*draw)(ActorRecord& actor, const DrawRecord& record, HDC dc,
                   DrawContext* context) = nullptr;
    Result (*handleEvent)(ActorRecord& actor, const EventRecord& event, int32_t* handled) = nullptr;
    // Sprite properties a script sets on the sprite itself; null answers 0x800407D5.
    Result (*setProp)(ActorRecord& actor, Symbol property, const HostValue* value) = nullptr;
    // Link kinds other than kLinkMember (member notifications).
    Result (*linkNotice)(ActorRecord& actor, int32_t code, AssetInterface* asset) = nullptr;
    Result (*construct)(ActorRecord& actor) = nullptr;
    void (*destruct)(ActorRecord& actor) = nullptr;
};

struct Kind {
    Guid registrarClass;
    Guid assetClass;
    Guid actorClass;
    uint32_t version;
    bool hasAssetAux;
    const char* symbol;
    const char* displayName;
    bool putsMyData; // a sixth registration entry "myData"
    AssetKind asset;
    ActorKind actor;
};

// Defined once by each deliverable.
const Kind& thisKind();

// A class identifier written as in the registry, "AE36B1BE-0004-AFA0-0000-0800074E879F".
consteval Guid guid(const char (&text)[37]) {
    auto hex = [&](int from, int digits) {
        uint32_t value = 0;
        for (int i = from; i < from + digits; ++i) {
            const char c = text[i];
            const uint32_t digit = c >= '0' && c <= '9'   ? static_cast<uint32_t>(c - '0')
                                   : c >= 'A' && c <= 'F' ? static_cast<uint32_t>(c - 'A' + 10)
                                   : c >= 'a' && c <= 'f' ? static_cast<uint32_t>(c - 'a' + 10)
                                                          : throw "not a hexadecimal digit";
            value = value * 16 + digit;
        }
        return value;
    };
    if (text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-') {
        throw "a class identifier is written 8-4-4-4-12";
    }
    Guid g{};
    g.data1 = hex(0, 8);
    g.data2 = static_cast<uint16_t>(hex(9, 4));
    g.data3 = static_cast<uint16_t>(hex(14, 4));
    g.data4[0] = static_cast<uint8_t>(hex(19, 2));
    g.data4[1] = static_cast<uint8_t>(hex(21, 2));
    for (int i = 0; i < 6; ++i) {
        g.data4[2 + i] = static_cast<uint8_t>(hex(24 + 2 * i, 2));
    }
    return g;
}

} // namespace zx
