// What a sprite kind supplies to the frame: data tables (properties, saved fields, dialog
// controls, commands), identifiers, registration strings and sizes, and the few operations
// that only the kind knows (drawing, events, its own conversions). The frame walks these
// tables for GetProp, SetProp, SaveProps, LoadProps and the properties dialog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include <windows.h>

#include "zxframe/plugin_interfaces.h"
#include "zxframe/result_codes.h"

namespace zx {

struct AssetRecord;
struct ActorRecord;

enum class FieldType : uint8_t {
    Integer, // signed 32-bit
    Color,   // ColorRef, 32-bit
    Float,   // double
    Text,    // fixed buffer of `size` bytes, NUL-terminated
};

// One script-visible property: its name and where and how it lives in the PropertyBlock.
// A computed property (read from or written into the kind's own state, read-only, refused)
// names a get or set hook; the frame then calls the hook instead of converting the field,
// and returns the hook's result. A set hook replaces the kind's afterSet for that row.
struct PropertySpec {
    const char* name;
    FieldType type;
    uint32_t offset;
    uint32_t size = 0; // text buffers only
    Result (*get)(AssetRecord& asset, HostUtilities& utilities, HostValue* out) = nullptr;
    Result (*set)(AssetRecord& asset, HostUtilities& utilities, const HostValue* value) = nullptr;
};

// One field of the saved block, in saved order; the stored width is 4 for integers and
// colours, 8 for doubles and `size` for texts.
struct SavedField {
    FieldType type;
    uint32_t offset;
    uint32_t size = 0;
};

// One group of dialog controls: an integer or a colour's three components (consecutive
// ids), a double shown as text, a check box, a text, or one radio button of a group that
// shares a field: the button is checked when the field holds its radioValue, and a checked
// button stores its radioValue on OK (with no button checked the field keeps its value).
enum class ControlType : uint8_t { Integer, Color, Float, Check, Text, Radio };
struct DialogControl {
    ControlType type;
    int32_t id;
    uint32_t offset;
    uint32_t size = 0;      // text buffers only
    int32_t radioValue = 0; // radio buttons only
};

struct CommandCall {
    AssetRecord& asset;
    HostUtilities* utilities; // may be null when the host refused it
    int32_t argc;             // script arguments, not counting element 0
    const HostValue* argv;    // argc + 1 values; element 0 the cast-member reference
    HostValue* result;
};

struct CommandSpec {
    const char* name;
    int32_t minArguments; // fewer script arguments answer 0x800407E0 + this, doing nothing
    Result (*run)(CommandCall& call);
};

struct AssetKind {
    std::span<const PropertySpec> properties;
    std::span<const SavedField> saved; // empty: the kind saves nothing
    std::span<const CommandSpec> commands;
    std::span<const DialogControl> dialog;
    uint32_t blockSize;               // the PropertyBlock, with any state of the kind
    void (*setDefaults)(void* block); // also runs when the host refused HostUtilities
    int32_t dialogId;                 // 0: no properties dialog
    int32_t thumbnailId;              // 0: no thumbnail
    HostRect defaultRect;             // used when getDefaultRect is null
    void (*getDefaultRect)(const AssetRecord& asset, HostRect* out) = nullptr;
    bool keepsMemberHost = false;
    bool unknownSetSucceeds = false; // the counter ignores unknown names on set
    bool dialogOkSetsChanged = false;
    bool changedAfterConstruction = false;
    // The coupling rule of a property just written (for example a value kept twice).
    void (*afterSet)(AssetRecord& asset, size_t property) = nullptr;
    Result (*construct)(AssetRecord& asset) = nullptr;
    void (*destruct)(AssetRecord& asset) = nullptr;
    // CallFunction sets ChangedFlag before the command search (also for unknown commands).
    bool callSetsChanged = false;
    // Runs before SaveProps encodes the saved fields (for fields composed from other state).
    void (*beforeSave)(AssetRecord& asset) = nullptr;
    // Runs at the end of every LoadProps, also when the stream could not be opened or had
    // the wrong size; blockRead tells whether the saved fields were replaced by the stream's.
    void (*afterLoad)(AssetRecord& asset, bool blockRead) = nullptr;
    // Runs when the properties dialog closes with OK, after the controls were stored and
    // before DialogState becomes 2 (clamps, applying stored values to the kind's state).
    void (*afterDialogOk)(AssetRecord& asset) = nullptr;
};

struct ActorKind {
    uint32_t stateSize;
    int32_t caps;           // the capability word of GetSpriteCaps
    bool keepsSpriteHost;   // event-handling kinds keep SpriteHost and SpriteServices
    bool drawClearsChanged; // the counter clears ChangedFlag at the end of every Draw
    // Draws into a device context of a draw context of kind 1 to 3.
    Result (*draw)(ActorRecord& actor, const DrawRecord& record, HDC dc, DrawContext* context);
    Result (*handleEvent)(ActorRecord& actor, const EventRecord& event, int32_t* handled) = nullptr;
    // Sprite properties a script sets on the sprite itself; null answers 0x800407D5.
    Result (*setProp)(ActorRecord& actor, Symbol property, const HostValue* value) = nullptr;
    // Link kinds other than 1 (member notifications).
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

} // namespace zx
