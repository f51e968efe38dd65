// What a person does with the pointer and the keyboard, turned into the host's sprite events:
// presses, drags and releases go to the topmost sprite under the pointer (which keeps them
// until the button is released), a held button repeats its press as drags at a steady rate,
// a click gives the keyboard focus to the sprite under it, and keys go to the focused sprite.
// Knows nothing of the window system: positions are stage coordinates, times are seconds.
#pragma once

#include <cstdint>
#include <string>

namespace zxhost {
class Host;
class Sprite;
} // namespace zxhost

namespace zentrix::play {

// How a held button repeats: the first repeat after kRepeatDelay, then one every
// kRepeatInterval. A move while the button is down is delivered at once and starts the wait
// for the next repeat again, so a drag follows the pointer and a still pointer repeats.
inline constexpr double kRepeatDelay = 0.25;
inline constexpr double kRepeatInterval = 0.05;

class StageInput {
public:
    explicit StageInput(zxhost::Host& host);

    // The topmost sprite whose rectangle holds the stage point (later sprites of the score
    // lie above earlier ones), or null.
    zxhost::Sprite* spriteAt(int32_t x, int32_t y) const;
    // The sprite with the keyboard focus, or null (also when it was removed meanwhile).
    zxhost::Sprite* focused() const;
    // The sprite that holds the pointer while a button is down, or null.
    zxhost::Sprite* captured() const;

    // Button events at stage positions; `modifiers` are the host's event modifier bits.
    void press(int32_t x, int32_t y, int32_t modifiers, double now);
    void move(int32_t x, int32_t y, int32_t modifiers, double now);
    void release(int32_t x, int32_t y, int32_t modifiers, double now);
    // Sends the repeats that are due; call it every frame.
    void tick(double now);
    // Ends a press without a release (the window lost the pointer): the sprite gets a
    // cancel event.
    void cancel();

    // A key code of the host (typed characters, arrows, Backspace, Delete) to the focused
    // sprite; false when no sprite has the focus.
    bool key(uint8_t code, int32_t modifiers);
    // Typed text, one key event per byte (the host's characters are single bytes).
    bool text(const std::string& bytes, int32_t modifiers);
    // Moves the focus: the old sprite gets a blur event, the new one a focus event. Null
    // takes the focus away from every sprite.
    void focus(zxhost::Sprite* sprite);

    // Repeats delivered so far (for the player's statistics and for tests).
    int64_t repeats() const { return repeats_; }

private:
    zxhost::Sprite* live(int32_t id) const;
    void drag(int32_t x, int32_t y, int32_t modifiers);

    zxhost::Host& host_;
    int32_t focusId_ = 0;
    int32_t captureId_ = 0;
    int32_t lastX_ = 0;
    int32_t lastY_ = 0;
    int32_t heldModifiers_ = 0;
    double nextRepeat_ = 0;
    int64_t repeats_ = 0;
};

} // namespace zentrix::play
