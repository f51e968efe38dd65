// The counter's PropertyBlock and the hooks that the kind's descriptor gathers.
#pragma once

#include <cstdint>

#include "zxplugin/kind.h"

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

// The cast member's tables (counter_member.cpp).
extern const zx::AssetKind kCounterAsset;

// The sprite's drawing (counter_drawing.cpp).
zx::Result drawCounter(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                       zx::DrawContext* context);

} // namespace tallydisc
