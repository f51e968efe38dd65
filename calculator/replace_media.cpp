// "ReplaceMedia": a script replaces one of the keypad pictures with the picture of a bitmap
// member, ReplaceMedia("AllKeysUp", member) or ReplaceMedia("AllKeysDown", member).
#include "calculator_block.h"

namespace keypadix {

namespace {

// Picture names are read with this many characters at most.
constexpr size_t kPartNameCapacity = 40;

// The pictures "ReplaceMedia" can replace, by name.
constexpr const char* kPictureNames[] = {"AllKeysUp", "AllKeysDown"};

} // namespace

// An unknown part name answers 0 and changes nothing. The new picture replaces the old one
// only once it was copied: a member without "Image" media or with a broken bitmap leaves the
// keypad as it was and answers the failure.
zx::Result replaceMedia(zx::CommandCall& call) {
    const int which = call.choice(1, kPartNameCapacity, kPictureNames);
    if (which < 0) {
        return zx::kOk;
    }
    CalculatorBlock& b = calculatorBlock(call.asset);
    zx::Picture* picture = which == 0 ? &b.keysUp : &b.keysDown;
    const zx::Result copied =
        zx::copyPictureFromMember(call.asset.header, call.argument(2), *picture);
    if (copied != zx::kOk) {
        return copied;
    }
    call.asset.changedFlag = 1;
    return call.answer().integer(0);
}

} // namespace keypadix
