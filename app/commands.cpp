// The program's commands natively: the demo, running a script, rendering a saved movie,
// listing the plug-ins, the reference of a kind, playing a movie in a window and a member's
// properties dialog.
#include "commands.h"

#include "dialog_command.h"
#include "kind_reference.h"
#include "locations.h"
#include "play/play_command.h"
#include "render_command.h"

#include <zxhost/host.h>
#include <zxlua/movie_script.h>

#include <cstdio>
#include <stdexcept>

namespace fs = std::filesystem;

namespace zentrix {

namespace {

std::vector<std::string> searchDirs() {
    return zxhost::Host::defaultPluginDirs(programDir().string());
}

void writeStage(zxhost::Host& host, const fs::path& output, zxlua::MovieScript* movie = nullptr) {
    host.stage().render();
    // A script handler that failed during the render fails the run before anything is
    // written.
    if (movie) {
        movie->throwHandlerFailure();
    }
    saveStage(host, output);
}

// Runs a script (or a saved movie with its script); writes `output` when given, or `fallback` when
// given and the script saved no PNG itself. Says what happened when nothing was written.
int runScript(const fs::path& script, const CommandLine& cmd, const fs::path& fallback) {
    zxhost::Host host(searchDirs());
    zxlua::MovieScript movie(host);
    if (cmd.verbose) {
        movie.onMessage(echoMessage);
    }
    try {
        if (script.extension() == ".json") {
            movie.loadMovie(script);
        } else {
            movie.runFile(script);
            // The start handler runs once the top level has built the movie, as it runs
            // when the saved movie is loaded: the two render alike.
            movie.startMovie();
        }
    } catch (...) {
        if (cmd.verbose) {
            movie.drainMessages();
        }
        throw;
    }
    if (cmd.verbose) {
        movie.drainMessages();
    }
    bool savedPng = false;
    for (const fs::path& p : movie.written()) {
        savedPng = savedPng || p.extension() == ".png";
    }
    if (!cmd.output.empty()) {
        writeStage(host, cmd.output, &movie);
    } else if (!fallback.empty() && !savedPng) {
        writeStage(host, fallback, &movie);
    } else if (movie.written().empty()) {
        std::printf("%s: ran; %zu members, %zu sprites on a %dx%d stage; nothing written "
                    "(-o OUT.png saves the stage)\n",
                    script.string().c_str(), host.members().size(), host.sprites().size(),
                    host.stage().width(), host.stage().height());
    }
    return 0;
}

// Renders a saved movie with its script: the script's handlers answer the sprites during the
// render, and one that fails there fails the command.
int renderSavedMovie(const CommandLine& cmd) {
    const std::unique_ptr<zxhost::Host> host = renderHost();
    zxlua::MovieScript movie(*host);
    if (cmd.verbose) {
        movie.onMessage(echoMessage);
    }
    return renderMovie(
        cmd, *host, [&] { return movie.loadMovie(cmd.input); },
        [&] { movie.throwHandlerFailure(); });
}

int listKinds() {
    zxhost::Host host(searchDirs());
    const std::vector<zxhost::KindInfo> kinds = host.kinds();
    for (const zxhost::KindInfo& k : kinds) {
        std::printf("%-12s %-14s %-10s %s\n", k.symbol.c_str(), k.displayName.c_str(),
                    k.category.c_str(), k.modulePath.c_str());
    }
    if (kinds.empty()) {
        std::printf("no plug-ins found (searched the program's folder and "
                    "ZENTRIX_PLUGIN_PATH)\n");
    }
    // Modules that are there but do not load are failures, one line each.
    for (const std::string& error : host.loadErrors()) {
        std::fprintf(stderr, "zentrix: %s\n", error.c_str());
    }
    return host.loadErrors().empty() ? 0 : 1;
}

// The reference of one kind from its module's own description.
int printProps(const CommandLine& cmd) {
    zxhost::Host host(searchDirs());
    const zxhost::Module* module = host.findModule(cmd.input);
    if (module == nullptr) {
        throw std::runtime_error("props: unknown kind '" + cmd.input +
                                 "' (zentrix kinds lists the plug-ins found)");
    }
    const ZxKindDescription* kind = module->description();
    if (kind == nullptr) {
        throw std::runtime_error("props: " + module->path() + " does not describe its kind");
    }
    const std::string text = cmd.markdown ? referenceMarkdown(*kind) : referenceTable(*kind);
    std::fputs(text.c_str(), stdout);
    return 0;
}

} // namespace

int execute(const CommandLine& cmd) {
    switch (cmd.action) {
    case Action::Demo:
        return runScript(demoMovie(), cmd, "demo.png");
    case Action::Run:
        return runScript(cmd.input, cmd, {});
    case Action::Render:
        return renderSavedMovie(cmd);
    case Action::Kinds:
        return listKinds();
    case Action::Props:
        return printProps(cmd);
    case Action::Play:
        return playMovie(cmd);
    case Action::Dialog:
        return drawDialog(cmd);
    case Action::Help:
        break;
    }
    return 0;
}

} // namespace zentrix
