#include "value_store.h"

namespace zxhost {

bool isStoredType(int32_t type) {
    return type == kFloat || type == kString || type == kList || type == kRect || type == kPicture;
}

zx::HostValue ValueStore::make(const Value& value, int32_t symbolId) {
    if (const auto* i = value.get<int32_t>()) {
        return {kInteger, *i};
    }
    if (value.is<SymbolName>()) {
        return {kSymbol, symbolId};
    }
    if (const auto* m = value.get<MemberRef>()) {
        return {kMember, m->id};
    }
    if (const auto* s = value.get<SpriteRef>()) {
        return {kSprite, s->id};
    }
    if (const auto* p = value.get<PictureRef>()) {
        // A picture value given back: a new handle onto a copy of the same picture.
        if (const Picture* picture = pictureByHandle(p->handle)) {
            return makePicture(*picture);
        }
        return {kVoid, 0};
    }
    int32_t type = kVoid;
    if (value.is<double>()) {
        type = kFloat;
    } else if (value.is<std::string>()) {
        type = kString;
    } else if (value.is<List>()) {
        type = kList;
    } else if (value.is<Rect>()) {
        type = kRect;
    }
    if (type == kVoid) {
        return {kVoid, 0};
    }
    const int32_t handle = next_++;
    entries_.emplace(handle, Entry{value, std::nullopt});
    return {type, handle};
}

zx::HostValue ValueStore::makePicture(Picture picture) {
    const int32_t handle = next_++;
    Entry entry{Value(PictureRef{handle}), std::move(picture)};
    entries_.emplace(handle, std::move(entry));
    return {kPicture, handle};
}

const ValueStore::Entry* ValueStore::find(const zx::HostValue& value) const {
    if (!isStoredType(value.type)) {
        return nullptr;
    }
    auto found = entries_.find(value.payload);
    if (found == entries_.end()) {
        return nullptr;
    }
    // The handle must hold a value of the type the record claims.
    const Value& v = found->second.value;
    const bool matches = (value.type == kFloat && v.is<double>()) ||
                         (value.type == kString && v.is<std::string>()) ||
                         (value.type == kList && v.is<List>()) ||
                         (value.type == kRect && v.is<Rect>()) ||
                         (value.type == kPicture && found->second.picture.has_value());
    return matches ? &found->second : nullptr;
}

Value ValueStore::read(const zx::HostValue& value) const {
    switch (value.type) {
    case kInteger:
        return Value(value.payload);
    case kSymbol:
        return Value(SymbolName{});
    case kMember:
        return Value(MemberRef{value.payload});
    case kSprite:
        return Value(SpriteRef{value.payload});
    default:
        break;
    }
    const Entry* entry = find(value);
    return entry ? entry->value : Value();
}

const Picture* ValueStore::picture(const zx::HostValue& value) const {
    if (value.type != kPicture) {
        return nullptr;
    }
    const Entry* entry = find(value);
    return entry ? &*entry->picture : nullptr;
}

const Picture* ValueStore::pictureByHandle(int32_t handle) const {
    return picture(zx::HostValue{kPicture, handle});
}

bool ValueStore::release(const zx::HostValue& value) {
    if (!find(value)) {
        return false;
    }
    entries_.erase(value.payload);
    return true;
}

} // namespace zxhost
