// Owning handles of SDL objects, so that every window, renderer, texture, cursor and the
// library itself is given back on every path out of the player.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include <SDL.h>

namespace zentrix::play {

struct SdlDeleter {
    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
    void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
};
using WindowHandle = std::unique_ptr<SDL_Window, SdlDeleter>;
using RendererHandle = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TextureHandle = std::unique_ptr<SDL_Texture, SdlDeleter>;
using CursorHandle = std::unique_ptr<SDL_Cursor, SdlDeleter>;

// SDL's video and events for as long as it lives (audio is opened on its own, on demand).
// One at a time: SDL_Quit ends SDL whole, whatever else was initialised.
class SdlSession {
public:
    SdlSession();
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;
};

// An SDL failure as one line: what was tried and SDL's reason.
inline std::runtime_error sdlError(const std::string& what) {
    return std::runtime_error("play: " + what + ": " + SDL_GetError());
}

// A window with a renderer and a streaming texture that shows a 32-bit 0x00RRGGBB picture,
// scaled by a whole factor with nearest-pixel sampling.
class PictureWindow {
public:
    PictureWindow(const std::string& title, int width, int height, int scale, bool borderless);
    // Shows top-down rows of `width` words; resizes the texture (and the window) when the
    // picture's size changed.
    void show(const uint32_t* pixels, int width, int height);
    SDL_Window* window() const { return window_.get(); }
    uint32_t id() const { return SDL_GetWindowID(window_.get()); }
    int scale() const { return scale_; }

private:
    void resize(int width, int height);

    int scale_ = 1;
    int width_ = 0;
    int height_ = 0;
    WindowHandle window_;
    RendererHandle renderer_;
    TextureHandle texture_;
};

} // namespace zentrix::play
