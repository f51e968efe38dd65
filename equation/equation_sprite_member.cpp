// The sprite's road to its member's properties: the actor keeps the member's symbols in the
// member's own order, so a property is found by its name in the kind's table.
#include <cstring>

#include "engine/equation_pane.h"
#include "equation_sprite_state.h"

namespace formulon {
namespace {

const char* propertyName(MemberProp property) {
    switch (property) {
    case MemberProp::EquatPane:
        return "EquatPane";
    case MemberProp::EquatInit:
        return "EquatInit";
    case MemberProp::Idle:
        return "Idle";
    case MemberProp::Enabled:
        return "Enabled";
    case MemberProp::BackColor:
        return "BackColor";
    case MemberProp::TextColor:
        return "TextColor";
    case MemberProp::BlackBorder:
        return "BlackBorder";
    case MemberProp::Shockwave:
        return "Shockwave";
    }
    return "";
}

} // namespace

zx::Symbol memberSymbol(zx::ActorRecord& actor, MemberProp property) {
    const char* name = propertyName(property);
    const auto& properties = zx::thisKind().asset.properties;
    for (size_t i = 0; i < properties.size(); ++i) {
        if (std::strcmp(properties[i].name, name) == 0) {
            return zx::actorSymbols(actor)[i];
        }
    }
    return 0;
}

zx::Result readMemberInt(zx::ActorRecord& actor, MemberProp property, int32_t* out) {
    zx::HostUtilities* utilities = actor.utilities;
    if (actor.asset == nullptr || utilities == nullptr) {
        return zx::kUnknownProperty;
    }
    zx::HostValue value{};
    zx::Result result =
        actor.asset->ops->getProp(actor.asset, memberSymbol(actor, property), &value);
    if (result != zx::kOk) {
        return result;
    }
    result = utilities->ops->valueToInteger(utilities, &value, out);
    utilities->ops->releaseValue(utilities, &value);
    return result;
}

zx::Result writeMemberInt(zx::ActorRecord& actor, MemberProp property, int32_t number) {
    zx::HostUtilities* utilities = actor.utilities;
    if (actor.asset == nullptr || utilities == nullptr) {
        return zx::kUnknownProperty;
    }
    zx::HostValue value{};
    zx::Result result = utilities->ops->integerToValue(utilities, number, &value);
    if (result != zx::kOk) {
        return result;
    }
    result = actor.asset->ops->setProp(actor.asset, memberSymbol(actor, property), &value);
    utilities->ops->releaseValue(utilities, &value);
    return result;
}

zx::Result linkedPane(zx::ActorRecord& actor, zx::equation::EquationPane** out) {
    *out = nullptr;
    int32_t id = 0;
    const zx::Result result = readMemberInt(actor, MemberProp::EquatPane, &id);
    if (result == zx::kOk) {
        *out = zx::equation::Panes().Find(id);
    }
    return result;
}

void markMemberChanged(zx::ActorRecord& actor) {
    if (zx::AssetRecord* asset = zx::linkedAsset(actor)) {
        asset->changedFlag = 1;
    }
}

} // namespace formulon
