// What every script-called function shares: the host, the script's folder, the files it
// wrote, the echo of drained events and a handler failure waiting to be raised.
#pragma once

#include <lua.hpp>

#include <zxhost/host.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zxlua {

struct Binding {
    explicit Binding(zxhost::Host& h) : host(h) {}
    // Destroys the windows the script made that are still there.
    ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    zxhost::Host& host;
    lua_State* L = nullptr;
    // Relative paths in a script are taken from here (the script's folder).
    std::filesystem::path baseDir;
    std::vector<std::filesystem::path> written;
    std::function<void(const zxhost::Message&)> echo;
    // A script handler that failed while the host was calling it: the plug-in gets a
    // void result, and the error is raised in the script once the host call returns.
    std::string handlerError;
    // Whether handlerError names its own file and line (a Lua error message does; a table
    // raised as an error or a result without a host value does not).
    bool handlerErrorPlaced = false;
    // The running script's name, for failures that surface after it ended.
    std::string chunkName;
    // Top-level windows made by host.window(), for the window commands of the plug-ins.
    std::vector<HWND> windows;
    // Whether the movie's start handler has run: it runs once per movie.
    bool started = false;
    // Movie loads under way. A movie script cannot load another movie while its own movie
    // loads: a saved script that loads its own file would do so without end.
    int loading = 0;
};

// Throws the ScriptError of a handler failure left while the host called a handler, once;
// the script is named in front of a message that carries no place of its own.
void throwHandlerFailure(Binding& b);

// The binding of the state (kept in the registry).
Binding& binding(lua_State* L);
void attachBinding(lua_State* L, Binding* b);

// A path from a script, relative to the script's folder.
std::filesystem::path scriptPath(lua_State* L, const std::string& path);

// The libraries, one per global table.
void openStage(lua_State* L);
void openCast(lua_State* L);
void openScore(lua_State* L);
void openHostLibrary(lua_State* L);
void openMovie(lua_State* L);
// The metatables of members and sprites.
void openMemberType(lua_State* L);
void openSpriteType(lua_State* L);
// Routes sprites' movie handler calls to the on_* globals.
void installHandlers(lua_State* L);

} // namespace zxlua
