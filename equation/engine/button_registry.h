// The variable-pane buttons laid out by the last pane drawing: a module-wide queue of at most 20
// entries (picture index, x, y), filled while painting and read back by the sprite, which paints
// the button pictures over the copied pane.
#pragma once

#include <array>
#include <cstddef>

namespace zx::equation {

struct ButtonEntry {
    int picture = 0; // 0..3; the sprite skips entries outside its four pictures
    int x = 0;       // start point of the button element, device units
    int y = 0;
};

class ButtonRegistry {
public:
    static constexpr std::size_t kCapacity = 20;

    // Appends an entry; false (and nothing stored) when the queue is full.
    bool Register(int picture, int x, int y);
    // Count ← 0.
    void Clear();
    // Read position ← 0.
    void Rewind();
    // The entry at the read position, advancing it; false once every entry was read.
    bool Next(ButtonEntry& entry);
    std::size_t Count() const { return count_; }

private:
    std::array<ButtonEntry, kCapacity> entries_{};
    std::size_t count_ = 0;
    std::size_t read_ = 0;
};

// The module's one registry.
ButtonRegistry& Buttons();

} // namespace zx::equation
