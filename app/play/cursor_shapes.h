// The cursor that plug-ins and scripts set with SetCursor, shown as the window system's own
// cursor of the same shape.
#pragma once

#include <map>

#include "sdl_handles.h"

namespace zentrix::play {

// The SDL system cursor of an IDC_* shape number; the arrow for shapes it does not have.
SDL_SystemCursor systemCursorOf(int shape);

class CursorShapes {
public:
    // Shows the shape that libw32 holds now, when it changed since the last call.
    void follow();

private:
    int shown_ = -1;
    std::map<SDL_SystemCursor, CursorHandle> made_;
};

} // namespace zentrix::play
