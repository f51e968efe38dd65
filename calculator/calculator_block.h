// The calculator member's PropertyBlock: the four script-visible values, the key areas a
// script may move, the areas as last drawn (which the hit test uses) and the two keypad
// pictures. Everything lives in the member, so all its sprites share it; the arithmetic
// lives in each sprite (calculator_sprite.h).
#pragma once

#include <cstdint>

#include "engine/key_areas.h"
#include "zxplugin/kind_support.h"
#include "zxplugin/picture.h"
#include "zxplugin/records.h"

namespace keypadix {

// TransparentColor's "no transparent colour".
inline constexpr int32_t kNoColor = -1;

struct CalculatorBlock {
    int32_t transparentColor;            // a ColorRef, or kNoColor
    int32_t activeComponent;             // the key under the mouse or last typed, or kNoKey
    double value;                        // the number entered or the last result
    int32_t isFinished;                  // 1 after the finish key
    zx::calculator::KeyAreas keyAreas;   // relative to the sprite's top-left corner
    zx::calculator::KeyAreas drawnAreas; // in stage coordinates, as last drawn
    zx::Picture keysUp;
    zx::Picture keysDown;
};

inline CalculatorBlock& calculatorBlock(zx::AssetRecord& asset) {
    return zx::blockOf<CalculatorBlock>(asset);
}

// The member's parts, each in its own file.
zx::Result setKeyRectList(zx::AssetRecord& asset, const zx::ScriptValue& value); // key_rect_list
zx::Result replaceMedia(zx::CommandCall& call);                                  // replace_media
zx::Result loadKeypadPictures(zx::AssetRecord& asset);                           // keypad_pictures
void freeKeypadPictures(zx::AssetRecord& asset);

} // namespace keypadix
