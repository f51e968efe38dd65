// The description of this module's kind for `zentrix props`, built once from the kind's
// rows and commands. The defaults are read from a scratch block that the kind's own
// setDefaults filled, so the reference shows what a new member really holds. Native
// modules only: the Windows modules export their five entry points and nothing else.
#if !defined(_WIN32)

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "zxframe/kind_description.h"
#include "zxframe/plugin_interfaces.h"
#include "zxplugin/kind.h"

namespace zx {
namespace {

const char* typeName(FieldType type) {
    switch (type) {
    case FieldType::Integer:
        return "integer";
    case FieldType::Color:
        return "colour";
    case FieldType::Float:
        return "float";
    case FieldType::Text:
        return "text";
    }
    return "";
}

const char* accessName(const PropertyRow& row) {
    if (row.access == Access::IgnoresWrites) {
        return "read; writes ignored";
    }
    if (row.readable() && row.writable()) {
        return "both";
    }
    return row.readable() ? "read" : "write";
}

// A float as the shortest text that reads back as the same value.
std::string floatText(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::string initialText(const PropertyRow& row, const unsigned char* block) {
    if (!row.hasField) {
        return "computed";
    }
    const unsigned char* field = block + row.offset;
    char text[32];
    switch (row.type) {
    case FieldType::Integer: {
        int32_t number;
        std::memcpy(&number, field, sizeof number);
        std::snprintf(text, sizeof text, "%" PRId32, number);
        return text;
    }
    case FieldType::Color: {
        uint32_t colour;
        std::memcpy(&colour, field, sizeof colour);
        std::snprintf(text, sizeof text, "0x%06" PRIX32, colour);
        return text;
    }
    case FieldType::Float: {
        double number;
        std::memcpy(&number, field, sizeof number);
        return floatText(number);
    }
    case FieldType::Text: {
        // The field's bytes up to its NUL, never past its end.
        const auto* chars = reinterpret_cast<const char*>(field);
        return "\"" + std::string(chars, strnlen(chars, row.size)) + "\"";
    }
    }
    return "";
}

std::string controlText(const PropertyRow& row) {
    const DialogBinding& control = row.control;
    switch (control.type) {
    case ControlType::None:
        return "";
    case ControlType::Edit:
        // A colour is three edit boxes in a row: red, green, blue.
        if (row.type == FieldType::Color) {
            return "edits " + std::to_string(control.id) + "-" + std::to_string(control.id + 2);
        }
        return "edit " + std::to_string(control.id);
    case ControlType::Check:
        return "check box " + std::to_string(control.id);
    case ControlType::Radio:
        return "radios " + std::to_string(control.id) + "-" +
               std::to_string(control.id + control.count - 1);
    }
    return "";
}

// Owns every text the description points at; it lives as long as the module.
struct Description {
    std::deque<std::string> texts; // a deque keeps the addresses of earlier texts
    std::vector<ZxPropertyDescription> properties;
    std::vector<ZxCommandDescription> commands;
    ZxKindDescription kind{};

    const char* keep(std::string text) { return texts.emplace_back(std::move(text)).c_str(); }

    Description() {
        const Kind& k = thisKind();
        // The scratch block is aligned for doubles and starts zeroed, as a new member's does.
        std::vector<double> storage((k.asset.blockSize + sizeof(double) - 1) / sizeof(double));
        auto* block = reinterpret_cast<unsigned char*>(storage.data());
        if (k.asset.setDefaults != nullptr && !storage.empty()) {
            k.asset.setDefaults(block);
        }
        for (const PropertyRow& row : k.asset.rows) {
            if (row.name == nullptr) {
                continue; // seen only by the saved block and the dialog
            }
            properties.push_back(ZxPropertyDescription{
                row.name,
                typeName(row.type),
                row.type == FieldType::Text && row.hasField ? static_cast<int32_t>(row.size) - 1
                                                            : 0,
                accessName(row),
                keep(initialText(row, block)),
                row.savedAt,
                keep(controlText(row)),
                row.meaning != nullptr ? row.meaning : "",
            });
        }
        for (const CommandSpec& command : k.asset.commands) {
            commands.push_back(ZxCommandDescription{
                command.name,
                command.minArguments,
                0x800407E0u + static_cast<uint32_t>(command.minArguments),
                command.meaning != nullptr ? command.meaning : "",
            });
        }
        kind = ZxKindDescription{
            k.symbol,
            k.displayName,
            static_cast<uint32_t>(properties.size()),
            properties.data(),
            static_cast<uint32_t>(commands.size()),
            commands.data(),
        };
    }
};

} // namespace
} // namespace zx

// Nothing throws across the module boundary: a description that cannot be built is null.
ZX_EXPORT const ZxKindDescription* zxDescribeKind() {
    try {
        static const zx::Description description;
        return &description.kind;
    } catch (...) {
        return nullptr;
    }
}

#endif
