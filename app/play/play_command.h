// `zentrix play FILE.lua|MOVIE.json [--scale N] [--seconds S] [-v]`: a movie in a window.
#pragma once

#include "cli.h"

namespace zentrix {

// Runs the script (or loads the saved movie), then plays it until the window closes.
// Failures throw std::exception with a one-line message.
int playMovie(const CommandLine& cmd);

} // namespace zentrix
