// What a running player holds: the host, the movie's hooks, the window, the input router,
// the tones, the cursor and the frame figures. Shared by the player's own files.
#pragma once

#include "cursor_shapes.h"
#include "player.h"
#include "sdl_handles.h"
#include "stage_input.h"
#include "tones.h"

#include <zxhost/host.h>

namespace zentrix::play {

struct Player::State {
    zxhost::Host& host;
    PlayHooks hooks;
    PlayOptions options;
    PictureWindow window;
    StageInput input;
    Tones tones;
    CursorShapes cursors;
    FrameStats stats;
    double start = 0;
    double lastReport = 0;
    bool quit = false;
    bool needsShow = true;
    std::string scene; // the score and stage as last shown (sceneOf)
    HWND foreground = nullptr;
    bool topmost = false;
    POINT pointer{0, 0}; // where the player last put the cursor, stage coordinates

    State(zxhost::Host& h, PlayHooks k, PlayOptions o)
        : host(h), hooks(std::move(k)), options(std::move(o)),
          window(options.title, h.stage().width(), h.stage().height(), options.scale, false),
          input(h) {}

    double now() const {
        if (options.clock) {
            return options.clock();
        }
        return static_cast<double>(SDL_GetPerformanceCounter()) /
               static_cast<double>(SDL_GetPerformanceFrequency());
    }
};

} // namespace zentrix::play
