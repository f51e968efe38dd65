// A member's properties dialog as a window of its own while the stage waits. libw32 lays the
// dialog out from its template and draws it; this file shows the picture and hands the
// dialog the person's pointer, keys and typed text until the dialog procedure ends it.
#include "player.h"

#include "dib_canvas.h"
#include "key_map.h"
#include "player_state.h"

#include <zxhost/host.h>
#include <zxw32/dialog_view.h>

#include <cstdio>

namespace zentrix::play {

namespace {

// Runs the dialog until its procedure ends it; returns what it gave EndDialog. Keys and text
// go to the dialog whatever window SDL says they belong to: while it is open it is modal.
int runDialogWindow(HWND dialog, Player::State& s, double opened) {
    const SIZE size = zxw32::dialogWindowSize(dialog);
    const DibCanvas canvas(static_cast<int>(size.cx), static_cast<int>(size.cy));
    if (!canvas.valid()) {
        return IDCANCEL;
    }
    PictureWindow window("", canvas.width(), canvas.height(), s.window.scale(), true);
    bool dirty = true;
    for (;;) {
        INT_PTR result = 0;
        if (zxw32::dialogEnded(dialog, &result)) {
            return static_cast<int>(result);
        }
        if (dirty) {
            zxw32::paintDialog(dialog, canvas.dc());
            window.show(canvas.bits(), canvas.width(), canvas.height());
            if (opened > 0) {
                s.stats.dialogOpenMs = (s.now() - opened) * 1000.0;
                opened = 0;
            }
            dirty = false;
        }
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, 100)) {
            continue;
        }
        switch (e.type) {
        case SDL_QUIT:
            s.quit = true;
            dirty = zxw32::dialogKey(dialog, VK_ESCAPE, false, false); // as Escape
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                if (e.window.windowID != window.id()) {
                    s.quit = true; // the stage closed: the dialog goes first
                }
                dirty = zxw32::dialogKey(dialog, VK_ESCAPE, false, false);
            } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                dirty = true;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.windowID == window.id() && e.button.button == SDL_BUTTON_LEFT) {
                dirty = zxw32::dialogMouse(dialog,
                                           e.type == SDL_MOUSEBUTTONDOWN ? zxw32::DialogMouse::Down
                                                                         : zxw32::DialogMouse::Up,
                                           e.button.x, e.button.y);
            }
            break;
        case SDL_MOUSEMOTION:
            if (e.motion.windowID == window.id()) {
                dirty =
                    zxw32::dialogMouse(dialog, zxw32::DialogMouse::Move, e.motion.x, e.motion.y);
            }
            break;
        case SDL_KEYDOWN:
            if (const std::optional<unsigned> vk = virtualKey(e.key.keysym.sym)) {
                dirty = zxw32::dialogKey(dialog, *vk, (e.key.keysym.mod & KMOD_SHIFT) != 0,
                                         (e.key.keysym.mod & KMOD_CTRL) != 0);
            }
            break;
        case SDL_TEXTINPUT:
            dirty = zxw32::dialogText(dialog, utf8ToCp1252(e.text.text).c_str());
            break;
        default:
            break;
        }
    }
}

} // namespace

void Player::openDialog(zxhost::Sprite& sprite) {
    State& s = *s_;
    if (sprite.member().isBitmap()) {
        return;
    }
    // A held button is let go first: the dialog takes the pointer.
    s.input.cancel();
    zxhost::RemovalHold hold(s.host);
    const double opened = s.now();
    sprite.member().showDialog(
        [&s, opened](HWND dialog) { return runDialogWindow(dialog, s, opened); });
    if (s.options.verbose) {
        std::fprintf(stderr, "zentrix: play: dialog of %s opened in %.3f ms\n",
                     sprite.member().name().c_str(), s.stats.dialogOpenMs);
    }
    s.needsShow = true;
}

} // namespace zentrix::play
