// The graph sprite's operations, handed to the frame by the kind description
// (plotmark_kind.cpp): drawing, events, the member's notifications, construction and
// destruction.
#pragma once

#include <cstdint>

#include <windows.h>

#include "zxplugin/kind.h"
#include "zxplugin/records.h"

namespace plotmark {

zx::Result drawGraphSprite(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                           zx::DrawContext* context);
zx::Result handleGraphEvent(zx::ActorRecord& actor, const zx::EventRecord& event, int32_t* handled);
// Code 2 asks for a redraw, code 3 starts the mouse tracking.
zx::Result graphLinkNotice(zx::ActorRecord& actor, int32_t code, zx::AssetInterface* asset);
void destructGraphSprite(zx::ActorRecord& actor);

} // namespace plotmark
