// One row per property: everything the frame needs to know about a property of a kind, in
// one place. GetProp, SetProp, the saved block (offsets, widths, big-endian order) and the
// properties dialog are all derived from a kind's rows, and so is the reference that
// `zentrix props` prints. A row is built with constexpr builders:
//
//   zx::field("DigitsLeft", ZX_FIELD(CounterBlock, digitsLeft))
//       .saved(0).dialog(IDC_DIGITS_LEFT).means("digits left of the point"),
//   zx::computed<int32_t>("Idle", getIdle).means("..."),
//   zx::hidden(ZX_FIELD(EquationBlock, storedText)).saved(8),
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>

#include "zxframe/result_codes.h"

namespace zx {

struct AssetRecord;
class ScriptValue;
class ScriptAnswer;

enum class FieldType : uint8_t {
    Integer, // signed 32-bit
    Color,   // ColorRef, 32-bit (red in the low byte)
    Float,   // double
    Text,    // fixed buffer of `size` bytes, NUL-terminated
};

// Where a field lives in the PropertyBlock. ZX_FIELD derives the type from the member:
// int32_t is an integer, uint32_t a ColorRef, double a float, char[N] a text of N bytes.
struct FieldRef {
    FieldType type;
    uint32_t offset;
    uint32_t size;
};

template <class T>
constexpr FieldRef fieldRef(size_t offset) {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, int32_t>) {
        return {FieldType::Integer, static_cast<uint32_t>(offset), 4};
    } else if constexpr (std::is_same_v<U, uint32_t>) {
        return {FieldType::Color, static_cast<uint32_t>(offset), 4};
    } else if constexpr (std::is_same_v<U, double>) {
        return {FieldType::Float, static_cast<uint32_t>(offset), 8};
    } else if constexpr (std::is_array_v<U> && std::is_same_v<std::remove_extent_t<U>, char>) {
        return {FieldType::Text, static_cast<uint32_t>(offset),
                static_cast<uint32_t>(std::extent_v<U>)};
    } else {
        static_assert(sizeof(U) == 0, "a property field is int32_t, uint32_t, double or char[N]");
    }
}

#define ZX_FIELD(Block, member)                                                                    \
    ::zx::fieldRef<decltype(std::declval<Block&>().member)>(offsetof(Block, member))

// Who may read and write a property through GetProp and SetProp.
enum class Access : uint8_t {
    ReadWrite,
    ReadOnly,      // a write is refused with 0x800407D5
    WriteOnly,     // a read is refused with 0x800407D5
    IgnoresWrites, // a write succeeds and changes nothing
};

// How a row appears in the properties dialog. An edit box shows an integer as a signed
// number, a double as "%f" text and a text as it stands; a colour takes three consecutive
// edit boxes (red, green, blue). A radio group of `count` buttons from `id` on stores the
// index of the checked button; with none checked the field keeps its value.
enum class ControlType : uint8_t { None, Edit, Check, Radio };
struct DialogBinding {
    ControlType type = ControlType::None;
    int32_t id = 0;
    int32_t count = 0; // radio groups only
};

using GetHook = Result (*)(AssetRecord& asset, ScriptAnswer& out);
using SetHook = Result (*)(AssetRecord& asset, const ScriptValue& value);

struct PropertyRow {
    const char* name = nullptr; // null: a field only the saved block or the dialog sees
    FieldType type = FieldType::Integer;
    bool hasField = false;
    uint32_t offset = 0;
    uint32_t size = 0;
    Access access = Access::ReadWrite;
    bool marksChanged = true; // a SetProp of this row sets ChangedFlag
    int16_t savedAt = -1;     // position in the saved block, -1 when not saved
    DialogBinding control{};
    const char* meaning = "";
    GetHook get = nullptr; // replaces the field's conversion on reads
    SetHook set = nullptr; // replaces the field's conversion on writes

    // Its place in the saved block: rows are written in the order of these positions.
    constexpr PropertyRow saved(int position) const {
        PropertyRow r = *this;
        r.savedAt = static_cast<int16_t>(position);
        return r;
    }
    constexpr PropertyRow dialog(int32_t id) const { return bound({ControlType::Edit, id, 0}); }
    constexpr PropertyRow checkBox(int32_t id) const { return bound({ControlType::Check, id, 0}); }
    constexpr PropertyRow radios(int32_t firstId, int32_t count) const {
        return bound({ControlType::Radio, firstId, count});
    }
    constexpr PropertyRow readOnly() const { return accessed(Access::ReadOnly); }
    constexpr PropertyRow writeOnly() const { return accessed(Access::WriteOnly); }
    constexpr PropertyRow ignoresWrites() const { return accessed(Access::IgnoresWrites); }
    // A write of this row leaves ChangedFlag as it is.
    constexpr PropertyRow keepsChanged() const {
        PropertyRow r = *this;
        r.marksChanged = false;
        return r;
    }
    constexpr PropertyRow reads(GetHook hook) const {
        PropertyRow r = *this;
        r.get = hook;
        return r;
    }
    constexpr PropertyRow writes(SetHook hook) const {
        PropertyRow r = *this;
        r.set = hook;
        return r;
    }
    constexpr PropertyRow means(const char* text) const {
        PropertyRow r = *this;
        r.meaning = text;
        return r;
    }

    constexpr bool readable() const {
        return name != nullptr && access != Access::WriteOnly && (hasField || get != nullptr);
    }
    constexpr bool writable() const {
        return name != nullptr && access != Access::ReadOnly && (hasField || set != nullptr);
    }

private:
    constexpr PropertyRow bound(DialogBinding binding) const {
        PropertyRow r = *this;
        r.control = binding;
        return r;
    }
    constexpr PropertyRow accessed(Access a) const {
        PropertyRow r = *this;
        r.access = a;
        return r;
    }
};

// A property stored in a field of the PropertyBlock.
constexpr PropertyRow field(const char* name, FieldRef ref) {
    PropertyRow r;
    r.name = name;
    r.type = ref.type;
    r.hasField = true;
    r.offset = ref.offset;
    r.size = ref.size;
    return r;
}

// A field that scripts do not see: a part of the saved block or a dialog control only.
constexpr PropertyRow hidden(FieldRef ref) {
    PropertyRow r = field(nullptr, ref);
    return r;
}

template <class T>
constexpr FieldType fieldTypeOf() {
    if constexpr (std::is_same_v<T, double>) {
        return FieldType::Float;
    } else if constexpr (std::is_same_v<T, uint32_t>) {
        return FieldType::Color;
    } else if constexpr (std::is_same_v<T, const char*>) {
        return FieldType::Text;
    } else {
        static_assert(std::is_same_v<T, int32_t>,
                      "a property is int32_t, uint32_t, double or text");
        return FieldType::Integer;
    }
}

// A property computed from (and written into) the kind's own state. Without a write hook
// it is read-only; without a read hook write-only.
template <class T>
constexpr PropertyRow computed(const char* name, GetHook get, SetHook set = nullptr) {
    PropertyRow r;
    r.name = name;
    r.type = fieldTypeOf<T>();
    r.get = get;
    r.set = set;
    return r;
}

// ---- what the frame derives from the rows, usable in static_assert ----

constexpr uint32_t savedWidth(const PropertyRow& row) {
    switch (row.type) {
    case FieldType::Integer:
    case FieldType::Color:
        return 4;
    case FieldType::Float:
        return 8;
    case FieldType::Text:
        return row.size;
    }
    return 0;
}

constexpr uint32_t savedBlockSize(std::span<const PropertyRow> rows) {
    uint32_t total = 0;
    for (const PropertyRow& row : rows) {
        if (row.savedAt >= 0) {
            total += savedWidth(row);
        }
    }
    return total;
}

// The saved positions are 0, 1, 2, ... with no gap and no position twice, every saved row
// has a field, and no two script names are equal.
constexpr bool rowsAreConsistent(std::span<const PropertyRow> rows) {
    size_t savedCount = 0;
    for (const PropertyRow& row : rows) {
        if (row.savedAt >= 0) {
            ++savedCount;
            if (!row.hasField) {
                return false;
            }
        }
        if (row.name == nullptr && !row.hasField) {
            return false;
        }
    }
    for (size_t position = 0; position < savedCount; ++position) {
        size_t holders = 0;
        for (const PropertyRow& row : rows) {
            holders += row.savedAt == static_cast<int>(position) ? 1 : 0;
        }
        if (holders != 1) {
            return false;
        }
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i].name != nullptr && rows[j].name != nullptr &&
                std::string_view(rows[i].name) == rows[j].name) {
                return false;
            }
        }
    }
    return true;
}

// The index of the row named `name`; rows.size() when there is none.
constexpr size_t rowIndex(std::span<const PropertyRow> rows, std::string_view name) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name != nullptr && name == rows[i].name) {
            return i;
        }
    }
    return rows.size();
}

} // namespace zx
