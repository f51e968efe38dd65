#include "cursor_shapes.h"

#include <windows.h>
#include <zxw32/user_ext.h>

namespace zentrix::play {

SDL_SystemCursor systemCursorOf(int shape) {
    switch (shape) {
    case 32513:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514:
        return SDL_SYSTEM_CURSOR_WAIT;
    case 32515:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32642:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 32643:
        return SDL_SYSTEM_CURSOR_SIZENESW;
    case 32644:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    case 32645:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case 32646:
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32648:
        return SDL_SYSTEM_CURSOR_NO;
    case 32649:
        return SDL_SYSTEM_CURSOR_HAND;
    case 32650:
        return SDL_SYSTEM_CURSOR_WAITARROW;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

void CursorShapes::follow() {
    const int shape = zxw32::cursorShape();
    if (shape == shown_) {
        return;
    }
    shown_ = shape;
    if (shape == 0) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    const SDL_SystemCursor wanted = systemCursorOf(shape);
    CursorHandle& cursor = made_[wanted];
    if (!cursor) {
        cursor.reset(SDL_CreateSystemCursor(wanted));
    }
    if (cursor) {
        SDL_SetCursor(cursor.get());
    }
    SDL_ShowCursor(SDL_ENABLE);
}

} // namespace zentrix::play
