// The slider's events: a press names the part under the mouse as the member's
// ActiveComponent (the next draw applies its step), a release or a cancel ends the
// interaction. A drag that began on the thumb stays a drag wherever the mouse goes.
#include "engine/part_hit.h"
#include "slider_block.h"
#include "slider_sprite_state.h"

namespace glidebar {
namespace {

namespace sl = zx::slider;

// The window under the screen cursor: the drag reads the cursor in its client coordinates.
HWND windowUnderCursor() {
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor);
}

} // namespace

zx::Result handleSliderEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                             int32_t* handled) {
    zx::markMemberChanged(actor);
    *handled = 0;
    SpriteState& state = SpriteStateOf::of(actor);
    const int32_t kind = event.words[0];
    if (kind == zx::event::kMouseUp || kind == zx::event::kCancel) {
        state.dragging = false;
        return kActiveComponent.write(actor, sl::kPartNone);
    }
    if (kind != zx::event::kMouseDown && kind != zx::event::kMouseDrag) {
        return zx::kOk;
    }
    state.window = windowUnderCursor();
    // Tested against the thumb as last drawn, a drag would turn into paging as soon as the
    // mouse outran it, and a new grab offset would leave the thumb behind the mouse.
    if (kind == zx::event::kMouseDrag && state.dragging) {
        return kActiveComponent.write(actor, sl::kPartThumb);
    }
    const sl::Point p{event.words[3], event.words[2]};
    const sl::SliderPart part = sl::partAt(state.drawn, p);
    if (part == sl::kPartThumb) {
        state.grabOffset = sl::grabOffset(state.drawn, p);
    }
    if (kind == zx::event::kMouseDown) {
        state.dragging = part == sl::kPartThumb;
    }
    return kActiveComponent.write(actor, part);
}

} // namespace glidebar
