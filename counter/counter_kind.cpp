// The deliverable tallydisc32: the counter's nine properties, its 40-byte saved block and
// dialog (one row each), two result-only commands, its defaults and default rectangle.
#include <cstddef>
#include <limits>

#include "counter_block.h"
#include "tallydisc32_res.h"

namespace tallydisc {
namespace {

using zx::field;

constexpr zx::PropertyRow kRows[] = {
    field("BackColorLeft", ZX_FIELD(CounterBlock, backColorLeft))
        .saved(4)
        .dialog(IDC_BACK_COLOR_LEFT)
        .means("background of the digits left of the point"),
    field("BackColorRight", ZX_FIELD(CounterBlock, backColorRight))
        .saved(5)
        .dialog(IDC_BACK_COLOR_RIGHT)
        .means("background of the digits right of the point"),
    field("ForeColorLeft", ZX_FIELD(CounterBlock, foreColorLeft))
        .saved(2)
        .dialog(IDC_FORE_COLOR_LEFT)
        .means("colour of the digits left of the point"),
    field("ForeColorRight", ZX_FIELD(CounterBlock, foreColorRight))
        .saved(3)
        .dialog(IDC_FORE_COLOR_RIGHT)
        .means("colour of the digits right of the point"),
    field("DivideColorLeft", ZX_FIELD(CounterBlock, divideColorLeft))
        .saved(6)
        .dialog(IDC_DIVIDE_COLOR_LEFT)
        .means("lines between the wheels left of the point"),
    field("DivideColorRight", ZX_FIELD(CounterBlock, divideColorRight))
        .saved(7)
        .dialog(IDC_DIVIDE_COLOR_RIGHT)
        .means("lines between the wheels right of the point"),
    field("Value", ZX_FIELD(CounterBlock, value))
        .saved(8)
        .dialog(IDC_VALUE)
        .means("the number shown; fractions roll the wheels"),
    field("DigitsLeft", ZX_FIELD(CounterBlock, digitsLeft))
        .saved(0)
        .dialog(IDC_DIGITS_LEFT)
        .means("wheels left of the point"),
    field("DigitsRight", ZX_FIELD(CounterBlock, digitsRight))
        .saved(1)
        .dialog(IDC_DIGITS_RIGHT)
        .means("wheels right of the point"),
};
static_assert(zx::rowsAreConsistent(kRows));
static_assert(zx::savedBlockSize(kRows) == 40);

// The counter defines no commands of its own; two names answer fixed result codes.
zx::Result fourArgs(zx::CommandCall&) {
    return zx::kTooFewArguments4;
}
zx::Result badParam(zx::CommandCall&) {
    return zx::kResourceNotFound;
}

constexpr zx::CommandSpec kCommands[] = {
    {"FourArgs", 0, fourArgs, "no arguments: does nothing and answers 0x800407E4"},
    {"BadParam", 0, badParam, "no arguments: does nothing and answers 0x80040001"},
};

void setDefaults(void* block) {
    auto& b = *static_cast<CounterBlock*>(block);
    b.backColorLeft = zx::packColor(255, 255, 255);
    b.backColorRight = zx::packColor(0, 0, 0);
    b.foreColorLeft = zx::packColor(0, 0, 0);
    b.foreColorRight = zx::packColor(255, 255, 255);
    b.divideColorLeft = zx::packColor(0xAA, 0xAA, 0xAA);
    b.divideColorRight = zx::packColor(0x55, 0x55, 0x55);
    b.digitsLeft = 3;
    b.digitsRight = 0;
    b.value = 0.0;
}

// Ten pixels per digit and sixteen high, centred; huge digit counts saturate instead of
// overflowing.
void defaultRect(const zx::AssetRecord& asset, zx::HostRect* out) {
    const auto& b = zx::blockOf<CounterBlock>(asset);
    const int64_t digits = static_cast<int64_t>(b.digitsLeft) + b.digitsRight;
    const int64_t half = 5 * digits;
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    const auto clamp = [](int64_t v) {
        return static_cast<int32_t>(v > kMax ? kMax : (v < kMin ? kMin : v));
    };
    *out = zx::HostRect{-8, clamp(-half), 8, clamp(half)};
}

} // namespace
} // namespace tallydisc

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("AE36B1BE-0004-AFA0-0000-0800074E879F"),
        .assetClass = guid("AE36B1BE-0004-AFA2-0000-0800074E879F"),
        .actorClass = guid("AE36B1BE-0004-AFA5-0000-0800074E879F"),
        .version = 1,
        .hasAssetAux = false,
        .symbol = "tallydisc",
        .displayName = "Tallydisc",
        .putsMyData = false,
        .asset =
            {
                .rows = tallydisc::kRows,
                .commands = tallydisc::kCommands,
                .blockSize = sizeof(tallydisc::CounterBlock),
                .setDefaults = tallydisc::setDefaults,
                .dialogId = IDD_PROPERTIES,
                .thumbnailId = IDB_THUMBNAIL,
                .getDefaultRect = tallydisc::defaultRect,
                .keepsMemberHost = true,
                .changes = changes::kAfterDialogOk | changes::kClearedByDraw,
                .unknownWrite = UnknownWrite::Ignored,
            },
        .actor = {.draw = tallydisc::drawCounter},
    };
    return kind;
}
