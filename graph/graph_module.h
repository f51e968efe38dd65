// State shared by every graph member and sprite of the module: the drawn flag (a full draw of
// any sprite clears it when it starts and sets it when it finishes; redraw notifications go
// out only while it is set), the mouse button and trace flags, and the line handle last hit
// with the mouse.
#pragma once

#include <cstdint>

namespace plotmark {

struct GraphModule {
    bool drawn = false;
    bool buttonDown = false;     // between a press on any graph sprite and its release
    bool traceSuspended = false; // a press on the plot interrupted a trace
    int32_t handleIndex = 0;     // 0-6
    int32_t grabX = 0;           // mouse minus handle centre when the handle was hit, pixels
    int32_t grabY = 0;
    // Set while a redraw request runs: a "Refresh" handler that writes MouseMove comes back
    // here through the member's notification, and that nested request is dropped instead of
    // calling the handler again without end.
    bool requestingRedraw = false;
};

GraphModule& graphModule();

} // namespace plotmark
