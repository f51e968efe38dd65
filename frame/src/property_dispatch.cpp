// GetProp and SetProp: the symbol is searched in the SymbolTable, in row order, and the
// matching row says how the value is converted, whether the access is allowed and whether
// the write marks the member changed.
#include <cstring>

#include "frame_internal.h"

#include "zxplugin/kind_support.h"

namespace zx {
namespace {

// The row of a script-visible symbol, or -1. Rows without a name are never found.
int findProperty(AssetRecord& asset, Symbol symbol) {
    const Symbol* table = assetSymbols(asset);
    const auto rows = thisKind().asset.rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name != nullptr && table[i] == symbol) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

char* fieldOf(AssetRecord& asset, const PropertyRow& row) {
    return static_cast<char*>(propertyBlock(asset)) + row.offset;
}

Result readField(AssetRecord& asset, const PropertyRow& row, ScriptAnswer& out) {
    const char* field = fieldOf(asset, row);
    switch (row.type) {
    case FieldType::Integer:
    case FieldType::Color: {
        int32_t number;
        std::memcpy(&number, field, sizeof number);
        return out.integer(number);
    }
    case FieldType::Float: {
        double number;
        std::memcpy(&number, field, sizeof number);
        return out.number(number);
    }
    case FieldType::Text:
        return out.text(field);
    }
    return kUnknownProperty;
}

// Conversion results are not checked: a failed conversion leaves the field as it was.
void writeField(AssetRecord& asset, const PropertyRow& row, const ScriptValue& value) {
    char* field = fieldOf(asset, row);
    switch (row.type) {
    case FieldType::Integer:
    case FieldType::Color: {
        int32_t number;
        std::memcpy(&number, field, sizeof number);
        number = value.integer(number);
        std::memcpy(field, &number, sizeof number);
        break;
    }
    case FieldType::Float: {
        double number;
        std::memcpy(&number, field, sizeof number);
        number = value.number(number);
        std::memcpy(field, &number, sizeof number);
        break;
    }
    case FieldType::Text:
        value.textInto(field, row.size);
        break;
    }
}

} // namespace

Result ZX_CALL assetGetProp(AssetInterface* self, Symbol property, HostValue* out) {
    AssetRecord& asset = *assetOf(self);
    const int index = findProperty(asset, property);
    if (index < 0) {
        return kUnknownProperty;
    }
    HostUtilities* utilities = asset.utilities;
    if (utilities == nullptr) {
        return kNoSuchInterface;
    }
    const PropertyRow& row = thisKind().asset.rows[static_cast<size_t>(index)];
    if (!row.readable()) {
        return kUnknownProperty;
    }
    ScriptAnswer answer(*utilities, out);
    return row.get != nullptr ? row.get(asset, answer) : readField(asset, row, answer);
}

Result ZX_CALL assetSetProp(AssetInterface* self, Symbol property, const HostValue* value) {
    AssetRecord& asset = *assetOf(self);
    const AssetKind& kind = thisKind().asset;
    const int index = findProperty(asset, property);
    if (index < 0) {
        if (kind.unknownWrite != UnknownWrite::RefusedUnmarked) {
            asset.changedFlag = 1;
        }
        return kind.unknownWrite == UnknownWrite::Ignored ? kOk : kUnknownProperty;
    }
    const auto row = static_cast<size_t>(index);
    const PropertyRow& entry = kind.rows[row];
    if (entry.marksChanged) {
        asset.changedFlag = 1;
    }
    Result result = kOk;
    HostUtilities* utilities = asset.utilities;
    if (entry.access == Access::IgnoresWrites) {
        return kOk;
    }
    if (!entry.writable()) {
        result = kUnknownProperty;
    } else if (utilities != nullptr) {
        const ScriptValue incoming(*utilities, value);
        if (entry.set != nullptr) {
            result = entry.set(asset, incoming);
        } else {
            writeField(asset, entry, incoming);
        }
    }
    if (kind.normalize != nullptr) {
        kind.normalize(asset, Change{Occasion::Set, row});
    }
    return result;
}

} // namespace zx
