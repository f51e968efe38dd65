// What a draw paints while the mouse only moves: the kept picture of the last full draw, with
// the pip, the trace text and the cursor lines over it.
#pragma once

#include <windows.h>

#include "graph_sprite_state.h"

namespace plotmark {

// Copies the kept bitmap to the screen at the sprite's place; without BlackBorder one pixel
// less in width and height, so the unpainted last column and row stay the stage's.
void copyCache(const SpriteState& state, HDC screen, bool blackBorder);

void paintTraceOverlay(zx::ActorRecord& actor, HDC screen, const RECT& rect);

} // namespace plotmark
