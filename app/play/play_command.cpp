#include "play_command.h"

#include "locations.h"
#include "movie_start.h"
#include "player.h"
#include "render_command.h"
#include "sdl_handles.h"

#include <zxhost/host.h>
#include <zxlua/movie_script.h>

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace zentrix {

int playMovie(const CommandLine& cmd) {
    const fs::path file = cmd.input;
    zxhost::Host host(zxhost::Host::defaultPluginDirs(programDir().string()));
    zxlua::MovieScript movie(host);
    if (cmd.verbose) {
        movie.onMessage(echoMessage);
    }
    startMovieFile(movie, file);
    play::SdlSession sdl;
    play::PlayOptions options;
    options.title = file.stem().string() + " - Zentrix";
    options.scale = cmd.scale;
    options.seconds = cmd.seconds;
    options.verbose = cmd.verbose;
    play::PlayHooks hooks;
    hooks.frame = [&movie](double seconds) { movie.frame(seconds); };
    hooks.mouseMove = [&movie](int32_t x, int32_t y) { movie.mouseMove(x, y); };
    if (cmd.verbose) {
        hooks.afterFrame = [&movie] { movie.drainMessages(); };
    }
    play::Player player(host, std::move(hooks), std::move(options));
    const int status = player.run();
    movie.throwHandlerFailure();
    return status;
}

} // namespace zentrix
