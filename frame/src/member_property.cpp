// A sprite's road to its member's properties (the member's own GetProp and SetProp with the
// actor's copy of the member's symbols, so a sprite sees exactly what a script sees) and to
// the movie's script handlers.
#include <string>
#include <vector>

#include "frame_internal.h"

#include "zxplugin/kind_support.h"

namespace zx {
namespace {

Result toHost(HostUtilities& u, int32_t value, HostValue* out) {
    return u.ops->integerToValue(&u, value, out);
}
Result toHost(HostUtilities& u, uint32_t value, HostValue* out) {
    return u.ops->integerToValue(&u, static_cast<int32_t>(value), out);
}
Result toHost(HostUtilities& u, double value, HostValue* out) {
    return u.ops->floatToValue(&u, value, out);
}

Result toHost(HostUtilities& u, const std::string& value, HostValue* out) {
    return u.ops->stringToValue(&u, value.c_str(), out);
}

Result fromHost(HostUtilities& u, const HostValue* value, std::string* out) {
    std::vector<char> buffer(kScriptTextCapacity + 1, '\0');
    const Result result =
        u.ops->valueToString(&u, value, buffer.data(), static_cast<int32_t>(kScriptTextCapacity));
    if (result == kOk) {
        buffer.back() = '\0';
        *out = buffer.data();
    }
    return result;
}

Result fromHost(HostUtilities& u, const HostValue* value, int32_t* out) {
    return u.ops->valueToInteger(&u, value, out);
}
Result fromHost(HostUtilities& u, const HostValue* value, uint32_t* out) {
    int32_t number = 0;
    const Result result = u.ops->valueToInteger(&u, value, &number);
    if (result == kOk) {
        *out = static_cast<uint32_t>(number);
    }
    return result;
}
Result fromHost(HostUtilities& u, const HostValue* value, double* out) {
    return u.ops->valueToFloat(&u, value, out);
}

} // namespace

template <class T>
Symbol MemberProperty<T>::symbol(ActorRecord& actor) const {
    const size_t row = rowIndex(thisKind().asset.rows, name_);
    return row < thisKind().asset.rows.size() ? actorSymbols(actor)[row] : 0;
}

template <class T>
Result MemberProperty<T>::read(ActorRecord& actor, T* out) const {
    HostUtilities* utilities = actor.utilities;
    if (actor.asset == nullptr || utilities == nullptr) {
        return kUnknownProperty;
    }
    HostValue value{};
    Result result = actor.asset->ops->getProp(actor.asset, symbol(actor), &value);
    if (result != kOk) {
        return result;
    }
    result = fromHost(*utilities, &value, out);
    utilities->ops->releaseValue(utilities, &value);
    return result;
}

template <class T>
Result MemberProperty<T>::write(ActorRecord& actor, T number) const {
    HostUtilities* utilities = actor.utilities;
    if (actor.asset == nullptr || utilities == nullptr) {
        return kUnknownProperty;
    }
    HostValue value{};
    Result result = toHost(*utilities, number, &value);
    if (result != kOk) {
        return result;
    }
    result = actor.asset->ops->setProp(actor.asset, symbol(actor), &value);
    utilities->ops->releaseValue(utilities, &value);
    return result;
}

template class MemberProperty<int32_t>;
template class MemberProperty<uint32_t>;
template class MemberProperty<double>;
template class MemberProperty<std::string>;

Result callMovieHandler(ActorRecord& actor, const char* name,
                        std::span<const HostValue> arguments) {
    HostUtilities* utilities = actor.utilities;
    SpriteServices* services = actor.spriteServices;
    if (utilities == nullptr || services == nullptr) {
        return kNoSuchInterface;
    }
    Symbol handler = 0;
    Result result = utilities->ops->stringToSymbol(utilities, name, &handler);
    if (result != kOk) {
        return result;
    }
    // argv holds at least one value even without arguments.
    const HostValue none[1] = {};
    HostValue answer{};
    result = services->ops->callHandler(services, handler, static_cast<int32_t>(arguments.size()),
                                        arguments.empty() ? none : arguments.data(), &answer);
    if (result == kOk) {
        utilities->ops->releaseValue(utilities, &answer);
    }
    return result;
}

void markMemberChanged(ActorRecord& actor) {
    if (AssetRecord* asset = linkedAsset(actor)) {
        asset->changedFlag = 1;
    }
}

} // namespace zx
