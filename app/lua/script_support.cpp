// Argument checking and error raising for script-called functions.
#include "script_support.h"

#include <cmath>

namespace zxlua {

void fail(std::string message) {
    throw ScriptFailure{std::move(message)};
}

int raiseCaught(lua_State* L, const char* message) {
    return luaL_error(L, "%s", message);
}

int raiseAsIs(lua_State* L, const char* message) {
    lua_pushstring(L, message);
    return lua_error(L);
}

namespace {

[[noreturn]] void badArgument(lua_State* L, int index, const char* function, const char* wanted) {
    fail("bad argument #" + std::to_string(index) + " to '" + function + "' (" + wanted +
         " expected, got " + luaL_typename(L, index) + ")");
}

} // namespace

std::string argString(lua_State* L, int index, const char* function) {
    if (lua_type(L, index) != LUA_TSTRING) {
        badArgument(L, index, function, "string");
    }
    size_t length = 0;
    const char* text = lua_tolstring(L, index, &length);
    return std::string(text, length);
}

lua_Integer argInteger(lua_State* L, int index, const char* function) {
    int isInteger = 0;
    const lua_Integer value = lua_tointegerx(L, index, &isInteger);
    if (!isInteger || lua_type(L, index) != LUA_TNUMBER) {
        badArgument(L, index, function, "integer");
    }
    return value;
}

double argNumber(lua_State* L, int index, const char* function) {
    if (lua_type(L, index) != LUA_TNUMBER) {
        badArgument(L, index, function, "number");
    }
    return lua_tonumber(L, index);
}

void argTable(lua_State* L, int index, const char* function) {
    if (lua_type(L, index) != LUA_TTABLE) {
        badArgument(L, index, function, "table");
    }
}

bool argAbsent(lua_State* L, int index) {
    return lua_isnoneornil(L, index);
}

void pushResultCode(lua_State* L, int32_t code) {
    lua_pushinteger(L, static_cast<lua_Integer>(static_cast<uint32_t>(code)));
}

void registerLibrary(lua_State* L, const char* name, const luaL_Reg* functions) {
    lua_newtable(L);
    luaL_setfuncs(L, functions, 0);
    lua_setglobal(L, name);
}

} // namespace zxlua
