// The calculator sprite: each sprite keeps its own keypad arithmetic (display, entry,
// accumulators, pending operators), while the error flag is one for the whole module, so an
// error in any calculator locks every calculator until one of them clears or finishes.
#pragma once

#include <windows.h>

#include "engine/calculator_engine.h"
#include "engine/error_flag.h"
#include "zxplugin/kind_support.h"

namespace keypadix {

// The module's error flag, shared by every calculator sprite.
zx::calculator::ErrorFlag& moduleErrorFlag();

struct SpriteState {
    zx::calculator::CalculatorEngine engine{moduleErrorFlag()};
    HWND window = nullptr; // the window under the cursor at the last press
};
using SpriteStateOf = zx::ActorState<SpriteState>;

zx::Result drawCalculator(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                          zx::DrawContext* context);
zx::Result handleCalculatorEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                                 int32_t* handled);

} // namespace keypadix
