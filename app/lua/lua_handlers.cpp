// Movie handlers that sprites call ("Refresh", "SetSpriteCursor", ...) reach the script's
// global functions on_refresh(sprite), on_set_sprite_cursor(sprite, ...): the calling
// sprite first, then the handler's arguments. A missing global means the movie has no
// such handler. The function's first result goes back to the plug-in.
#include "binding.h"
#include "handler_names.h"
#include "lua_objects.h"
#include "lua_value.h"
#include "script_support.h"

namespace zxlua {

namespace {

std::optional<zxhost::Value> callScriptHandler(Binding& b, const std::string& name,
                                               zxhost::Sprite* sprite,
                                               const std::vector<zxhost::Value>& args) {
    lua_State* L = b.L;
    const std::string global = handlerGlobalName(name);
    const int top = lua_gettop(L);
    if (lua_getglobal(L, global.c_str()) != LUA_TFUNCTION) {
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
        b.handlerError = global + ": too many arguments";
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
        b.handlerError = global + ": " + f.message;
        return zxhost::Value{};
    }
    zxhost::Value result;
    if (lua_pcall(L, static_cast<int>(args.size()) + 1, 1, 0) != LUA_OK) {
        const char* message = lua_tostring(L, -1);
        b.handlerError = message ? message : global + " failed";
    } else {
        try {
            result = toHostValue(L, -1, global.c_str());
        } catch (const ScriptFailure& f) {
            b.handlerError = f.message;
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
