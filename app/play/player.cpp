#include "player.h"

#include "key_map.h"
#include "message_boxes.h"
#include "player_state.h"

#include <zxhost/host.h>
#include <zxw32/user_ext.h>

#include <algorithm>
#include <cstdio>

namespace zentrix::play {

namespace {

// The stage window's messages while the player runs: WM_CLOSE (a plug-in's window command)
// ends the player instead of destroying the stage.
LRESULT stageWindowHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* context) {
    if (message == WM_CLOSE) {
        *static_cast<bool*>(context) = true;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int askPerson(const char* text, const char* caption, UINT type, void* context) {
    return showMessageBox(static_cast<SDL_Window*>(context), text, caption, type);
}

void hear(const zxw32::Event& event, void* context) {
    auto* tones = static_cast<Tones*>(context);
    if (event.kind == "beep") {
        tones->beep(event.flags);
    } else if (event.kind == "sound") {
        tones->sound(event.text);
    }
}

} // namespace

Player::Player(zxhost::Host& host, PlayHooks hooks, PlayOptions options)
    : s_(std::make_unique<State>(host, std::move(hooks), std::move(options))) {
    // A session of hours must not keep every call the host ever saw.
    host.hooks().keepRecords = false;
    zxw32::setWindowHandler(host.stage().window(), &stageWindowHandler, &s_->quit);
    if (s_->options.askPerson) {
        zxw32::setMessageBoxHandler(&askPerson, s_->window.window());
    }
    zxw32::setEventObserver(&hear, &s_->tones);
    s_->foreground = GetForegroundWindow();
    s_->topmost = zxw32::isTopmost(host.stage().window());
    SDL_StartTextInput();
    s_->start = s_->now();
    s_->lastReport = s_->start;
}

Player::~Player() {
    zxw32::setEventObserver(nullptr, nullptr);
    zxw32::setMessageBoxHandler(nullptr, nullptr);
    zxw32::setWindowHandler(s_->host.stage().window(), nullptr, nullptr);
    s_->host.hooks().keepRecords = true;
}

uint32_t Player::windowId() const {
    return s_->window.id();
}

int64_t Player::sounds() const {
    return s_->tones.played();
}

const FrameStats& Player::stats() const {
    return s_->stats;
}

double Player::elapsed() const {
    return s_->now() - s_->start;
}

namespace {

// What a redraw of single sprites cannot notice: the score's sprites and their rectangles,
// the stage's size and colour.
std::string sceneOf(zxhost::Host& host) {
    std::string scene = std::to_string(host.stage().width()) + "x" +
                        std::to_string(host.stage().height()) + "/" +
                        std::to_string(host.stage().color());
    for (const zxhost::Sprite* sprite : host.sprites()) {
        const zxhost::Rect& r = sprite->rect();
        scene += "|" + std::to_string(sprite->id()) + ":" + std::to_string(sprite->ink()) + ":" +
                 std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                 std::to_string(r.right) + "," + std::to_string(r.bottom);
    }
    return scene;
}

int32_t modifiersNow() {
    return hostModifiers(static_cast<uint16_t>(SDL_GetModState()));
}

} // namespace

bool Player::step() {
    State& s = *s_;
    const double frameStart = s.now();
    SDL_Event e;
    // A press ends the frame's events: the frame's idle pass and redraw come between it and
    // its release, as they would for a person, whose clicks last longer than a frame. (The
    // slider steps in the redraw that follows a press.)
    bool pressed = false;
    while (!s.quit && !pressed && SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT:
            s.quit = true;
            break;
        case SDL_WINDOWEVENT:
            if (e.window.windowID == windowId() && e.window.event == SDL_WINDOWEVENT_CLOSE) {
                s.quit = true;
            } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                       e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                s.needsShow = true;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.windowID != windowId()) {
                break;
            }
            s.pointer = POINT{e.button.x, e.button.y};
            if (e.button.button == SDL_BUTTON_LEFT) {
                s.input.press(e.button.x, e.button.y, modifiersNow(), frameStart);
                pressed = true;
            } else if (e.button.button == SDL_BUTTON_RIGHT) {
                if (zxhost::Sprite* sprite = s.input.spriteAt(e.button.x, e.button.y)) {
                    openDialog(*sprite);
                }
            }
            break;
        case SDL_MOUSEMOTION:
            if (e.motion.windowID != windowId()) {
                break;
            }
            s.pointer = POINT{e.motion.x, e.motion.y};
            s.input.move(e.motion.x, e.motion.y, modifiersNow(), frameStart);
            if (s.hooks.mouseMove) {
                s.hooks.mouseMove(e.motion.x, e.motion.y);
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.windowID == windowId() && e.button.button == SDL_BUTTON_LEFT) {
                s.pointer = POINT{e.button.x, e.button.y};
                s.input.release(e.button.x, e.button.y, modifiersNow(), frameStart);
            }
            break;
        case SDL_KEYDOWN: {
            if (e.key.windowID != windowId()) {
                break;
            }
            const SDL_Keycode key = e.key.keysym.sym;
            if (key == SDLK_ESCAPE) {
                s.quit = true;
            } else if (key == SDLK_F2) {
                zxhost::Sprite* sprite = s.input.focused();
                if (sprite == nullptr) {
                    sprite = s.input.spriteAt(s.pointer.x, s.pointer.y);
                }
                if (sprite != nullptr) {
                    openDialog(*sprite);
                }
            } else if (const std::optional<uint8_t> code = hostKeyCode(key)) {
                s.input.key(*code, hostModifiers(e.key.keysym.mod));
            }
            break;
        }
        case SDL_TEXTINPUT:
            if (e.text.windowID == windowId()) {
                s.input.text(utf8ToCp1252(e.text.text), modifiersNow());
            }
            break;
        default:
            break;
        }
    }
    if (s.quit) {
        return false;
    }
    s.input.tick(frameStart);
    if (s.hooks.frame) {
        s.hooks.frame(frameStart - s.start);
    }
    s.host.stage().idle();
    const HWND stageWindow = s.host.stage().window();
    // The window commands of the plug-ins act on the stage window: bring it forward, keep it
    // on top.
    const HWND foreground = GetForegroundWindow();
    if (foreground != s.foreground) {
        s.foreground = foreground;
        if (foreground == stageWindow) {
            SDL_RaiseWindow(s.window.window());
        }
    }
    if (const bool topmost = zxw32::isTopmost(stageWindow); topmost != s.topmost) {
        s.topmost = topmost;
        SDL_SetWindowAlwaysOnTop(s.window.window(), topmost ? SDL_TRUE : SDL_FALSE);
    }
    // A sprite that moved the cursor (the graph's trace snaps it onto a curve) moves the
    // person's pointer too.
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    ScreenToClient(stageWindow, &cursor);
    if (cursor.x != s.pointer.x || cursor.y != s.pointer.y) {
        s.pointer = cursor;
        if (SDL_GetMouseFocus() == s.window.window()) {
            SDL_WarpMouseInWindow(s.window.window(), cursor.x * s.window.scale(),
                                  cursor.y * s.window.scale());
        }
    }
    s.cursors.follow();
    const std::vector<int32_t> asked = s.host.takeRedrawRequests();
    if (const std::string scene = sceneOf(s.host); scene != s.scene) {
        // A script moved, added or removed a sprite, or changed the stage: all of it again.
        s.scene = scene;
        s.needsShow = true;
    }
    if (!asked.empty() || s.needsShow) {
        const double renderStart = s.now();
        if (s.needsShow) {
            s.host.stage().render();
            // The render's own idle pass asked again for what it drew.
            s.host.takeRedrawRequests();
        } else {
            s.host.stage().renderSprites(asked);
        }
        s.window.show(s.host.stage().bits(), s.host.stage().width(), s.host.stage().height());
        const double renderMs = (s.now() - renderStart) * 1000.0;
        s.stats.renderTotal += renderMs;
        s.stats.renderMax = std::max(s.stats.renderMax, renderMs);
        ++s.stats.redraws;
        s.needsShow = false;
    }
    if (s.hooks.afterFrame) {
        s.hooks.afterFrame();
    }
    const double end = s.now();
    const double busyMs = (end - frameStart) * 1000.0;
    ++s.stats.frames;
    s.stats.busyTotal += busyMs;
    s.stats.busyMax = std::max(s.stats.busyMax, busyMs);
    if (s.options.verbose && end - s.lastReport >= 5.0) {
        s.lastReport = end;
        report("so far");
    }
    return s.options.seconds <= 0 || end - s.start < s.options.seconds;
}

int Player::run() {
    SDL_DisplayMode mode{};
    const int index = SDL_GetWindowDisplayIndex(s_->window.window());
    const int rate =
        index >= 0 && SDL_GetCurrentDisplayMode(index, &mode) == 0 && mode.refresh_rate > 0
            ? mode.refresh_rate
            : 60;
    const double period = 1.0 / rate;
    double next = s_->now();
    while (step()) {
        next += period;
        const double now = s_->now();
        if (next < now) {
            next = now; // fell behind: start counting again rather than racing to catch up
        }
        // Sleep until the next frame or the first event, whichever comes first.
        SDL_WaitEventTimeout(nullptr, static_cast<int>((next - now) * 1000.0));
    }
    if (s_->options.verbose) {
        report("in all");
    }
    return 0;
}

void Player::report(const char* when) const {
    const FrameStats& f = s_->stats;
    if (f.frames == 0) {
        return;
    }
    std::fprintf(stderr,
                 "zentrix: play: %lld frames %s in %.1f s; frame time %.3f ms on average, "
                 "%.3f ms at most; %lld redraws, %.3f ms on average, %.3f ms at most\n",
                 static_cast<long long>(f.frames), when, elapsed(), f.busyTotal / f.frames,
                 f.busyMax, static_cast<long long>(f.redraws),
                 f.redraws ? f.renderTotal / f.redraws : 0.0, f.renderMax);
}

} // namespace zentrix::play
