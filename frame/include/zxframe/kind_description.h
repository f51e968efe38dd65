// What a native module tells the `zentrix` program about its kind: every property a script
// sees and every command, straight from the kind's own rows. Plain C data that the module
// builds once and keeps for its lifetime, so nothing crosses the module boundary but
// pointers to constant text. Only the native build exports it; the Windows modules keep
// their five entry points.
#pragma once

#include <cstdint>

extern "C" {

struct ZxPropertyDescription {
    const char* name;
    const char* type;    // "integer", "colour", "float" or "text"
    int32_t capacity;    // characters a text holds (its buffer less the NUL); 0 otherwise
    const char* access;  // "read", "write", "both" or "read; writes ignored"
    const char* initial; // the default as a script writes it; "computed" when not stored
    int32_t savedAt;     // position in the saved block, -1 when not saved
    const char* control; // the dialog control ("edit 1001", "radios 1010-1012"), "" for none
    const char* meaning; // one line
};

struct ZxCommandDescription {
    const char* name;
    int32_t minArguments;
    uint32_t tooFewCode; // answered, doing nothing, with fewer arguments: 0x800407E0 + minimum
    const char* meaning; // the arguments and what the command does
};

struct ZxKindDescription {
    const char* symbol;
    const char* displayName;
    uint32_t propertyCount;
    const ZxPropertyDescription* properties;
    uint32_t commandCount;
    const ZxCommandDescription* commands;
};

using ZxDescribeKindFn = const ZxKindDescription* (*)();

} // extern "C"

// The export's name, as the host looks it up.
inline constexpr const char* kDescribeKindExport = "zxDescribeKind";
