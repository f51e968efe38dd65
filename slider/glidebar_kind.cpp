// The deliverable glidebar32: the slider's six properties, its 40-byte saved block and dialog,
// the "ReplaceMedia" command, the part pictures that every member loads, its defaults and
// class identifiers.
#include "engine/value_range.h"
#include "glidebar32_res.h"
#include "slider_block.h"
#include "slider_sprite_state.h"

namespace glidebar {

const PartPictureInfo kPartPictures[kPartPictureCount] = {
    {"LeftArrowDown", IDB_LEFT_ARROW_DOWN},
    {"LeftArrowUp", IDB_LEFT_ARROW_UP},
    {"RightArrowDown", IDB_RIGHT_ARROW_DOWN},
    {"RightArrowUp", IDB_RIGHT_ARROW_UP},
    {"SliderBar", IDB_SLIDER_BAR},
    {"ThumbDown", IDB_THUMB_DOWN},
    {"ThumbUp", IDB_THUMB_UP},
    {"DownArrowDown", IDB_DOWN_ARROW_DOWN},
    {"DownArrowUp", IDB_DOWN_ARROW_UP},
    {"UpArrowDown", IDB_UP_ARROW_DOWN},
    {"UpArrowUp", IDB_UP_ARROW_UP},
    {"VSliderBar", IDB_VSLIDER_BAR},
    {"VThumbDown", IDB_VTHUMB_DOWN},
    {"VThumbUp", IDB_VTHUMB_UP},
};

namespace {

using zx::field;

constexpr zx::PropertyRow kRows[] = {
    field("ActiveComponent", ZX_FIELD(SliderBlock, activeComponent))
        .means("the part being operated: 0 none, 1 thumb, 2 left/down arrow, 3 right/up arrow, "
               "4 bar on the minimum side, 5 bar on the maximum side"),
    field("XMinimum", ZX_FIELD(SliderBlock, xMinimum))
        .saved(0)
        .dialog(IDC_XMINIMUM)
        .means("the value at the left (bottom) end; may lie above XMaximum"),
    field("XMaximum", ZX_FIELD(SliderBlock, xMaximum))
        .saved(1)
        .dialog(IDC_XMAXIMUM)
        .means("the value at the right (top) end"),
    field("Value", ZX_FIELD(SliderBlock, value))
        .saved(2)
        .dialog(IDC_VALUE)
        .means("the value shown; scripts may set it outside the range"),
    field("SmallStep", ZX_FIELD(SliderBlock, smallStep))
        .saved(3)
        .dialog(IDC_SMALL_STEP)
        .means("step of the arrows; zero or negative: one pixel's worth"),
    field("LargeStep", ZX_FIELD(SliderBlock, largeStep))
        .saved(4)
        .dialog(IDC_LARGE_STEP)
        .means("step of a press on the bar; zero or negative: a sixteenth of the range"),
};
static_assert(zx::rowsAreConsistent(kRows));
static_assert(zx::savedBlockSize(kRows) == 40);

constexpr zx::CommandSpec kCommands[] = {
    {"ReplaceMedia", 2, replaceMedia,
     "part, member: draws the part (\"ThumbUp\", \"SliderBar\", ...) with the member's "
     "picture from now on"},
};

void setDefaults(void* block) {
    auto& b = *static_cast<SliderBlock*>(block);
    b.activeComponent = 0;
    b.xMinimum = 0.0;
    b.xMaximum = 1.0;
    b.value = 0.5;
    b.smallStep = -1.0;
    b.largeStep = -1.0;
}

// Scripts may store any value; the dialog, like every interactive step, keeps it inside the
// range.
void normalize(zx::AssetRecord& asset, const zx::Change& change) {
    if (change.occasion != zx::Occasion::DialogOk) {
        return;
    }
    auto& b = zx::blockOf<SliderBlock>(asset);
    b.value = zx::slider::clampToRange(b.value, b.xMinimum, b.xMaximum);
}

// Every member holds its own copy of the fourteen pictures, so that "ReplaceMedia" changes
// one member only. The first picture that cannot be loaded ends the construction.
zx::Result construct(zx::AssetRecord& asset) {
    auto& b = zx::blockOf<SliderBlock>(asset);
    for (int i = 0; i < kPartPictureCount; ++i) {
        const zx::Result result =
            zx::loadPicture(asset.header, kPartPictures[i].bitmapId, b.parts[i]);
        if (result != zx::kOk) {
            return result;
        }
    }
    return zx::kOk;
}

// Pictures never loaded are empty, and freeing an empty picture does nothing.
void destruct(zx::AssetRecord& asset) {
    auto& b = zx::blockOf<SliderBlock>(asset);
    for (zx::Picture& picture : b.parts) {
        zx::freePicture(asset.header, picture);
    }
}

} // namespace
} // namespace glidebar

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("AE36A99F-0002-C732-0000-0800074E879F"),
        .assetClass = guid("AE36A9A0-0002-C734-0000-0800074E879F"),
        .actorClass = guid("AE36A9A0-0002-C737-0000-0800074E879F"),
        .version = 1,
        .hasAssetAux = true,
        .symbol = "glidebar",
        .displayName = "Glidebar",
        .putsMyData = false,
        .asset =
            {
                .rows = glidebar::kRows,
                .commands = glidebar::kCommands,
                .blockSize = sizeof(glidebar::SliderBlock),
                .setDefaults = glidebar::setDefaults,
                .dialogId = IDD_PROPERTIES,
                .thumbnailId = IDB_THUMBNAIL,
                .defaultRect = {-10, -100, 10, 100},
                .changes = changes::kAfterDialogOk | changes::kClearedByDraw,
                .normalize = glidebar::normalize,
                .construct = glidebar::construct,
                .destruct = glidebar::destruct,
            },
        .actor =
            {
                .state = glidebar::SpriteStateOf::lifetime,
                .caps = 2,
                .keepsSpriteHost = true,
                .draw = glidebar::drawSlider,
                .handleEvent = glidebar::handleSliderEvent,
            },
    };
    return kind;
}
