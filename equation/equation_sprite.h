// The equation sprite's operations, handed to the frame by the kind description
// (formulon_kind.cpp): drawing the member's pane, the events, the sprite property "Idle",
// and the actor's construction (the four button pictures) and destruction.
#pragma once

#include <cstdint>

#include <windows.h>

#include "zxplugin/kind.h"
#include "zxplugin/records.h"

namespace formulon {

zx::Result drawEquationSprite(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                              zx::DrawContext* context);
zx::Result handleEquationEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                               int32_t* handled);
zx::Result setEquationSpriteProp(zx::ActorRecord& actor, zx::Symbol property,
                                 const zx::HostValue* value);
zx::Result constructEquationSprite(zx::ActorRecord& actor);
void destructEquationSprite(zx::ActorRecord& actor);

} // namespace formulon
