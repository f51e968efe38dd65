// Message boxes that plug-ins show, as real modal boxes of the window system; the button a
// person presses goes back to the plug-in.
#pragma once

#include <SDL.h>

namespace zentrix::play {

// Shows the box over `parent` (may be null) and returns the Windows id of the button pressed
// (IDOK, IDYES ...). When the window system cannot show a box, the first button is pressed,
// as in a headless run.
int showMessageBox(SDL_Window* parent, const char* text, const char* caption, unsigned type);

} // namespace zentrix::play
