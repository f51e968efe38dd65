// GetProp and SetProp: the symbol is searched in the SymbolTable, in property order, and
// the matching row of the kind's property table says how the value is converted.
#include <cstring>

#include "frame_internal.h"

namespace zx {
namespace {

// The row of a symbol, or -1.
int findProperty(AssetRecord& asset, Symbol symbol) {
    const Symbol* table = assetSymbols(asset);
    const size_t count = thisKind().asset.properties.size();
    for (size_t i = 0; i < count; ++i) {
        if (table[i] == symbol) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

char* fieldOf(AssetRecord& asset, const PropertySpec& entry) {
    return static_cast<char*>(propertyBlock(asset)) + entry.offset;
}

} // namespace

Result ZX_CALL assetGetProp(AssetInterface* self, Symbol property, HostValue* out) {
    AssetRecord& asset = *assetOf(self);
    const int row = findProperty(asset, property);
    if (row < 0) {
        return kUnknownProperty;
    }
    HostUtilities* utilities = asset.utilities;
    if (utilities == nullptr) {
        return kNoSuchInterface;
    }
    const PropertySpec& entry = thisKind().asset.properties[row];
    if (entry.get != nullptr) {
        return entry.get(asset, *utilities, out);
    }
    const char* field = fieldOf(asset, entry);
    switch (entry.type) {
    case FieldType::Integer:
    case FieldType::Color: {
        int32_t number;
        std::memcpy(&number, field, sizeof number);
        return utilities->ops->integerToValue(utilities, number, out);
    }
    case FieldType::Float: {
        double number;
        std::memcpy(&number, field, sizeof number);
        return utilities->ops->floatToValue(utilities, number, out);
    }
    case FieldType::Text:
        return utilities->ops->stringToValue(utilities, field, out);
    }
    return kUnknownProperty;
}

Result ZX_CALL assetSetProp(AssetInterface* self, Symbol property, const HostValue* value) {
    AssetRecord& asset = *assetOf(self);
    const AssetKind& kind = thisKind().asset;
    asset.changedFlag = 1; // also for names the kind does not know
    const int row = findProperty(asset, property);
    if (row < 0) {
        return kind.unknownSetSucceeds ? kOk : kUnknownProperty;
    }
    HostUtilities* utilities = asset.utilities;
    const PropertySpec& entry = kind.properties[row];
    if (entry.set != nullptr) {
        return utilities != nullptr ? entry.set(asset, *utilities, value) : kOk;
    }
    char* field = fieldOf(asset, entry);
    // Conversion results are not checked: a failed conversion leaves the field as it was.
    if (utilities != nullptr) {
        switch (entry.type) {
        case FieldType::Integer:
        case FieldType::Color: {
            int32_t number;
            std::memcpy(&number, field, sizeof number);
            utilities->ops->valueToInteger(utilities, value, &number);
            std::memcpy(field, &number, sizeof number);
            break;
        }
        case FieldType::Float: {
            double number;
            std::memcpy(&number, field, sizeof number);
            utilities->ops->valueToFloat(utilities, value, &number);
            std::memcpy(field, &number, sizeof number);
            break;
        }
        case FieldType::Text:
            if (entry.size > 0) {
                utilities->ops->valueToString(utilities, value, field,
                                              static_cast<int32_t>(entry.size - 1));
                field[entry.size - 1] = '\0';
            }
            break;
        }
    }
    if (kind.afterSet != nullptr) {
        kind.afterSet(asset, static_cast<size_t>(row));
    }
    return kOk;
}

} // namespace zx
