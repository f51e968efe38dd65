// The equation sprite's own state in the actor record, and its road to the member's
// properties: read with the member's GetProp and ValueToInteger, written with IntegerToValue
// and the member's SetProp, every value released again.
#pragma once

#include <cstdint>

#include <windows.h>

#include "zxplugin/picture.h"
#include "zxplugin/records.h"

namespace zx::equation {
class EquationPane;
}

namespace formulon {

// The four variable-pane button pictures, in the order of the layout's picture indices.
inline constexpr int kButtonPictures = 4;
inline constexpr int32_t kButtonBitmapIds[kButtonPictures] = {104, 106, 105, 107};

// Made in the actor's state by the sprite's construction, ended by its destruction.
struct SpriteState {
    RECT rect;        // the sprite rectangle of the last Draw, stage coordinates
    HWND window;      // under the cursor at the last press or focus event; owns the caret
    int32_t hasFocus; // 1 between the focus and blur events: the caret is drawn
    zx::Picture buttons[kButtonPictures];
};

inline SpriteState& spriteState(zx::ActorRecord& actor) {
    return zx::stateOf<SpriteState>(actor);
}

// The member properties the sprite uses.
enum class MemberProp {
    EquatPane,
    EquatInit,
    Idle,
    Enabled,
    BackColor,
    TextColor,
    BlackBorder,
    Shockwave,
};

// The actor's symbol of a member property, 0 when the kind does not have it.
zx::Symbol memberSymbol(zx::ActorRecord& actor, MemberProp property);
// GetProp and ValueToInteger; the host's result on failure (out is left alone).
zx::Result readMemberInt(zx::ActorRecord& actor, MemberProp property, int32_t* out);
// IntegerToValue and SetProp.
zx::Result writeMemberInt(zx::ActorRecord& actor, MemberProp property, int32_t value);
// The live pane that the member's "EquatPane" names, or null when it names none (a script may
// have written any integer there). The host's result when the property cannot be read.
zx::Result linkedPane(zx::ActorRecord& actor, zx::equation::EquationPane** out);
// The member's ChangedFlag, so that the next Idle asks for a redraw.
void markMemberChanged(zx::ActorRecord& actor);

} // namespace formulon
