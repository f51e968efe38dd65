// Where the keys lie on the keypad picture: twenty rectangles relative to the sprite's
// top-left corner, in the host's rectangle order, and the hit test against them.
#pragma once

#include <array>
#include <cstdint>

#include "key_codes.h"

namespace zx::calculator {

// Top, left, bottom, right, as host rectangles list them. Right and bottom lie outside.
struct KeyArea {
    int32_t top = 0;
    int32_t left = 0;
    int32_t bottom = 0;
    int32_t right = 0;

    // Inverted and empty areas contain nothing.
    bool contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    // The area moved by (dx, dy); coordinates saturate instead of wrapping, so a huge area
    // stays huge rather than turning inside out.
    KeyArea offsetBy(int32_t dx, int32_t dy) const;

    friend bool operator==(const KeyArea&, const KeyArea&) = default;
};

using KeyAreas = std::array<KeyArea, kKeyCount>;

// The areas that match the keypad pictures built into the module.
const KeyAreas& defaultKeyAreas();

// The key under a point: the last area that contains it wins where areas overlap, so an
// area listed later lies on top. kNoKey when none does.
int32_t keyAt(const KeyAreas& areas, int32_t x, int32_t y);

} // namespace zx::calculator
