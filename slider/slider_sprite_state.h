// What a slider sprite remembers between its draws and events: the parts as last drawn (for
// hit tests and the next step), where the thumb was grabbed, and the window the cursor was
// over at the press, in whose client coordinates the cursor is read while dragging.
#pragma once

#include <windows.h>

#include "engine/part_hit.h"
#include "zxplugin/kind_support.h"

namespace glidebar {

struct SpriteState {
    zx::slider::DrawnParts drawn;
    int32_t grabOffset = 0;
    HWND window = nullptr;
    // A press on the thumb started a drag that lasts until the button is released.
    bool dragging = false;
};

using SpriteStateOf = zx::ActorState<SpriteState>;

inline constexpr zx::MemberProperty<int32_t> kActiveComponent{"ActiveComponent"};
inline constexpr zx::MemberProperty<double> kValue{"Value"};
inline constexpr zx::MemberProperty<double> kXMinimum{"XMinimum"};
inline constexpr zx::MemberProperty<double> kXMaximum{"XMaximum"};

} // namespace glidebar
