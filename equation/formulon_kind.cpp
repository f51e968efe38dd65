// The deliverable formulon32: its class identifiers, registration strings and the equation
// member's and sprite's descriptions.
#include "equation_member.h"
#include "equation_sprite.h"
#include "equation_sprite_state.h"

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("4E0F0C00-F4E9-11CF-BEFD-00A02406E943"),
        .assetClass = guid("751E21A0-F4E9-11CF-BEFD-00A02406E943"),
        .actorClass = guid("95326960-F4E9-11CF-BEFD-00A02406E943"),
        .version = 1,
        .hasAssetAux = true,
        .symbol = "formulon",
        .displayName = "Formulon",
        .putsMyData = false,
        .asset = formulon::equationAsset(),
        .actor =
            {
                .state = formulon::SpriteStateOf::lifetime,
                .caps = 6,
                .keepsSpriteHost = true,
                .draw = formulon::drawEquationSprite,
                .handleEvent = formulon::handleEquationEvent,
                .setProp = formulon::setEquationSpriteProp,
                .construct = formulon::constructEquationSprite,
                .destruct = formulon::destructEquationSprite,
            },
    };
    return kind;
}
