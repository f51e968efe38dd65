// The queue of variable-pane buttons that the last pane drawing laid out.
#include "button_registry.h"

namespace zx::equation {

bool ButtonRegistry::Register(int picture, int x, int y) {
    if (count_ >= kCapacity) {
        return false;
    }
    entries_[count_++] = ButtonEntry{picture, x, y};
    return true;
}

void ButtonRegistry::Clear() {
    count_ = 0;
}

void ButtonRegistry::Rewind() {
    read_ = 0;
}

bool ButtonRegistry::Next(ButtonEntry& entry) {
    if (read_ >= count_) {
        return false;
    }
    entry = entries_[read_++];
    return true;
}

ButtonRegistry& Buttons() {
    static ButtonRegistry registry;
    return registry;
}

} // namespace zx::equation
