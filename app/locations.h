// Where the program finds its plug-ins and the demo movie.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zentrix {

// The folder that holds the running program.
std::filesystem::path programDir();

// movies/demo.lua: ZENTRIX_MOVIES, then ../../movies from the program (build/<preset>/bin),
// then the source tree's movies folder. Returns the first that exists, else the first
// candidate so that the error names a sensible file.
std::filesystem::path demoMovie();

} // namespace zentrix
