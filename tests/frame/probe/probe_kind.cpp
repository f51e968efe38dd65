// A small sprite kind that exercises the parts of the frame the counter does not use: a
// property of every field type, the auxiliary asset interface, unknown names refused on
// set, commands with script arguments, the picture operations, and the optional hooks:
// a computed property, the steps around save and load, and ChangedFlag set by commands.
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
    int32_t saves;     // beforeSave calls
    int32_t loads;     // afterLoad calls
    int32_t blockRead; // what the last afterLoad was told
};

ProbeBlock& block(zx::AssetRecord& asset) {
    return zx::blockOf<ProbeBlock>(asset);
}

// "Twice": a computed property, twice Number on reads; odd writes are refused.
zx::Result getTwice(zx::AssetRecord& asset, zx::HostUtilities& u, zx::HostValue* out) {
    return u.ops->integerToValue(&u, 2 * block(asset).number, out);
}
zx::Result setTwice(zx::AssetRecord& asset, zx::HostUtilities& u, const zx::HostValue* value) {
    int32_t number = 0;
    u.ops->valueToInteger(&u, value, &number);
    if (number % 2 != 0) {
        return zx::kUnknownProperty;
    }
    block(asset).number = number / 2;
    return zx::kOk;
}

void beforeSave(zx::AssetRecord& asset) {
    ++block(asset).saves;
}
void afterLoad(zx::AssetRecord& asset, bool blockRead) {
    ++block(asset).loads;
    block(asset).blockRead = blockRead ? 1 : 0;
}

#define FIELD(name) static_cast<uint32_t>(offsetof(ProbeBlock, name))

constexpr zx::PropertySpec kProperties[] = {
    {"Number", FieldType::Integer, FIELD(number)},
    {"Tint", FieldType::Color, FIELD(tint)},
    {"Amount", FieldType::Float, FIELD(amount)},
    {"Label", FieldType::Text, FIELD(label), 16},
    {"LoadResult", FieldType::Integer, FIELD(loadResult)},
    {"Twice", FieldType::Integer, 0, 0, getTwice, setTwice},
    {"Saves", FieldType::Integer, FIELD(saves)},
    {"Loads", FieldType::Integer, FIELD(loads)},
    {"BlockRead", FieldType::Integer, FIELD(blockRead)},
};

constexpr zx::SavedField kSaved[] = {
    {FieldType::Integer, FIELD(number)},
    {FieldType::Float, FIELD(amount)},
    {FieldType::Text, FIELD(label), 16},
};

#undef FIELD

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
                .callSetsChanged = true,
                .beforeSave = beforeSave,
                .afterLoad = afterLoad,
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
