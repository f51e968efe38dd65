// The calculator's twenty keys by code, and the typed characters that stand for them.
#pragma once

#include <cstdint>

namespace zx::calculator {

enum KeyCode : int32_t {
    kNoKey = -1,
    kKeyDigit0 = 0, // digits 1-9 follow as codes 1-9
    kKeyDigit9 = 9,
    kKeyPoint = 10,
    kKeyDivide = 11,
    kKeyMultiply = 12,
    kKeySubtract = 13,
    kKeyAdd = 14,
    kKeyEquals = 15,
    kKeyChangeSign = 16,
    kKeyClear = 17,
    kKeyFinish = 18,
    kKeyDisplay = 19, // the display window: an area, but pressing it does nothing
};

inline constexpr int32_t kKeyCount = 20;

inline constexpr bool isDigitKey(int32_t key) {
    return key >= kKeyDigit0 && key <= kKeyDigit9;
}

// The key a typed character presses: digits, '.', '/', '*', 'x' or 'X', '-', '+', '=', '%' for
// change sign and DEL for clear; kNoKey for every other character.
int32_t keyForCharacter(int32_t character);

} // namespace zx::calculator
