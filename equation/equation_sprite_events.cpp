// The equation sprite's events: presses place the caret, the end of a drag finishes the
// editor's mouse interaction, keys go through the key filter to the editor, and the focus
// events switch the caret on and off. After most of them the sprite's "Refresh" handler runs,
// so that a movie script can read the results.
#include <windows.h>

#include <mmsystem.h>

#include "engine/equation_pane.h"
#include "equation_sprite.h"
#include "equation_sprite_keys.h"
#include "equation_sprite_state.h"

namespace formulon {
namespace {

using namespace zx::event;

void beep() {
    sndPlaySoundA("Default Beep", SND_ASYNC);
}

// Calls the movie's "Refresh" handler for this sprite. Its answer is not used.
void sendRefresh(zx::ActorRecord& actor) {
    zx::callMovieHandler(actor, "Refresh");
}

// The window under the screen cursor becomes the owner of the caret; it also takes the
// keyboard focus unless the member plays in a browser (Shockwave), where the page keeps it.
void takeWindowUnderCursor(SpriteState& state, int32_t shockwave) {
    POINT cursor{};
    GetCursorPos(&cursor);
    HWND window = WindowFromPoint(cursor);
    if (shockwave == 0) {
        SetFocus(window);
    }
    state.window = window;
}

} // namespace

zx::Result handleEquationEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                               int32_t* handled) {
    *handled = 0;
    int32_t enabled = 0;
    int32_t shockwave = 0;
    zx::Result result = kEnabled.read(actor, &enabled);
    if (result == zx::kOk) {
        result = kShockwave.read(actor, &shockwave);
    }
    if (result != zx::kOk) {
        return result;
    }
    const int32_t kind = event.words[0];
    if (enabled == 0) {
        // A disabled sprite leaves presses and keys to the host, with a beep.
        if (kind == kMouseDown || kind == kKey) {
            beep();
        }
        return zx::kOk;
    }

    zx::markMemberChanged(actor);
    zx::equation::EquationPane* pane = nullptr;
    result = linkedPane(actor, &pane);
    if (result != zx::kOk) {
        return result;
    }
    if (pane == nullptr) {
        // The member names no live pane: nothing to edit.
        return zx::kOk;
    }

    SpriteState& state = spriteState(actor);
    switch (kind) {
    case kMouseDown:
        takeWindowUnderCursor(state, shockwave);
        pane->ClickAt(event.words[3] - state.rect.left, event.words[2] - state.rect.top);
        sendRefresh(actor);
        *handled = 1;
        break;
    case kMouseDrag:
        pane->RestorePrefix();
        *handled = 1;
        break;
    case kMouseUp:
        pane->EndDrag();
        sendRefresh(actor);
        *handled = 1;
        break;
    case kKey: {
        const char c = reinterpret_cast<const char*>(event.words)[zx::kEventCharOffset];
        if (keyPassesFilter(c)) {
            pane->TypeChar(c);
        } else {
            beep();
        }
        *handled = 1;
        break;
    }
    case kEnd:
        sendRefresh(actor);
        *handled = 1;
        break;
    case kFocus:
        takeWindowUnderCursor(state, shockwave);
        sendRefresh(actor);
        state.hasFocus = 1;
        *handled = 1;
        break;
    case kBlur:
        *handled = 1;
        state.hasFocus = 0;
        DestroyCaret();
        if (actor.spriteHost != nullptr) {
            actor.spriteHost->ops->requestRedraw(actor.spriteHost);
        }
        break;
    default:
        break;
    }
    return zx::kOk;
}

} // namespace formulon
