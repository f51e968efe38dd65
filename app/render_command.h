// The render command and the pieces of it the other commands share, in both builds.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <zxhost/host.h>

#include "cli.h"

namespace zentrix {

// One event as the program reports it on stderr with -v:
// "zentrix: KIND: TEXT [CAPTION] flags=N" (caption and flags only when present).
void echoMessage(const zxhost::Message& message);

// Writes the rendered stage as a PNG, whole or not at all, and says so on stdout:
// "wrote OUT (WxH stage, N sprites)".
void saveStage(zxhost::Host& host, const std::filesystem::path& output);

// Loads a saved movie into `host` with `load` (natively the movie's script runs too),
// renders it and writes the PNG; `afterRender`, when given, fails the command before
// anything is written (a script handler that failed during the render). Loader warnings go
// to stderr; with -v every other event of the load and the render is echoed too, oldest
// first.
int renderMovie(const CommandLine& cmd, zxhost::Host& host,
                const std::function<std::vector<std::string>()>& load,
                const std::function<void()>& afterRender = {});

// A host that finds the plug-ins beside the program and in the plug-in path; warns once on
// stderr when there is no window system to record message boxes.
std::unique_ptr<zxhost::Host> renderHost();

} // namespace zentrix
