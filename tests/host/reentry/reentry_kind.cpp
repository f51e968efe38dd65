// reentry32: a plug-in built only for the host tests. Its sprite calls the movie's "Refresh"
// handler from every event and from Draw, and afterwards writes to its own state and reads
// its member, as real kinds do once a handler returns. A handler that removes the sprite,
// its member or the whole movie meanwhile is what the tests exercise: under AddressSanitizer
// any access to a freed instance fails them.
#include <cstdint>

#include "zxframe/host_interfaces.h"
#include "zxplugin/kind.h"
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

constexpr zx::PropertySpec kProperties[] = {
    {"Counter", zx::FieldType::Integer, 0},
};

void setDefaults(void* block) {
    static_cast<ReentryBlock*>(block)->counter = 0;
}

const zx::AssetKind kReentryAsset = {
    .properties = kProperties,
    .saved = {},
    .commands = {},
    .dialog = {},
    .blockSize = sizeof(ReentryBlock),
    .setDefaults = setDefaults,
    .dialogId = 0,
    .thumbnailId = 0,
    .defaultRect = {0, 0, 20, 20},
    .keepsMemberHost = true,
    .changedAfterConstruction = true,
};

void callRefresh(zx::ActorRecord& actor) {
    zx::HostUtilities* utilities = actor.utilities;
    zx::SpriteServices* services = actor.spriteServices;
    if (utilities == nullptr || services == nullptr) {
        return;
    }
    zx::Symbol refresh = 0;
    if (utilities->ops->stringToSymbol(utilities, "Refresh", &refresh) != zx::kOk) {
        return;
    }
    const zx::HostValue none[1] = {};
    zx::HostValue answer{};
    if (services->ops->callHandler(services, refresh, 0, none, &answer) == zx::kOk) {
        utilities->ops->releaseValue(utilities, &answer);
    }
}

// After the handler: the sprite's own state and its member's block, both of which must
// still be there.
void touchAfterHandler(zx::ActorRecord& actor, int32_t event) {
    ReentryState& state = zx::stateOf<ReentryState>(actor);
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

constexpr zx::Guid kRegistrarClass{
    0x5A0B0E01, 0x0001, 0x4E51, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};
constexpr zx::Guid kAssetClass{
    0x5A0B0E01, 0x0002, 0x4E51, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};
constexpr zx::Guid kActorClass{
    0x5A0B0E01, 0x0003, 0x4E51, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};

} // namespace
} // namespace reentry

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = reentry::kRegistrarClass,
        .assetClass = reentry::kAssetClass,
        .actorClass = reentry::kActorClass,
        .version = 1,
        .hasAssetAux = false,
        .symbol = "reentry",
        .displayName = "Reentry",
        .putsMyData = false,
        .asset = reentry::kReentryAsset,
        .actor =
            {
                .stateSize = sizeof(reentry::ReentryState),
                .caps = 0,
                .keepsSpriteHost = true,
                .drawClearsChanged = false,
                .draw = reentry::drawReentry,
                .handleEvent = reentry::handleReentryEvent,
            },
    };
    return kind;
}
