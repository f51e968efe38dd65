// reentry32: a plug-in built only for the host tests. Its sprite calls the movie's "Refresh"
// handler from every event and from Draw, and afterwards writes to its own state and reads
// its member, as real kinds do once a handler returns. A handler that removes the sprite,
// its member or the whole movie meanwhile is what the tests exercise: under AddressSanitizer
// any access to a freed instance fails them.
#include <cstdint>

#include "zxframe/host_interfaces.h"
#include "zxplugin/kind_support.h"
#include "zxplugin/records.h"

namespace reentry {
namespace {

struct ReentryBlock {
    int32_t counter;
};

struct ReentryState {
    int32_t calls;
    int32_t lastEvent;
};

constexpr zx::PropertyRow kRows[] = {
    zx::field("Counter", ZX_FIELD(ReentryBlock, counter)),
};

void setDefaults(void* block) {
    static_cast<ReentryBlock*>(block)->counter = 0;
}

void callRefresh(zx::ActorRecord& actor) {
    zx::callMovieHandler(actor, "Refresh");
}

// After the handler: the sprite's own state and its member's block, both of which must
// still be there.
void touchAfterHandler(zx::ActorRecord& actor, int32_t event) {
    ReentryState& state = zx::ActorState<ReentryState>::of(actor);
    ++state.calls;
    state.lastEvent = event;
    if (zx::AssetRecord* asset = zx::linkedAsset(actor)) {
        ++zx::blockOf<ReentryBlock>(*asset).counter;
    }
}

zx::Result drawReentry(zx::ActorRecord& actor, const zx::DrawRecord&, HDC, zx::DrawContext*) {
    callRefresh(actor);
    touchAfterHandler(actor, 0);
    return zx::kOk;
}

zx::Result handleReentryEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                              int32_t* handled) {
    callRefresh(actor);
    touchAfterHandler(actor, event.words[0]);
    *handled = 1;
    return zx::kOk;
}

} // namespace
} // namespace reentry

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("5A0B0E01-0001-4E51-8000-000000000001"),
        .assetClass = guid("5A0B0E01-0002-4E51-8000-000000000001"),
        .actorClass = guid("5A0B0E01-0003-4E51-8000-000000000001"),
        .version = 1,
        .hasAssetAux = false,
        .symbol = "reentry",
        .displayName = "Reentry",
        .putsMyData = false,
        .asset =
            {
                .rows = reentry::kRows,
                .commands = {},
                .blockSize = sizeof(reentry::ReentryBlock),
                .setDefaults = reentry::setDefaults,
                .defaultRect = {0, 0, 20, 20},
                .keepsMemberHost = true,
                .changes = changes::kAfterConstruction,
            },
        .actor =
            {
                .state = ActorState<reentry::ReentryState>::lifetime,
                .keepsSpriteHost = true,
                .draw = reentry::drawReentry,
                .handleEvent = reentry::handleReentryEvent,
            },
    };
    return kind;
}
