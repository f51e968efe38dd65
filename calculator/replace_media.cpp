// "ReplaceMedia": a script replaces one of the keypad pictures with the picture of a bitmap
// member, ReplaceMedia("AllKeysUp", member) or ReplaceMedia("AllKeysDown", member).
#include "calculator_block.h"

namespace keypadix {

namespace {

// Picture names are read with this many characters at most.
constexpr size_t kPartNameCapacity = 40;

bool sameSymbol(zx::HostUtilities& utilities, zx::Symbol symbol, const char* name) {
    zx::Symbol named = 0;
    return utilities.ops->stringToSymbol(&utilities, name, &named) == zx::kOk && named == symbol;
}

} // namespace

// An unknown part name answers 0 and changes nothing. The new picture replaces the old one
// only once it was copied: a member without "Image" media or with a broken bitmap leaves the
// keypad as it was and answers the failure.
zx::Result replaceMedia(zx::CommandCall& call) {
    const std::string part = call.text(1, kPartNameCapacity);
    zx::Symbol symbol = 0;
    if (call.utilities.ops->stringToSymbol(&call.utilities, part.c_str(), &symbol) != zx::kOk) {
        return zx::kOk;
    }
    CalculatorBlock& b = calculatorBlock(call.asset);
    zx::Picture* picture = nullptr;
    if (sameSymbol(call.utilities, symbol, "AllKeysUp")) {
        picture = &b.keysUp;
    } else if (sameSymbol(call.utilities, symbol, "AllKeysDown")) {
        picture = &b.keysDown;
    } else {
        return zx::kOk;
    }
    const zx::Result copied =
        zx::copyPictureFromMember(call.asset.header, call.argument(2), *picture);
    if (copied != zx::kOk) {
        return copied;
    }
    call.asset.changedFlag = 1;
    return call.answer().integer(0);
}

} // namespace keypadix
