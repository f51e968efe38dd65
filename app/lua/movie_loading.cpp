// A movie's script runs after its stage, cast and score are in place, in an environment of
// its own, inside the host's load: when it fails, the host puts the previous movie back and
// the previous movie environment stays the one that answers the sprites.
#include "movie_loading.h"

#include "movie_environment.h"
#include "script_support.h"

#include "zxlua/movie_script.h"

#include <optional>

namespace zxlua {

namespace {

// Restores the Lua stack to its height on entry, whatever way the scope is left.
class StackScope {
public:
    explicit StackScope(lua_State* L) : L_(L), top_(lua_gettop(L)) {}
    ~StackScope() { lua_settop(L_, top_); }
    StackScope(const StackScope&) = delete;
    StackScope& operator=(const StackScope&) = delete;

private:
    lua_State* L_;
    int top_;
};

// What a movie load changes in the binding, put back when the scope ends: the folder and
// name of the running script always (a script that called movie.load goes on running),
// the start flag only when the load failed.
class LoadScope {
public:
    explicit LoadScope(Binding& b)
        : b_(b), baseDir_(b.baseDir), chunkName_(b.chunkName), started_(b.started) {
        ++b_.loading;
    }
    ~LoadScope() {
        --b_.loading;
        b_.baseDir = baseDir_;
        b_.chunkName = chunkName_;
        if (!committed_) {
            b_.started = started_;
        }
    }
    LoadScope(const LoadScope&) = delete;
    LoadScope& operator=(const LoadScope&) = delete;
    void commit() { committed_ = true; }

private:
    Binding& b_;
    std::filesystem::path baseDir_;
    std::string chunkName_;
    bool started_;
    bool committed_ = false;
};

std::string popMessage(lua_State* L) {
    std::string message = singleLine(errorObjectText(L, -1));
    lua_pop(L, 1);
    return message;
}

// Runs the loaded movie's script and its start handler. On failure the previous movie
// environment is put back before the error leaves, so that the host's restored movie is
// answered by its own handlers again.
void runLoadedScript(Binding& b, const zxhost::ScriptSource& script,
                     const std::filesystem::path& path, const std::string& shown) {
    lua_State* L = b.L;
    const std::string chunkName = movieScriptChunkName(shown);
    // Every message names the movie: a message from the script itself does already.
    const auto named = [&](const std::string& message) {
        return message.starts_with(chunkName) ? message : shown + ": " + message;
    };
    StackScope stack(L);
    // The previous and the fresh environment, the chunk and a copy of the environment.
    if (!lua_checkstack(L, 8)) {
        throw ScriptError(chunkName + ": out of Lua stack");
    }
    pushMovieEnvironment(L);
    const int previous = lua_gettop(L);
    if (!pushFreshEnvironment(L, true)) {
        throw ScriptError(chunkName + ": " + popMessage(L));
    }
    const int environment = lua_gettop(L);
    try {
        loadScriptText(L, script.text, chunkName);
        lua_pushvalue(L, environment);
        lua_setupvalue(L, -2, 1); // the chunk's only upvalue is its _ENV
        b.baseDir = path.parent_path().empty() ? "." : path.parent_path();
        b.chunkName = chunkName;
        addScriptFolderToPath(L, b.baseDir);
        b.started = false;
        // The new script's handlers answer its own sprites from its first line on.
        setMovieEnvironment(L, environment);
        if (lua_pcall(L, 0, 0, 0) != LUA_OK) {
            const bool isText = lua_type(L, -1) == LUA_TSTRING || lua_type(L, -1) == LUA_TNUMBER;
            const std::string message = popMessage(L);
            throw ScriptError(isText ? named(message) : chunkName + ": " + message);
        }
        throwHandlerFailure(b);
        b.started = true;
        callMovieFunction(b, "on_start_movie");
    } catch (const ScriptError& error) {
        setMovieEnvironment(L, previous);
        throw ScriptError(named(error.what()));
    } catch (...) {
        setMovieEnvironment(L, previous);
        throw;
    }
}

} // namespace

std::string_view scriptBody(std::string_view code) {
    if (code.starts_with("\xEF\xBB\xBF")) {
        code.remove_prefix(3);
    }
    return code;
}

void loadScriptText(lua_State* L, std::string_view code, const std::string& chunkName) {
    const std::string_view text = scriptBody(code);
    if (text.starts_with(LUA_SIGNATURE)) {
        throw ScriptError(chunkName + ": a precompiled Lua chunk; scripts are loaded as text only");
    }
    const std::string name = "@" + chunkName;
    if (luaL_loadbufferx(L, text.data(), text.size(), name.c_str(), "t") != LUA_OK) {
        throw ScriptError(popMessage(L));
    }
}

bool callMovieFunction(Binding& b, const char* name, const std::vector<double>& args) {
    lua_State* L = b.L;
    StackScope stack(L);
    if (!lua_checkstack(L, static_cast<int>(args.size()) + 3)) {
        throw ScriptError(b.chunkName + ": " + name + ": out of Lua stack");
    }
    lua_pushcfunction(L, getMovieGlobal);
    lua_pushstring(L, name);
    if (lua_pcall(L, 1, 1, 0) != LUA_OK) {
        throw ScriptError(b.chunkName + ": looking up " + name + ": " + popMessage(L));
    }
    if (lua_type(L, -1) != LUA_TFUNCTION) {
        return false;
    }
    for (double arg : args) {
        lua_pushnumber(L, arg);
    }
    if (lua_pcall(L, static_cast<int>(args.size()), 0, 0) != LUA_OK) {
        // A Lua error message carries the handler's file and line; any other error object
        // is reported with the script's name.
        const bool isText = lua_type(L, -1) == LUA_TSTRING || lua_type(L, -1) == LUA_TNUMBER;
        const std::string message = popMessage(L);
        throw ScriptError(isText ? message
                                 : b.chunkName + ": " + name + " raised an error: " + message);
    }
    throwHandlerFailure(b);
    return true;
}

void addScriptFolderToPath(lua_State* L, const std::filesystem::path& dir) {
    lua_getglobal(L, "package");
    lua_getfield(L, -1, "path");
    const std::string path = (dir / "?.lua").string() + ";" + lua_tostring(L, -1);
    lua_pop(L, 1);
    lua_pushstring(L, path.c_str());
    lua_setfield(L, -2, "path");
    lua_pop(L, 1);
}

std::string movieScriptChunkName(const std::string& shown) {
    return std::filesystem::path(shown).filename().string() + ": movie script";
}

std::vector<std::string> loadMovieWithScript(Binding& b, const std::filesystem::path& path,
                                             const std::string& shown, bool* ranScript) {
    if (b.loading > 0) {
        throw ScriptError(shown + ": cannot load a movie while a movie script is loading (its "
                                  "top level or on_start_movie); load it later, from a handler");
    }
    const std::optional<zxhost::ScriptSource> running = b.host.movieScript();
    LoadScope scope(b);
    std::vector<std::string> warnings;
    try {
        warnings = b.host.loadMovie(path.string(), [&] {
            const std::optional<zxhost::ScriptSource> script = b.host.movieScript();
            if (!script) {
                // The running script's handlers go on answering the sprites: it stays the
                // movie's script, and is saved with it.
                b.host.setMovieScript(running);
                return;
            }
            runLoadedScript(b, *script, path, shown);
            if (ranScript) {
                *ranScript = true;
            }
        });
    } catch (const zxhost::Error& error) {
        // The loader's message names the file and the key already.
        throw ScriptError(error.what());
    }
    scope.commit();
    return warnings;
}

} // namespace zxlua
