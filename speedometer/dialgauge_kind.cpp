// The deliverable dialgauge32: the gauge's ten properties (the speed held twice, as the
// integer XSpeed and the float YSpeed), its 32-byte saved block and dialog, the window
// commands, its defaults and class identifiers.
#include "dialgauge32_res.h"
#include "engine/speed_coupling.h"
#include "gauge_block.h"

namespace dialgauge {
namespace {

using zx::field;

constexpr zx::PropertyRow kRows[] = {
    field("XMin", ZX_FIELD(GaugeBlock, xMin))
        .saved(0)
        .dialog(IDC_XMIN)
        .means("the scale's value at the left edge"),
    field("XMax", ZX_FIELD(GaugeBlock, xMax))
        .saved(1)
        .dialog(IDC_XMAX)
        .means("the scale's value at the right edge"),
    field("XSpeed", ZX_FIELD(GaugeBlock, xSpeed))
        .means("the speed as an integer; writing it sets YSpeed"),
    field("SmallTickSpace", ZX_FIELD(GaugeBlock, smallTickSpace))
        .saved(3)
        .dialog(IDC_SMALL_TICK_SPACE)
        .means("scale units between small ticks"),
    field("BigTickSpace", ZX_FIELD(GaugeBlock, bigTickSpace))
        .saved(2)
        .dialog(IDC_BIG_TICK_SPACE)
        .means("scale units between labelled big ticks"),
    field("TickColor", ZX_FIELD(GaugeBlock, tickColor))
        .saved(4)
        .dialog(IDC_TICK_COLOR)
        .means("colour of the tick marks"),
    field("TextColor", ZX_FIELD(GaugeBlock, textColor))
        .saved(5)
        .dialog(IDC_TEXT_COLOR)
        .means("colour of the tick labels"),
    field("SpeedColor", ZX_FIELD(GaugeBlock, speedColor))
        .saved(7)
        .dialog(IDC_SPEED_COLOR)
        .means("colour of the speed bar"),
    field("BackColor", ZX_FIELD(GaugeBlock, backColor))
        .saved(6)
        .dialog(IDC_BACK_COLOR)
        .means("background of the scale"),
    field("YSpeed", ZX_FIELD(GaugeBlock, ySpeed))
        .means("the speed as a float; writing it sets XSpeed to it rounded half up"),
};
static_assert(zx::rowsAreConsistent(kRows));
static_assert(zx::savedBlockSize(kRows) == 32);

constexpr size_t kXSpeedRow = zx::rowIndex(kRows, "XSpeed");
constexpr size_t kYSpeedRow = zx::rowIndex(kRows, "YSpeed");

constexpr zx::CommandSpec kCommands[] = {
    {"SendCloseMessage", 2, sendCloseMessage,
     "class, title: sends WM_CLOSE to the top-level window found; \"\" matches any"},
    {"MakeTopmost", 2, makeTopmost, "class, title: puts the window found above all others"},
    {"FindWindow", 2, findWindow, "class, title: 1 when such a top-level window exists, else 0"},
    {"ActivateStageWindow", 0, activateStageWindow,
     "no arguments: brings the stage window to the front: 1 done, 0 already active, -1 refused"},
};

void setDefaults(void* block) {
    auto& b = *static_cast<GaugeBlock*>(block);
    b.xMin = 0;
    b.xMax = 100;
    b.xSpeed = 30;
    b.smallTickSpace = 10;
    b.bigTickSpace = 20;
    b.tickColor = zx::packColor(0, 0, 0);
    b.textColor = zx::packColor(0, 0, 0);
    b.speedColor = zx::packColor(0, 0, 255);
    b.backColor = zx::packColor(192, 192, 192);
    b.ySpeed = 30.0;
}

// The speed is kept in both forms: a write of either sets the other.
void normalize(zx::AssetRecord& asset, const zx::Change& change) {
    if (change.occasion != zx::Occasion::Set) {
        return;
    }
    auto& b = zx::blockOf<GaugeBlock>(asset);
    if (change.row == kXSpeedRow) {
        b.ySpeed = zx::speedometer::ySpeedFromXSpeed(b.xSpeed);
    } else if (change.row == kYSpeedRow) {
        b.xSpeed = zx::speedometer::xSpeedFromYSpeed(b.ySpeed);
    }
}

} // namespace
} // namespace dialgauge

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("DBE8D100-F421-11CF-BEFD-00A02406E943"),
        .assetClass = guid("28496DC0-F422-11CF-BEFD-00A02406E943"),
        .actorClass = guid("4A7FF940-F422-11CF-BEFD-00A02406E943"),
        .version = 1,
        .hasAssetAux = true,
        .symbol = "dialgauge",
        .displayName = "Dialgauge",
        .putsMyData = false,
        .asset =
            {
                .rows = dialgauge::kRows,
                .commands = dialgauge::kCommands,
                .blockSize = sizeof(dialgauge::GaugeBlock),
                .setDefaults = dialgauge::setDefaults,
                .dialogId = IDD_PROPERTIES,
                .thumbnailId = IDB_THUMBNAIL,
                .defaultRect = {-10, -50, 10, 50},
                .changes = changes::kAfterConstruction | changes::kAfterDialogOk,
                .normalize = dialgauge::normalize,
            },
        .actor = {.caps = 0, .draw = dialgauge::drawGauge},
    };
    return kind;
}
