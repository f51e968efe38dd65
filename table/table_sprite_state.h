// What a table sprite keeps between calls: its rectangle from the last draw, against which
// mouse presses are hit-tested.
#pragma once

#include <cstdint>

#include "zxplugin/kind_support.h"

namespace gridcell {

struct SpriteState {
    int32_t top = 0, left = 0, bottom = 0, right = 0;
};
using Sprite = zx::ActorState<SpriteState>;

} // namespace gridcell
