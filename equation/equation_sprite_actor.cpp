// The equation sprite's life: the button pictures loaded at construction (their sizes published
// for the layout of the variable-pane buttons), freed at destruction, the pane its member
// names, and the one sprite property a script may set, "Idle", which flips the pane's blink
// flag.
#include "engine/equation_pane.h"
#include "engine/pane_elements.h"
#include "equation_sprite.h"
#include "equation_sprite_state.h"

namespace formulon {

zx::Result linkedPane(zx::ActorRecord& actor, zx::equation::EquationPane** out) {
    *out = nullptr;
    int32_t id = 0;
    const zx::Result result = kEquatPane.read(actor, &id);
    if (result == zx::kOk) {
        *out = zx::equation::Panes().Find(id);
    }
    return result;
}

zx::Result constructEquationSprite(zx::ActorRecord& actor) {
    SpriteState& state = spriteState(actor);
    for (int i = 0; i < kButtonPictures; ++i) {
        // A picture that cannot be loaded leaves its buttons undrawn (size 0 by 0).
        zx::loadPicture(actor.header, kButtonBitmapIds[i], state.buttons[i]);
        const RECT r = zx::pictureRect(state.buttons[i]);
        zx::equation::SetButtonBitmapSize(i, {r.right - r.left, r.bottom - r.top});
    }
    return zx::kOk;
}

void destructEquationSprite(zx::ActorRecord& actor) {
    SpriteState& state = spriteState(actor);
    for (zx::Picture& picture : state.buttons) {
        zx::freePicture(actor.header, picture);
    }
}

zx::Result setEquationSpriteProp(zx::ActorRecord& actor, zx::Symbol property,
                                 const zx::HostValue*) {
    zx::markMemberChanged(actor);
    const zx::Symbol idle = kIdle.symbol(actor);
    if (idle == 0 || property != idle) {
        return zx::kUnknownProperty;
    }
    zx::equation::EquationPane* pane = nullptr;
    const zx::Result result = linkedPane(actor, &pane);
    if (result != zx::kOk) {
        return result;
    }
    if (pane != nullptr) {
        pane->ToggleBlink();
    }
    return zx::kOk;
}

} // namespace formulon
