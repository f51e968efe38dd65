// A test-only kind declared through the kind interface alone: twelve properties, a saved
// block, a dialog, the invariant Minimum <= Value <= Maximum kept in one place, a drawing and
// a sprite whose drag state lives in typed actor state. A horizontal level meter: dragging
// moves the value by one per Step pixels.
#include <algorithm>

#include "sample32_res.h"
#include "zxplugin/gdi_guards.h"
#include "zxplugin/kind_support.h"

namespace {

struct SampleBlock {
    int32_t minimum, maximum, value;
    uint32_t backColor, foreColor;
    double step;
    char caption[32];
    int32_t border, orientation, drags;
};

SampleBlock& block(zx::AssetRecord& asset) {
    return zx::blockOf<SampleBlock>(asset);
}

zx::Result getSpan(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    return out.integer(block(asset).maximum - block(asset).minimum);
}
zx::Result setReset(zx::AssetRecord& asset, const zx::ScriptValue&) {
    block(asset).value = block(asset).minimum;
    return zx::kOk;
}

using zx::field;
constexpr zx::PropertyRow kRows[] = {
    field("Minimum", ZX_FIELD(SampleBlock, minimum)).saved(0).dialog(IDC_MINIMUM),
    field("Maximum", ZX_FIELD(SampleBlock, maximum)).saved(1).dialog(IDC_MAXIMUM),
    field("Value", ZX_FIELD(SampleBlock, value)).saved(2).dialog(IDC_VALUE),
    field("BackColor", ZX_FIELD(SampleBlock, backColor)).saved(3).dialog(IDC_BACK_COLOR),
    field("ForeColor", ZX_FIELD(SampleBlock, foreColor)).saved(4).dialog(IDC_FORE_COLOR),
    field("Step", ZX_FIELD(SampleBlock, step)).saved(5).dialog(IDC_STEP),
    field("Caption", ZX_FIELD(SampleBlock, caption)).saved(6).dialog(IDC_CAPTION),
    field("Border", ZX_FIELD(SampleBlock, border)).saved(7).checkBox(IDC_BORDER),
    field("Orientation", ZX_FIELD(SampleBlock, orientation)).saved(8).radios(IDC_HORIZONTAL, 2),
    field("Drags", ZX_FIELD(SampleBlock, drags)).readOnly().keepsChanged(),
    zx::computed<int32_t>("Span", getSpan),
    zx::computed<int32_t>("Reset", nullptr, setReset),
};
static_assert(zx::rowsAreConsistent(kRows) && zx::savedBlockSize(kRows) == 68);

void normalize(zx::AssetRecord& asset, const zx::Change&) {
    SampleBlock& b = block(asset);
    b.value = std::clamp(b.value, b.minimum, std::max(b.minimum, b.maximum));
}

void setDefaults(void* storage) {
    auto& b = *static_cast<SampleBlock*>(storage);
    b = SampleBlock{0, 10, 5, zx::packColor(255, 255, 255), zx::packColor(0, 0, 255), 4.0, "Level",
                    1, 0,  0};
}

struct DragState {
    bool dragging = false;
    int32_t grabX = 0, grabValue = 0;
};
using Drag = zx::ActorState<DragState>;
constexpr zx::MemberProperty<int32_t> kValue{"Value"};

zx::Result handleEvent(zx::ActorRecord& actor, const zx::EventRecord& event, int32_t* handled) {
    DragState& drag = Drag::of(actor);
    SampleBlock& b = block(*zx::linkedAsset(actor));
    const int32_t x = event.words[3];
    *handled = 1;
    switch (event.words[0]) {
    case zx::event::kMouseDown:
        drag = {true, x, b.value};
        ++b.drags;
        return zx::kOk;
    case zx::event::kMouseDrag:
        if (!drag.dragging || !(b.step > 0.0)) {
            return zx::kOk;
        }
        return kValue.write(actor,
                            drag.grabValue + static_cast<int32_t>((x - drag.grabX) / b.step));
    case zx::event::kMouseUp:
        drag.dragging = false;
        return zx::kOk;
    default:
        *handled = 0;
        return zx::kOk;
    }
}

zx::Result draw(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc, zx::DrawContext*) {
    const SampleBlock& b = block(*zx::linkedAsset(actor));
    const int top = record.words[0], left = record.words[1];
    const int bottom = record.words[2], right = record.words[3];
    const int span = std::max(1, b.maximum - b.minimum);
    const int level = left + (right - left) * (b.value - b.minimum) / span;
    zx::Selection pen(dc, GetStockObject(b.border != 0 ? BLACK_PEN : NULL_PEN));
    zx::GdiObject<HBRUSH> back(CreateSolidBrush(b.backColor));
    zx::Selection backSelected(dc, back.get());
    Rectangle(dc, left, top, right, bottom);
    zx::GdiObject<HBRUSH> fore(CreateSolidBrush(b.foreColor));
    zx::Selection foreSelected(dc, fore.get());
    Rectangle(dc, left, top, level, bottom);
    return zx::kOk;
}

} // namespace

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("5A580002-0001-0001-0000-000000000002"),
        .assetClass = guid("5A580002-0001-0002-0000-000000000002"),
        .actorClass = guid("5A580002-0001-0003-0000-000000000002"),
        .version = 1,
        .hasAssetAux = false,
        .symbol = "sample",
        .displayName = "Sample",
        .putsMyData = false,
        .asset = {.rows = kRows,
                  .commands = {},
                  .blockSize = sizeof(SampleBlock),
                  .setDefaults = setDefaults,
                  .dialogId = IDD_PROPERTIES,
                  .defaultRect = {-8, -40, 8, 40},
                  .changes = changes::kAfterDialogOk,
                  .normalize = normalize},
        .actor = {.state = Drag::lifetime,
                  .keepsSpriteHost = true,
                  .draw = draw,
                  .handleEvent = handleEvent},
    };
    return kind;
}
