// Movie handlers that sprites call ("Refresh", "SetSpriteCursor", ...) reach the movie
// script's global functions on_refresh(sprite), on_set_sprite_cursor(sprite, ...): the
// calling sprite first, then the handler's arguments. They are looked up in the movie
// environment (the loaded movie's script's own globals). A missing global means the movie
// has no such handler. The function's first result goes back to the plug-in.
#include "binding.h"
#include "handler_names.h"
#include "lua_objects.h"
#include "lua_value.h"
#include "movie_environment.h"
#include "script_support.h"

namespace zxlua {

namespace {

void setFailure(Binding& b, std::string message, bool placed) {
    b.handlerError = std::move(message);
    b.handlerErrorPlaced = placed;
}

std::optional<zxhost::Value> callScriptHandler(Binding& b, const std::string& name,
                                               zxhost::Sprite* sprite,
                                               const std::vector<zxhost::Value>& args) {
    lua_State* L = b.L;
    const std::string global = handlerGlobalName(name);
    const int top = lua_gettop(L);
    if (!lua_checkstack(L, 3)) {
        setFailure(b, global + ": out of Lua stack", false);
        return zxhost::Value{};
    }
    lua_pushcfunction(L, getMovieGlobal);
    lua_pushlstring(L, global.data(), global.size());
    if (lua_pcall(L, 1, 1, 0) != LUA_OK) {
        if (b.handlerError.empty()) {
            setFailure(b, "looking up " + global + ": " + errorObjectText(L, -1), false);
        }
        lua_settop(L, top);
        return zxhost::Value{};
    }
    if (lua_type(L, -1) != LUA_TFUNCTION) {
        lua_settop(L, top);
        return std::nullopt;
    }
    // After one handler failed, the rest of the same host call runs without handlers;
    // the first failure is the one the script sees.
    if (!b.handlerError.empty()) {
        lua_settop(L, top);
        return zxhost::Value{};
    }
    if (!lua_checkstack(L, static_cast<int>(args.size()) + 2)) {
        lua_settop(L, top);
        setFailure(b, global + ": too many arguments", false);
        return zxhost::Value{};
    }
    if (sprite) {
        pushSprite(L, sprite->id());
    } else {
        lua_pushnil(L);
    }
    try {
        for (const zxhost::Value& v : args) {
            pushHostValue(L, v);
        }
    } catch (const ScriptFailure& f) {
        lua_settop(L, top);
        setFailure(b, global + ": " + f.message, false);
        return zxhost::Value{};
    }
    zxhost::Value result;
    if (lua_pcall(L, static_cast<int>(args.size()) + 1, 1, 0) != LUA_OK) {
        bool isText = false;
        const std::string message = errorObjectText(L, -1, &isText);
        // A Lua error message carries the handler's file and line; any other error object
        // is reported at the script line that made the sprite call the handler.
        setFailure(b, isText ? message : global + " raised an error: " + message, isText);
    } else {
        try {
            result = toHostValue(L, -1, (global + " result").c_str());
        } catch (const ScriptFailure& f) {
            setFailure(b, f.message, false);
        }
    }
    lua_settop(L, top);
    return result;
}

} // namespace

void installHandlers(lua_State* L) {
    Binding* b = &binding(L);
    b->host.setHandlerLookup(
        [b](const std::string& name, zxhost::Sprite* sprite,
            const std::vector<zxhost::Value>& args) -> std::optional<zxhost::Value> {
            return callScriptHandler(*b, name, sprite, args);
        });
}

} // namespace zxlua
