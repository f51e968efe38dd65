// The movie a command names, started as `run` starts it: a saved movie (.json) loads with
// the script it carries; anything else runs as a script, then its start handler.
#pragma once

#include <filesystem>

namespace zxlua {
class MovieScript;
}

namespace zentrix {

// Loader warnings go to stderr as "zentrix: warning: ..." lines; failures throw
// zxlua::ScriptError with one line.
void startMovieFile(zxlua::MovieScript& movie, const std::filesystem::path& file);

} // namespace zentrix
