// The stage window and the caret natively: a window of libw32's registry, whose caret state
// libw32 exposes.
#include "platform.h"
#include "zxw32/user_ext.h"

namespace zxhost::platform {

HWND createStageWindow(const RECT& screen) {
    return zxw32::createWindow("ZentrixStage", "Zentrix Stage", screen, nullptr, nullptr);
}

void destroyStageWindow(HWND window) {
    if (window) {
        DestroyWindow(window);
    }
}

Caret caret() {
    const zxw32::CaretState state = zxw32::caretState();
    return Caret{state.owner,
                 state.width,
                 state.height,
                 static_cast<int>(state.position.x),
                 static_cast<int>(state.position.y),
                 state.visible};
}

} // namespace zxhost::platform
