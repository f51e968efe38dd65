// A small sprite kind that exercises the parts of the frame the counter does not use: a
// property of every field type, the auxiliary asset interface, unknown names refused on
// set, commands with script arguments, and the picture operations.
#include <cstddef>

#include "zxplugin/picture.h"
#include "zxplugin/records.h"

namespace {

using zx::FieldType;

struct ProbeBlock {
    int32_t number;
    uint32_t tint;
    double amount;
    char label[16];
    int32_t loadResult;
    zx::Picture picture;
};

#define FIELD(name) static_cast<uint32_t>(offsetof(ProbeBlock, name))

constexpr zx::PropertySpec kProperties[] = {
    {"Number", FieldType::Integer, FIELD(number)},
    {"Tint", FieldType::Color, FIELD(tint)},
    {"Amount", FieldType::Float, FIELD(amount)},
    {"Label", FieldType::Text, FIELD(label), 16},
    {"LoadResult", FieldType::Integer, FIELD(loadResult)},
};

constexpr zx::SavedField kSaved[] = {
    {FieldType::Integer, FIELD(number)},
    {FieldType::Float, FIELD(amount)},
    {FieldType::Text, FIELD(label), 16},
};

#undef FIELD

ProbeBlock& block(zx::AssetRecord& asset) {
    return zx::blockOf<ProbeBlock>(asset);
}

int32_t integerArgument(zx::CommandCall& call, int index) {
    int32_t number = 0;
    call.utilities->ops->valueToInteger(call.utilities, &call.argv[index], &number);
    return number;
}

// Add(a, b): Number += a + b.
zx::Result add(zx::CommandCall& call) {
    block(call.asset).number += integerArgument(call, 1) + integerArgument(call, 2);
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
    return call.utilities->ops->integerToValue(
        call.utilities, (r.right - r.left) * 1000 + (r.bottom - r.top), call.result);
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

constexpr zx::Guid kRegistrar{0x5A580001, 0x0001, 0x0001, {0, 0, 0, 0, 0, 0, 0, 1}};
constexpr zx::Guid kAsset{0x5A580001, 0x0001, 0x0002, {0, 0, 0, 0, 0, 0, 0, 1}};
constexpr zx::Guid kActor{0x5A580001, 0x0001, 0x0003, {0, 0, 0, 0, 0, 0, 0, 1}};

} // namespace

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = kRegistrar,
        .assetClass = kAsset,
        .actorClass = kActor,
        .version = 2,
        .hasAssetAux = true,
        .symbol = "probe",
        .displayName = "Probe",
        .putsMyData = true,
        .asset =
            {
                .properties = kProperties,
                .saved = kSaved,
                .commands = kCommands,
                .dialog = {},
                .blockSize = sizeof(ProbeBlock),
                .setDefaults = setDefaults,
                .dialogId = 0,
                .thumbnailId = 101,
                .defaultRect = {-10, -50, 10, 50},
                .construct = construct,
                .destruct = destruct,
            },
        .actor =
            {
                .stateSize = 0,
                .caps = 6,
                .keepsSpriteHost = true,
                .drawClearsChanged = false,
                .draw = draw,
            },
    };
    return kind;
}
