// The equation sprite's own state in the actor record, and the member properties it uses.
#pragma once

#include <cstdint>

#include <windows.h>

#include "formulon32_res.h"
#include "zxplugin/kind_support.h"
#include "zxplugin/picture.h"
#include "zxplugin/records.h"

namespace zx::equation {
class EquationPane;
}

namespace formulon {

// The four variable-pane button pictures, in the order of the layout's picture indices.
inline constexpr int kButtonPictures = 4;
inline constexpr int32_t kButtonBitmapIds[kButtonPictures] = {
    IDB_BUTTON_UNCHANGED_UP, IDB_BUTTON_INDEPENDENT_UP, IDB_BUTTON_UNCHANGED_DOWN,
    IDB_BUTTON_INDEPENDENT_DOWN};

// Made with the actor and destroyed with it (zx::ActorState).
struct SpriteState {
    RECT rect;        // the sprite rectangle of the last Draw, stage coordinates
    HWND window;      // under the cursor at the last press or focus event; owns the caret
    int32_t hasFocus; // 1 between the focus and blur events: the caret is drawn
    zx::Picture buttons[kButtonPictures];
};

using SpriteStateOf = zx::ActorState<SpriteState>;

inline SpriteState& spriteState(zx::ActorRecord& actor) {
    return SpriteStateOf::of(actor);
}

// The member properties the sprite reads and writes, through the member's GetProp and
// SetProp.
inline constexpr zx::MemberProperty<int32_t> kEquatPane{"EquatPane"};
inline constexpr zx::MemberProperty<int32_t> kEquatInit{"EquatInit"};
inline constexpr zx::MemberProperty<int32_t> kIdle{"Idle"};
inline constexpr zx::MemberProperty<int32_t> kEnabled{"Enabled"};
inline constexpr zx::MemberProperty<int32_t> kBackColor{"BackColor"};
inline constexpr zx::MemberProperty<int32_t> kTextColor{"TextColor"};
inline constexpr zx::MemberProperty<int32_t> kBlackBorder{"BlackBorder"};
inline constexpr zx::MemberProperty<int32_t> kShockwave{"Shockwave"};

// The live pane that the member's "EquatPane" names, or null when it names none (a script may
// have written any integer there). The host's result when the property cannot be read.
zx::Result linkedPane(zx::ActorRecord& actor, zx::equation::EquationPane** out);

} // namespace formulon
