// Painting one control of a dialog in the classic look.
#pragma once

#include "dialog_snapshot.h"

namespace zxw32::user {

struct ControlPainter {
    HDC dc;
    HFONT font;
    int lineHeight;
    POINT origin; // the client area's top-left corner in the DC
    RECT client;  // the client area in the DC: no control draws outside it
};

// Paints the control inside its rectangle (moved by the painter's origin). An edit's
// scroll may change so that its caret stays in view; the new value is stored back.
void paintControl(const ControlPainter& painter, const ControlSnapshot& control);

} // namespace zxw32::user
