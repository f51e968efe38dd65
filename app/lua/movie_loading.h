// Loading a movie together with its script, running script text, and calling the movie's
// own handlers (on_start_movie, on_frame) from the host's side.
#pragma once

#include "binding.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zxlua {

// Script text as it is run and kept: without a leading byte-order mark (editors may save
// one in front of UTF-8 text; the JSON reader skips one too).
std::string_view scriptBody(std::string_view code);

// Compiles script text (text only: a precompiled chunk is refused) and pushes the function.
// Throws ScriptError "chunk:line: cause".
void loadScriptText(lua_State* L, std::string_view code, const std::string& chunkName);

// Calls the movie environment's function `name` with `args` when it is defined; returns
// whether it is. Throws ScriptError with the handler's own place, or the script's name in
// front of an error that has none.
bool callMovieFunction(Binding& b, const char* name, const std::vector<double>& args = {});

// Loads the movie at `path`: stage, cast and score; then, when the movie carries a script,
// that script in a fresh environment in which movie.loaded is true, which becomes the movie
// environment; then its on_start_movie. A movie without a script keeps the running script
// and its handlers. `shown` is the file as the user named it, for messages ("saved.json:
// movie script:12: cause"). Returns the loader's warnings. Throws ScriptError for a failing
// script or a bad file ("saved.json: cast[2].kind: unknown kind 'x'"); either way the previous
// movie, its script and its handlers stay as they were. The binding's folder and script name are
// left as they were too: the caller decides whether the loaded script becomes the running one.
// *ranScript tells whether the movie carried a script that ran.
std::vector<std::string> loadMovieWithScript(Binding& b, const std::filesystem::path& path,
                                             const std::string& shown, bool* ranScript = nullptr);

// Lets `require` find modules in `dir` (a script's or a movie's folder), ahead of the rest.
void addScriptFolderToPath(lua_State* L, const std::filesystem::path& dir);

// The name a loaded movie's script runs under: "saved.json: movie script".
std::string movieScriptChunkName(const std::string& shown);

} // namespace zxlua
