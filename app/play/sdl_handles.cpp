#include "sdl_handles.h"

namespace zentrix::play {

SdlSession::SdlSession() {
    // The player's own keys and the host's repeat decide; SDL must not turn a held key into
    // text twice or swallow the first click that activates the window.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // A stage is a small picture: SDL's software renderer scales it quickly enough, and
    // without a GPU driver loaded the player behaves the same on every machine (and has no
    // driver's leaks to hide).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        throw sdlError("cannot open the display (SDL_VIDEODRIVER=offscreen plays without one)");
    }
}

SdlSession::~SdlSession() {
    SDL_Quit();
}

PictureWindow::PictureWindow(const std::string& title, int width, int height, int scale,
                             bool borderless)
    : scale_(scale) {
    const Uint32 flags = SDL_WINDOW_SHOWN | (borderless ? SDL_WINDOW_BORDERLESS : 0);
    window_.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   width * scale, height * scale, flags));
    if (!window_) {
        throw sdlError("cannot open a window");
    }
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_) {
        throw sdlError("cannot draw into the window");
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    resize(width, height);
}

void PictureWindow::resize(int width, int height) {
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                     SDL_TEXTUREACCESS_STREAMING, width, height));
    if (!texture_) {
        throw sdlError("cannot make a " + std::to_string(width) + "x" + std::to_string(height) +
                       " picture");
    }
    // The logical size makes SDL draw the picture scaled and hand mouse positions back in
    // picture pixels, whatever size the window has.
    SDL_RenderSetLogicalSize(renderer_.get(), width, height);
    SDL_RenderSetIntegerScale(renderer_.get(), SDL_TRUE);
    if (width_ != 0 && (width != width_ || height != height_)) {
        SDL_SetWindowSize(window_.get(), width * scale_, height * scale_);
    }
    width_ = width;
    height_ = height;
}

void PictureWindow::show(const uint32_t* pixels, int width, int height) {
    if (width != width_ || height != height_) {
        resize(width, height);
    }
    SDL_UpdateTexture(texture_.get(), nullptr, pixels, width * 4);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}

} // namespace zentrix::play
