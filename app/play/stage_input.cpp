#include "stage_input.h"

#include <zxhost/host.h>

namespace zentrix::play {

StageInput::StageInput(zxhost::Host& host) : host_(host) {}

zxhost::Sprite* StageInput::spriteAt(int32_t x, int32_t y) const {
    const std::vector<zxhost::Sprite*> sprites = host_.sprites();
    for (auto it = sprites.rbegin(); it != sprites.rend(); ++it) {
        const zxhost::Rect& r = (*it)->rect();
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
            return *it;
        }
    }
    return nullptr;
}

// Sprites are kept by id: a script handler that an event runs may remove any of them.
zxhost::Sprite* StageInput::live(int32_t id) const {
    return id != 0 ? host_.spriteById(id) : nullptr;
}

zxhost::Sprite* StageInput::focused() const {
    return live(focusId_);
}

zxhost::Sprite* StageInput::captured() const {
    return live(captureId_);
}

void StageInput::focus(zxhost::Sprite* sprite) {
    const int32_t id = sprite != nullptr ? sprite->id() : 0;
    if (id == focusId_ && live(focusId_) != nullptr) {
        return;
    }
    zxhost::RemovalHold hold(host_);
    if (zxhost::Sprite* old = live(focusId_)) {
        focusId_ = 0;
        old->blur();
    }
    focusId_ = id;
    if (sprite != nullptr) {
        sprite->focus();
    }
}

void StageInput::press(int32_t x, int32_t y, int32_t modifiers, double now) {
    if (captured() != nullptr) {
        return; // a second button while one is held changes nothing
    }
    zxhost::RemovalHold hold(host_);
    zxhost::Sprite* target = spriteAt(x, y);
    focus(target);
    // The focus event may have run a handler that removed the sprite.
    target = target != nullptr ? live(target->id()) : nullptr;
    if (target == nullptr) {
        return;
    }
    captureId_ = target->id();
    lastX_ = x;
    lastY_ = y;
    heldModifiers_ = modifiers;
    nextRepeat_ = now + kRepeatDelay;
    const zxhost::Rect& r = target->rect();
    target->event(zxhost::event::kMouseDown, x - r.left, y - r.top, 0, modifiers);
}

void StageInput::drag(int32_t x, int32_t y, int32_t modifiers) {
    zxhost::Sprite* target = captured();
    if (target == nullptr) {
        captureId_ = 0;
        return;
    }
    const zxhost::Rect& r = target->rect();
    target->event(zxhost::event::kMouseDrag, x - r.left, y - r.top, 0, modifiers);
}

void StageInput::move(int32_t x, int32_t y, int32_t modifiers, double now) {
    lastX_ = x;
    lastY_ = y;
    if (captured() == nullptr) {
        // No sprite hears a bare move, but the cursor is where plug-ins and scripts read it.
        host_.stage().setCursor(x, y);
        return;
    }
    heldModifiers_ = modifiers;
    nextRepeat_ = now + kRepeatInterval;
    zxhost::RemovalHold hold(host_);
    drag(x, y, modifiers);
}

void StageInput::tick(double now) {
    if (captured() == nullptr || now < nextRepeat_) {
        return;
    }
    // One repeat per tick at most: a player that fell behind does not fire a burst.
    nextRepeat_ = now + kRepeatInterval;
    ++repeats_;
    zxhost::RemovalHold hold(host_);
    drag(lastX_, lastY_, heldModifiers_);
}

void StageInput::release(int32_t x, int32_t y, int32_t modifiers, double) {
    zxhost::Sprite* target = captured();
    captureId_ = 0;
    if (target == nullptr) {
        return;
    }
    zxhost::RemovalHold hold(host_);
    const zxhost::Rect& r = target->rect();
    target->event(zxhost::event::kMouseUp, x - r.left, y - r.top, 0, modifiers);
}

void StageInput::cancel() {
    zxhost::Sprite* target = captured();
    captureId_ = 0;
    if (target != nullptr) {
        zxhost::RemovalHold hold(host_);
        target->eventAtCursor(zxhost::event::kCancel);
    }
}

bool StageInput::key(uint8_t code, int32_t modifiers) {
    zxhost::Sprite* target = focused();
    if (target == nullptr) {
        return false;
    }
    zxhost::RemovalHold hold(host_);
    target->eventAtCursor(zxhost::event::kKey, code, modifiers);
    return true;
}

bool StageInput::text(const std::string& bytes, int32_t modifiers) {
    bool delivered = false;
    for (char c : bytes) {
        delivered = key(static_cast<uint8_t>(c), modifiers) || delivered;
    }
    return delivered;
}

} // namespace zentrix::play
