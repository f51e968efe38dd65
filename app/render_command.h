// The render command and the pieces of it the other commands share, in both builds.
#pragma once

#include <filesystem>

#include <zxhost/host.h>

#include "cli.h"

namespace zentrix {

// One event as the program reports it on stderr with -v:
// "zentrix: KIND: TEXT [CAPTION] flags=N" (caption and flags only when present).
void echoMessage(const zxhost::Message& message);

// Writes the rendered stage as a PNG, whole or not at all, and says so on stdout:
// "wrote OUT (WxH stage, N sprites)".
void saveStage(zxhost::Host& host, const std::filesystem::path& output);

// Loads the saved movie, renders it and writes the PNG. Loader warnings go to stderr; with
// -v every other event of the load and the render is echoed too, oldest first.
int renderMovie(const CommandLine& cmd);

} // namespace zentrix
