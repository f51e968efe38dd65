// The calculator sprite's events: a press or drag finds the key under the mouse among the
// areas as last drawn, a typed character names its key, and either key is pressed on the
// sprite's keypad. The member then reads the new number and whether finish was pressed.
#include "calculator_block.h"
#include "calculator_sprite.h"
#include "engine/key_areas.h"
#include "engine/key_codes.h"

namespace keypadix {

zx::calculator::ErrorFlag& moduleErrorFlag() {
    static zx::calculator::ErrorFlag flag;
    return flag;
}

namespace {

using namespace zx::event;

HWND windowUnderCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor);
}

uint8_t typedCharacter(const zx::EventRecord& event) {
    return reinterpret_cast<const uint8_t*>(event.words)[zx::kEventCharOffset];
}

} // namespace

zx::Result handleCalculatorEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                                 int32_t* handled) {
    *handled = 0;
    zx::AssetRecord* asset = zx::linkedAsset(actor);
    if (asset == nullptr) {
        return zx::kOk;
    }
    asset->changedFlag = 1;
    CalculatorBlock& b = calculatorBlock(*asset);
    SpriteState& state = SpriteStateOf::of(actor);

    int32_t key = zx::calculator::kNoKey;
    switch (event.words[0]) {
    case kMouseDown:
    case kMouseDrag:
        // Positions are in the draw record's coordinates, as the drawn areas are.
        key = zx::calculator::keyAt(b.drawnAreas, event.words[3], event.words[2]);
        state.window = windowUnderCursor();
        b.activeComponent = key;
        break;
    case kKey:
        key = zx::calculator::keyForCharacter(typedCharacter(event));
        b.activeComponent = key;
        break;
    case kMouseUp:
    case kCancel:
    case kEnd:
        b.activeComponent = zx::calculator::kNoKey;
        return zx::kOk;
    case kFocus:
    case kBlur:
        *handled = 1;
        return zx::kOk;
    default:
        return zx::kOk;
    }
    if (key >= 0 && key < zx::calculator::kKeyCount) {
        b.isFinished = state.engine.press(key);
        b.value = state.engine.entry();
    }
    return zx::kOk;
}

} // namespace keypadix
