// A small sprite kind that exercises the parts of the frame the counter does not use: a
// property of every field type, the auxiliary asset interface, unknown names refused on
// set, commands with script arguments, the picture operations, and the optional hooks:
// a computed property, the steps around save and load, and ChangedFlag set by commands.
#include <cstddef>

#include "zxplugin/kind_support.h"
#include "zxplugin/picture.h"
#include "zxplugin/records.h"

namespace {

using zx::field;

struct ProbeBlock {
    int32_t number;
    uint32_t tint;
    double amount;
    char label[16];
    int32_t loadResult;
    zx::Picture picture;
    int32_t saves;     // beforeSave calls
    int32_t loads;     // loads seen by normalize
    int32_t blockRead; // what the last load told normalize
};

ProbeBlock& block(zx::AssetRecord& asset) {
    return zx::blockOf<ProbeBlock>(asset);
}

// "Twice": a computed property, twice Number on reads; odd writes are refused.
zx::Result getTwice(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    return out.integer(2 * block(asset).number);
}
zx::Result setTwice(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    const int32_t number = value.integer(0);
    if (number % 2 != 0) {
        return zx::kUnknownProperty;
    }
    block(asset).number = number / 2;
    return zx::kOk;
}

void beforeSave(zx::AssetRecord& asset) {
    ++block(asset).saves;
}
void normalize(zx::AssetRecord& asset, const zx::Change& change) {
    if (change.occasion == zx::Occasion::Load) {
        ++block(asset).loads;
        block(asset).blockRead = change.blockRead ? 1 : 0;
    }
}

constexpr zx::PropertyRow kRows[] = {
    field("Number", ZX_FIELD(ProbeBlock, number)).saved(0),
    field("Tint", ZX_FIELD(ProbeBlock, tint)),
    field("Amount", ZX_FIELD(ProbeBlock, amount)).saved(1),
    field("Label", ZX_FIELD(ProbeBlock, label)).saved(2),
    field("LoadResult", ZX_FIELD(ProbeBlock, loadResult)),
    zx::computed<int32_t>("Twice", getTwice, setTwice),
    field("Saves", ZX_FIELD(ProbeBlock, saves)),
    field("Loads", ZX_FIELD(ProbeBlock, loads)),
    field("BlockRead", ZX_FIELD(ProbeBlock, blockRead)),
};
static_assert(zx::rowsAreConsistent(kRows));

// Add(a, b): Number += a + b.
zx::Result add(zx::CommandCall& call) {
    block(call.asset).number += call.integer(1) + call.integer(2);
    return zx::kOk;
}

zx::Result reload(zx::CommandCall& call) {
    return zx::loadPicture(call.asset.header, 101, block(call.asset).picture);
}

zx::Result replaceMedia(zx::CommandCall& call) {
    return zx::copyPictureFromMember(call.asset.header, call.argv[1], block(call.asset).picture);
}

// PictureSize() -> width * 1000 + height of the picture rectangle.
zx::Result pictureSize(zx::CommandCall& call) {
    const RECT r = zx::pictureRect(block(call.asset).picture);
    return call.answer().integer((r.right - r.left) * 1000 + (r.bottom - r.top));
}

constexpr zx::CommandSpec kCommands[] = {
    {"Add", 2, add},
    {"Reload", 0, reload},
    {"ReplaceMedia", 1, replaceMedia},
    {"PictureSize", 0, pictureSize},
};

void setDefaults(void* b) {
    static_cast<ProbeBlock*>(b)->number = 7;
}

zx::Result construct(zx::AssetRecord& asset) {
    block(asset).loadResult = zx::loadPicture(asset.header, 101, block(asset).picture);
    return zx::kOk;
}

void destruct(zx::AssetRecord& asset) {
    zx::freePicture(asset.header, block(asset).picture);
}

zx::Result draw(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC,
                zx::DrawContext* context) {
    const zx::HostRect destination{record.words[0], record.words[1], record.words[2],
                                   record.words[3]};
    return zx::drawPicture(context, block(*zx::linkedAsset(actor)).picture, destination, record);
}

} // namespace

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("5A580001-0001-0001-0000-000000000001"),
        .assetClass = guid("5A580001-0001-0002-0000-000000000001"),
        .actorClass = guid("5A580001-0001-0003-0000-000000000001"),
        .version = 2,
        .hasAssetAux = true,
        .symbol = "probe",
        .displayName = "Probe",
        .putsMyData = true,
        .asset =
            {
                .rows = kRows,
                .commands = kCommands,
                .blockSize = sizeof(ProbeBlock),
                .setDefaults = setDefaults,
                .dialogId = 0,
                .thumbnailId = 101,
                .defaultRect = {-10, -50, 10, 50},
                .changes = zx::changes::kAfterCommand,
                .normalize = normalize,
                .beforeSave = beforeSave,
                .construct = construct,
                .destruct = destruct,
            },
        .actor =
            {
                .caps = 6,
                .keepsSpriteHost = true,
                .draw = draw,
            },
    };
    return kind;
}
