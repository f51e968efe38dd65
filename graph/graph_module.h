// State shared by every graph member and sprite of the module: the drawn flag (a full draw of
// any sprite clears it when it starts and sets it when it finishes; redraw notifications go
// out only while it is set) and the line handle last hit with the mouse.
#pragma once

#include <cstdint>

namespace plotmark {

struct GraphModule {
    bool drawn = false;
    int32_t handleIndex = 0; // 0-6
};

GraphModule& graphModule();

} // namespace plotmark
