// The program's commands in the Windows build: rendering saved movies. Movie scripts need
// the Lua binding, which only the native build has: a movie's script is left unrun, with a
// warning.
#include <cstdio>
#include <stdexcept>

#include "commands.h"
#include "render_command.h"

namespace zentrix {

int execute(const CommandLine& cmd) {
    switch (cmd.action) {
    case Action::Render: {
        const std::unique_ptr<zxhost::Host> host = renderHost();
        return renderMovie(cmd, *host, [&] {
            std::vector<std::string> warnings = host->loadMovie(cmd.input);
            if (host->movieScript()) {
                std::fprintf(stderr,
                             "zentrix: warning: %s: the movie's script does not run here (movie "
                             "scripts run only in the native build); rendered without it\n",
                             cmd.input.c_str());
            }
            return warnings;
        });
    }
    case Action::Demo:
        throw std::runtime_error("the demo is a Lua movie; Lua movies run only in the native "
                                 "build (try: zentrix render MOVIE.json -o OUT.png)");
    case Action::Run:
        throw std::runtime_error(cmd.input + ": Lua movies run only in the native build");
    case Action::Kinds:
        throw std::runtime_error("kinds: only in the native build");
    case Action::Props:
        throw std::runtime_error("props: only in the native build");
    case Action::Play:
        throw std::runtime_error("play: only in the native build");
    case Action::Dialog:
        throw std::runtime_error("dialog: only in the native build");
    case Action::Help:
        break;
    }
    return 0;
}

} // namespace zentrix
