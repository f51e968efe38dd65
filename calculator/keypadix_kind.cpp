// The deliverable keypadix32: the calculator's five properties, its one command, its
// defaults and its sprite. The calculator has no properties dialog and saves nothing with
// the movie: no row is saved, so SaveProps, LoadProps and GetSavedSize answer with nothing.
#include "calculator_block.h"
#include "calculator_sprite.h"
#include "keypadix32_res.h"

namespace keypadix {
namespace {

using zx::field;

constexpr zx::PropertyRow kRows[] = {
    field("ActiveComponent", ZX_FIELD(CalculatorBlock, activeComponent))
        .means("the key under the mouse or last typed, 0-19; -1 for none"),
    field("Value", ZX_FIELD(CalculatorBlock, value))
        .means("the number entered or the last result; a write changes only what is read"),
    field("IsFinished", ZX_FIELD(CalculatorBlock, isFinished))
        .means("1 after the finish key, else 0"),
    field("TransparentColor", ZX_FIELD(CalculatorBlock, transparentColor))
        .means("colour left out with ink 36, -1 for none"),
    zx::computed<int32_t>("KeyRectList", nullptr, setKeyRectList)
        .means("list of up to 20 rectangles: the key areas, relative to the sprite"),
};
static_assert(zx::rowsAreConsistent(kRows) && zx::savedBlockSize(kRows) == 0);

constexpr zx::CommandSpec kCommands[] = {
    {"ReplaceMedia", 2, replaceMedia,
     "part, member: draws the keypad picture \"AllKeysUp\" or \"AllKeysDown\" from the "
     "bitmap member from now on"},
};

void setDefaults(void* storage) {
    auto& b = *static_cast<CalculatorBlock*>(storage);
    b.transparentColor = kNoColor;
    b.activeComponent = zx::calculator::kNoKey;
    b.value = 0.0;
    b.keyAreas = zx::calculator::defaultKeyAreas();
}

zx::Result construct(zx::AssetRecord& asset) {
    return loadKeypadPictures(asset);
}

} // namespace
} // namespace keypadix

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("AE36ADB5-0003-BCCD-0000-0800074E879F"),
        .assetClass = guid("AE36ADB5-0003-BCD0-0000-0800074E879F"),
        .actorClass = guid("AE36ADB5-0003-BCD3-0000-0800074E879F"),
        .version = 1,
        .hasAssetAux = true,
        .symbol = "keypadix",
        .displayName = "Keypadix",
        .putsMyData = false,
        .asset =
            {
                .rows = keypadix::kRows,
                .commands = keypadix::kCommands,
                .blockSize = sizeof(keypadix::CalculatorBlock),
                .setDefaults = keypadix::setDefaults,
                .thumbnailId = IDB_THUMBNAIL,
                .defaultRect = {-77, -42, 77, 42},
                .keepsMemberHost = true,
                .construct = keypadix::construct,
                .destruct = keypadix::freeKeypadPictures,
            },
        .actor =
            {
                .state = keypadix::SpriteStateOf::lifetime,
                .caps = 6,
                .keepsSpriteHost = true,
                .draw = keypadix::drawCalculator,
                .handleEvent = keypadix::handleCalculatorEvent,
            },
    };
    return kind;
}
