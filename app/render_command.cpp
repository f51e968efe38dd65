// Rendering a saved movie: load, render, write; the event log echoed on request.
#include "render_command.h"

#include <cstdio>
#include <string>

#include <zxlua/atomic_file.h>

#include "locations.h"

namespace zentrix {

namespace {

void echoEvents(zxhost::Host& host) {
    for (const zxhost::Message& m : host.messages()) {
        if (m.kind != "warning") { // printed as they come
            echoMessage(m);
        }
    }
}

} // namespace

void echoMessage(const zxhost::Message& m) {
    std::string line = m.kind + ": " + m.text;
    if (!m.caption.empty()) {
        line += " [" + m.caption + "]";
    }
    if (m.flags != 0) {
        line += " flags=" + std::to_string(m.flags);
    }
    std::fprintf(stderr, "zentrix: %s\n", line.c_str());
}

void saveStage(zxhost::Host& host, const std::filesystem::path& output) {
    zxlua::writeAtomically(
        output, [&](const std::filesystem::path& tmp) { host.stage().savePng(tmp.string()); });
    std::printf("wrote %s (%dx%d stage, %zu sprites)\n", output.string().c_str(),
                host.stage().width(), host.stage().height(), host.sprites().size());
}

std::unique_ptr<zxhost::Host> renderHost() {
    auto host =
        std::make_unique<zxhost::Host>(zxhost::Host::defaultPluginDirs(programDir().string()));
    // Without a window system (Wine with no display driver) message boxes return at once,
    // unseen: the event log would silently miss them.
    if (!host->stage().window()) {
        std::fprintf(stderr, "zentrix: warning: no window system: message boxes cannot be "
                             "recorded (under Wine without a display, set the null display "
                             "driver)\n");
    }
    return host;
}

int renderMovie(const CommandLine& cmd, zxhost::Host& host,
                const std::function<std::vector<std::string>()>& load,
                const std::function<void()>& afterRender) {
    for (const std::string& warning : load()) {
        std::fprintf(stderr, "zentrix: warning: %s\n", warning.c_str());
    }
    if (cmd.verbose) {
        echoEvents(host);
    }
    host.stage().render();
    // What the plug-ins did while drawing (a message box from Draw) is reported as well.
    if (cmd.verbose) {
        echoEvents(host);
    }
    if (afterRender) {
        afterRender();
    }
    saveStage(host, cmd.output);
    return 0;
}

} // namespace zentrix
