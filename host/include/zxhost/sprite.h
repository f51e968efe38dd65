// A sprite of the score: a member's actor with its rectangle, ink and ink parameters.
// Event positions are relative to the sprite's rectangle; the host converts them to
// stage coordinates (the draw record's system) and moves the cursor there first.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "zxframe/plugin_interfaces.h"
#include "zxhost/value.h"

namespace zxhost {

class HostImpl;
class Host;
class Member;

// Event kinds of the event record.
namespace event {
inline constexpr int32_t kMouseDown = 1;
inline constexpr int32_t kMouseDrag = 2;
inline constexpr int32_t kMouseUp = 3;
inline constexpr int32_t kCancel = 4;
inline constexpr int32_t kKey = 9;
inline constexpr int32_t kEnd = 10;
inline constexpr int32_t kFocus = 11;
inline constexpr int32_t kBlur = 12;
} // namespace event

struct EventOutcome {
    int32_t code = 0;
    bool handled = false;
};

class Sprite {
public:
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;
    ~Sprite();

    int32_t id() const { return id_; }
    Member& member() const { return *member_; }
    const Rect& rect() const { return rect_; }
    // Throws Error for a rectangle outside the coordinate limit (kCoordinateLimit).
    void setRect(const Rect& rect);
    int32_t ink() const { return ink_; }
    void setInk(int32_t ink) { ink_ = ink; }
    const std::array<int32_t, 4>& inkParams() const { return params_; }
    void setInkParams(const std::array<int32_t, 4>& params) { params_ = params; }
    // GetSpriteCaps as answered when the sprite was made.
    const std::array<int32_t, 4>& caps() const { return caps_; }
    SpriteRef ref() const { return SpriteRef{id_}; }

    // Events at positions relative to the sprite's rectangle; the handled flag.
    bool mouseDown(int32_t x, int32_t y) { return event(event::kMouseDown, x, y).handled; }
    bool mouseDrag(int32_t x, int32_t y) { return event(event::kMouseDrag, x, y).handled; }
    bool mouseUp(int32_t x, int32_t y) { return event(event::kMouseUp, x, y).handled; }
    // Key, focus and blur events carry the cursor's current position and leave it there.
    bool key(char ch) { return eventAtCursor(event::kKey, static_cast<uint8_t>(ch)).handled; }
    // One key event per character; true when every one was handled.
    bool typeText(const std::string& text);
    bool focus() { return eventAtCursor(event::kFocus).handled; }
    bool blur() { return eventAtCursor(event::kBlur).handled; }
    // Any event kind; modifiers go to word 6 (bit 0, bit 1). Throws Error when the position,
    // or the stage position it makes, lies outside the coordinate limit.
    EventOutcome event(int32_t kind, int32_t x, int32_t y, uint8_t ch = 0, int32_t modifiers = 0);
    // An event at the cursor's current position; the cursor does not move.
    EventOutcome eventAtCursor(int32_t kind, uint8_t ch = 0, int32_t modifiers = 0);

    // Idle with the host's redraw service: the number of redraw requests it made.
    int32_t idle();
    // Draw through a draw context of the given kind onto a DC (the stage's by default).
    int32_t draw(HDC dc = nullptr, int32_t contextKind = 1);

    // Direct access for tests.
    zx::SpriteActorInterface* actor() const { return actor_; }
    // The SpriteHost given to SetSpriteHost (null for a bitmap sprite).
    zx::SpriteHost* spriteHost() const { return reinterpret_cast<zx::SpriteHost*>(spriteHost_); }

private:
    friend class HostImpl;
    friend class Host;
    friend struct SpriteAccess;
    Sprite() = default;
    EventOutcome deliver(int32_t kind, int32_t stageX, int32_t stageY, uint8_t ch,
                         int32_t modifiers);

    HostImpl* host_ = nullptr;
    int32_t id_ = 0;
    Member* member_ = nullptr;
    zx::SpriteActorInterface* actor_ = nullptr;
    struct SpriteHostObject* spriteHost_ = nullptr;
    Rect rect_;
    int32_t ink_ = 0;
    std::array<int32_t, 4> params_{};
    std::array<int32_t, 4> caps_{};
};

} // namespace zxhost
