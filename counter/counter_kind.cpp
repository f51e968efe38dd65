// The deliverable tallydisc32: its class identifiers, registration strings and the
// counter's asset and actor descriptions.
#include "counter_block.h"

namespace tallydisc {
namespace {

constexpr zx::Guid kRegistrarClass{
    0xAE36B1BE, 0x0004, 0xAFA0, {0x00, 0x00, 0x08, 0x00, 0x07, 0x4E, 0x87, 0x9F}};
constexpr zx::Guid kAssetClass{
    0xAE36B1BE, 0x0004, 0xAFA2, {0x00, 0x00, 0x08, 0x00, 0x07, 0x4E, 0x87, 0x9F}};
constexpr zx::Guid kActorClass{
    0xAE36B1BE, 0x0004, 0xAFA5, {0x00, 0x00, 0x08, 0x00, 0x07, 0x4E, 0x87, 0x9F}};

} // namespace
} // namespace tallydisc

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = tallydisc::kRegistrarClass,
        .assetClass = tallydisc::kAssetClass,
        .actorClass = tallydisc::kActorClass,
        .version = 1,
        .hasAssetAux = false,
        .symbol = "tallydisc",
        .displayName = "Tallydisc",
        .putsMyData = false,
        .asset = tallydisc::kCounterAsset,
        .actor =
            {
                .stateSize = 0,
                .caps = 0,
                .keepsSpriteHost = false,
                .drawClearsChanged = true,
                .draw = tallydisc::drawCounter,
            },
    };
    return kind;
}
