// The Lua state of a movie script: standard libraries, the movie API, running files and
// turning every failure into one line "file:line: cause".
#include "zxlua/movie_script.h"

#include "binding.h"
#include "movie_environment.h"
#include "movie_loading.h"
#include "script_support.h"

#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

namespace zxlua {

namespace {

// The error object on top of the stack as one line; pops it.
std::string errorText(lua_State* L) {
    std::string message = singleLine(errorObjectText(L, -1));
    lua_pop(L, 1);
    return message;
}

// Precompiled chunks are refused everywhere a script can load code: the interpreter does
// not check bytecode, and a damaged chunk crashes it. load, loadfile and dofile take text
// only, and so does require's Lua searcher (its file is read by loadfile). File names with a
// NUL are refused by the standard library's file functions too: the system would end the
// name there and open another file.
constexpr const char* kTextOnlyPrelude = R"(
local format, error, type, find = string.format, error, type, string.find
local function checkName(name, what)
  if type(name) == "string" and find(name, "\0", 1, true) then
    error(what .. ": a file name must not contain a NUL character", 3)
  end
end
local load, loadfile, searchpath = load, loadfile, package.searchpath
_G.load = function(chunk, name, mode, env)
  return load(chunk, name, "t", env)
end
_G.loadfile = function(file, mode, env)
  return loadfile(file, "t", env)
end
_G.dofile = function(file)
  local f, message = loadfile(file, "t")
  if not f then error(message, 2) end
  return f()
end
package.searchers[2] = function(name)
  local file, message = searchpath(name, package.path)
  if not file then return "\n\t" .. message end
  local f, loadMessage = loadfile(file, "t")
  if not f then
    error(format("error loading module '%s' from file '%s':\n\t%s", name, file, loadMessage), 2)
  end
  return f, file
end
for _, entry in ipairs({{io, "io", {"open", "lines", "input", "output"}},
                        {os, "os", {"remove", "rename"}},
                        {_G, "", {"loadfile", "dofile"}}}) do
  local library, prefix, names = entry[1], entry[2], entry[3]
  for _, name in ipairs(names) do
    local original = library[name]
    local what = prefix == "" and name or prefix .. "." .. name
    library[name] = function(file, ...)
      checkName(file, what)
      if name == "rename" then checkName((...), what) end
      return original(file, ...)
    end
  end
end
)";

} // namespace

MovieScript::MovieScript(zxhost::Host& host) : binding_(std::make_unique<Binding>(host)) {
    L_ = luaL_newstate();
    if (!L_) {
        throw ScriptError("cannot create a Lua state (out of memory)");
    }
    binding_->L = L_;
    binding_->baseDir = std::filesystem::current_path();
    luaL_openlibs(L_);
    attachBinding(L_, binding_.get());
    openMemberType(L_);
    openSpriteType(L_);
    openStage(L_);
    openCast(L_);
    openScore(L_);
    openHostLibrary(L_);
    openMovie(L_);
    installHandlers(L_);
    // The prelude first: fresh environments copy the globals as it leaves them.
    const auto prepare = [this] {
        if (luaL_loadbufferx(L_, kTextOnlyPrelude, std::strlen(kTextOnlyPrelude), "=prelude",
                             "t") != LUA_OK ||
            lua_pcall(L_, 0, 0, 0) != LUA_OK) {
            return false;
        }
        lua_pushcfunction(L_, prepareEnvironments);
        return lua_pcall(L_, 0, 0, 0) == LUA_OK;
    };
    if (!prepare()) {
        const std::string message = errorText(L_);
        binding_->host.setHandlerLookup(nullptr);
        lua_close(L_);
        throw ScriptError("cannot prepare the Lua state: " + message);
    }
}

MovieScript::~MovieScript() {
    // The host outlives the script: it must not call into a closed state.
    binding_->host.setHandlerLookup(nullptr);
    lua_close(L_);
}

void MovieScript::runFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        throw ScriptError(file.string() + ": cannot read the script: it is a directory");
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw ScriptError(file.string() + ": cannot read the script");
    }
    std::ostringstream text;
    try {
        text << in.rdbuf();
    } catch (const std::exception&) {
        throw ScriptError(file.string() + ": cannot read the script");
    }
    if (in.bad()) {
        throw ScriptError(file.string() + ": cannot read the script");
    }
    runString(text.str(), file.string(), file.parent_path().empty() ? "." : file.parent_path());
}

void MovieScript::runString(const std::string& code, const std::string& chunkName,
                            const std::filesystem::path& baseDir) {
    binding_->baseDir = baseDir;
    binding_->chunkName = chunkName;
    addScriptFolderToPath(L_, baseDir);
    loadScriptText(L_, code, chunkName);
    // The script becomes the movie's: its globals answer the sprites, it is saved with the
    // movie, and its start handler has not run yet.
    binding_->host.setMovieScript(zxhost::ScriptSource{std::string(scriptBody(code)), chunkName});
    useStateGlobalsAsMovieEnvironment(L_);
    binding_->started = false;
    if (lua_pcall(L_, 0, 0, 0) != LUA_OK) {
        // An error object that is not a string (error({})) carries no place: the script is
        // named instead.
        const bool isText = lua_type(L_, -1) == LUA_TSTRING || lua_type(L_, -1) == LUA_TNUMBER;
        const std::string message = errorText(L_);
        throw ScriptError(isText ? message : chunkName + ": " + message);
    }
    throwHandlerFailure();
}

void MovieScript::throwHandlerFailure() {
    zxlua::throwHandlerFailure(*binding_);
}

void MovieScript::startMovie() {
    if (binding_->started) {
        return;
    }
    binding_->started = true;
    callMovieFunction(*binding_, "on_start_movie");
}

bool MovieScript::frame(double seconds) {
    return callMovieFunction(*binding_, "on_frame", {seconds});
}

bool MovieScript::mouseMove(int32_t x, int32_t y) {
    return callMovieFunction(*binding_, "on_mouse_move",
                             {static_cast<double>(x), static_cast<double>(y)});
}

std::vector<std::string> MovieScript::loadMovie(const std::filesystem::path& movieFile) {
    const std::string shown = movieFile.string();
    bool ranScript = false;
    std::vector<std::string> warnings =
        loadMovieWithScript(*binding_, movieFile, shown, &ranScript);
    if (ranScript) {
        // The loaded script is the one running now: relative paths in its handlers are
        // taken from the movie's folder, and failures after the load name it.
        binding_->baseDir = movieFile.parent_path().empty() ? "." : movieFile.parent_path();
        binding_->chunkName = movieScriptChunkName(shown);
    }
    return warnings;
}

const std::vector<std::filesystem::path>& MovieScript::written() const {
    return binding_->written;
}

void MovieScript::onMessage(std::function<void(const zxhost::Message&)> echo) {
    binding_->echo = std::move(echo);
}

void MovieScript::drainMessages() {
    for (const zxhost::Message& m : binding_->host.messages()) {
        if (binding_->echo) {
            binding_->echo(m);
        }
    }
}

} // namespace zxlua
