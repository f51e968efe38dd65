// The deliverable plotmark32: its class identifiers (version 2), registration strings (with
// the extra "myData" entry), the graph member and the sprite.
#include "graph_member.h"
#include "graph_sprite.h"
#include "graph_sprite_state.h"
#include "plotmark32_res.h"

namespace plotmark {
namespace {

void setDefaults(void* block) {
    setGraphDefaults(*static_cast<GraphProperties*>(block));
}

} // namespace
} // namespace plotmark

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("64D37E20-F440-11CF-BEFD-00A02406E943"),
        .assetClass = guid("C8730860-F440-11CF-BEFD-00A02406E943"),
        .actorClass = guid("E8C2D280-F440-11CF-BEFD-00A02406E943"),
        .version = 2,
        .hasAssetAux = false,
        .symbol = "plotmark",
        .displayName = "Plotmark",
        .putsMyData = true,
        .asset =
            {
                .rows = plotmark::memberRows(),
                .commands = plotmark::memberCommands(),
                .blockSize = sizeof(plotmark::GraphProperties),
                .setDefaults = plotmark::setDefaults,
                .dialogId = IDD_PROPERTIES,
                .thumbnailId = IDB_THUMBNAIL,
                .defaultRect = {-10, -10, 10, 10},
                .keepsMemberHost = true,
                .changes = changes::kAfterConstruction | changes::kClearedByDraw,
                .normalize = plotmark::normalizeMember,
            },
        .actor =
            {
                .state = plotmark::SpriteStateOf::lifetime,
                .caps = 6,
                .keepsSpriteHost = true,
                .draw = plotmark::drawGraphSprite,
                .handleEvent = plotmark::handleGraphEvent,
                .linkNotice = plotmark::graphLinkNotice,
                .destruct = plotmark::destructGraphSprite,
            },
    };
    return kind;
}
