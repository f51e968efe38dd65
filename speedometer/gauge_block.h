// The speedometer's PropertyBlock and the pieces of the kind that the declaration in
// dialgauge_kind.cpp hands to the frame: the drawing and the window commands.
#pragma once

#include <cstdint>

#include "zxplugin/kind.h"
#include "zxplugin/records.h"

namespace dialgauge {

struct GaugeBlock {
    int32_t xMin;
    int32_t xMax;
    int32_t xSpeed;
    int32_t smallTickSpace;
    int32_t bigTickSpace;
    uint32_t tickColor;
    uint32_t textColor;
    uint32_t speedColor;
    uint32_t backColor;
    double ySpeed;
};

// The sprite's drawing (gauge_drawing.cpp).
zx::Result drawGauge(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                     zx::DrawContext* context);

// The four window commands (window_commands.cpp), in the order they are matched.
zx::Result sendCloseMessage(zx::CommandCall& call);
zx::Result makeTopmost(zx::CommandCall& call);
zx::Result findWindow(zx::CommandCall& call);
zx::Result activateStageWindow(zx::CommandCall& call);

} // namespace dialgauge
