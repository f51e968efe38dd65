// The counter's PropertyBlock and its drawing, which the kind's declaration hands to the
// frame.
#pragma once

#include <cstdint>

#include "zxplugin/kind.h"
#include "zxplugin/records.h"

namespace tallydisc {

struct CounterBlock {
    uint32_t backColorLeft;
    uint32_t backColorRight;
    uint32_t foreColorLeft;
    uint32_t foreColorRight;
    uint32_t divideColorLeft;
    uint32_t divideColorRight;
    int32_t digitsLeft;
    int32_t digitsRight;
    double value;
};

// The sprite's drawing (counter_drawing.cpp).
zx::Result drawCounter(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                       zx::DrawContext* context);

} // namespace tallydisc
