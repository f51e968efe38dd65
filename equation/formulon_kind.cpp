// The deliverable formulon32: its class identifiers, registration strings and the equation
// member's and sprite's descriptions.
#include "equation_member.h"
#include "equation_sprite.h"

namespace formulon {
namespace {

constexpr zx::Guid kRegistrarClass{
    0x4E0F0C00, 0xF4E9, 0x11CF, {0xBE, 0xFD, 0x00, 0xA0, 0x24, 0x06, 0xE9, 0x43}};
constexpr zx::Guid kAssetClass{
    0x751E21A0, 0xF4E9, 0x11CF, {0xBE, 0xFD, 0x00, 0xA0, 0x24, 0x06, 0xE9, 0x43}};
constexpr zx::Guid kActorClass{
    0x95326960, 0xF4E9, 0x11CF, {0xBE, 0xFD, 0x00, 0xA0, 0x24, 0x06, 0xE9, 0x43}};

} // namespace
} // namespace formulon

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = formulon::kRegistrarClass,
        .assetClass = formulon::kAssetClass,
        .actorClass = formulon::kActorClass,
        .version = 1,
        .hasAssetAux = true,
        .symbol = "formulon",
        .displayName = "Formulon",
        .putsMyData = false,
        .asset = formulon::equationAsset(),
        .actor =
            {
                .stateSize = formulon::kSpriteStateSize,
                .caps = 6,
                .keepsSpriteHost = true,
                .drawClearsChanged = false,
                .draw = formulon::drawEquationSprite,
                .handleEvent = formulon::handleEquationEvent,
                .setProp = formulon::setEquationSpriteProp,
                .construct = formulon::constructEquationSprite,
                .destruct = formulon::destructEquationSprite,
            },
    };
    return kind;
}
