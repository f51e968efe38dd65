// The graph cast member: its PropertyBlock is the engine's GraphProperties. The member
// passes the engine's effects on: notifications to every sprite of the member through the
// host's cast-member object, message boxes to the user.
#pragma once

#include <span>

#include "engine/graph_effect.h"
#include "engine/graph_properties.h"
#include "zxplugin/kind.h"
#include "zxplugin/records.h"

namespace plotmark {

inline GraphProperties& graphProperties(zx::AssetRecord& asset) {
    return zx::blockOf<GraphProperties>(asset);
}

// Sends the notification (if any) to the member's sprites and shows the message (if any).
void applyEffect(zx::AssetRecord& asset, const Effect& effect);

// The member's parts, each in its own file: the 48 property rows (in the order of
// GraphProperty) with the saved block and the dialog, and the four methods.
std::span<const zx::PropertyRow> memberRows();
std::span<const zx::CommandSpec> memberCommands();
void normalizeMember(zx::AssetRecord& asset, const zx::Change& change);

} // namespace plotmark
