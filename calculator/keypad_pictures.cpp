// The member's two keypad pictures, loaded from the module's bitmaps when the member is made
// and freed with it.
#include "calculator_block.h"
#include "keypadix32_res.h"

namespace keypadix {

// A failed load ends the member's construction with its result; the member lives on and
// draws without that picture.
zx::Result loadKeypadPictures(zx::AssetRecord& asset) {
    CalculatorBlock& b = calculatorBlock(asset);
    const zx::Result up = zx::loadPicture(asset.header, IDB_KEYPAD_UP, b.keysUp);
    if (up != zx::kOk) {
        return up;
    }
    return zx::loadPicture(asset.header, IDB_KEYPAD_DOWN, b.keysDown);
}

// Both pictures are freed whatever the constructor got to: freeing an empty picture does
// nothing, and an up picture loaded before a failed down picture is not leaked.
void freeKeypadPictures(zx::AssetRecord& asset) {
    CalculatorBlock& b = calculatorBlock(asset);
    zx::freePicture(asset.header, b.keysUp);
    zx::freePicture(asset.header, b.keysDown);
}

} // namespace keypadix
