// The program's commands in the Windows build: rendering saved movies. Movie scripts need
// the Lua binding, which only the native build has.
#include <stdexcept>

#include "commands.h"
#include "render_command.h"

namespace zentrix {

int execute(const CommandLine& cmd) {
    switch (cmd.action) {
    case Action::Render:
        return renderMovie(cmd);
    case Action::Demo:
        throw std::runtime_error("the demo is a Lua movie; Lua movies run only in the native "
                                 "build (try: zentrix render MOVIE.json -o OUT.png)");
    case Action::Run:
        throw std::runtime_error(cmd.input + ": Lua movies run only in the native build");
    case Action::Kinds:
        throw std::runtime_error("kinds: only in the native build");
    case Action::Props:
        throw std::runtime_error("props: only in the native build");
    case Action::Dialog:
        throw std::runtime_error("dialog: only in the native build");
    case Action::Help:
        break;
    }
    return 0;
}

} // namespace zentrix
