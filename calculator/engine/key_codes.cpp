#include "key_codes.h"

namespace zx::calculator {

namespace {

constexpr int32_t kDelete = 127;

} // namespace

int32_t keyForCharacter(int32_t character) {
    if (character >= '0' && character <= '9') {
        return kKeyDigit0 + (character - '0');
    }
    switch (character) {
    case '.':
        return kKeyPoint;
    case '/':
        return kKeyDivide;
    case '*':
    case 'x':
    case 'X':
        return kKeyMultiply;
    case '-':
        return kKeySubtract;
    case '+':
        return kKeyAdd;
    case '=':
        return kKeyEquals;
    case '%':
        return kKeyChangeSign;
    case kDelete:
        return kKeyClear;
    default:
        return kNoKey;
    }
}

} // namespace zx::calculator
