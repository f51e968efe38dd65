#include "script_fixture.h"

#include <lua.hpp>

long long ScriptTest::integer(const char* global) {
    lua_State* L = script_->state();
    lua_getglobal(L, global);
    EXPECT_TRUE(lua_isinteger(L, -1)) << global << " is " << luaL_typename(L, -1);
    const lua_Integer v = lua_tointeger(L, -1);
    lua_pop(L, 1);
    return v;
}

double ScriptTest::number(const char* global) {
    lua_State* L = script_->state();
    lua_getglobal(L, global);
    EXPECT_EQ(lua_type(L, -1), LUA_TNUMBER) << global;
    const double v = lua_tonumber(L, -1);
    lua_pop(L, 1);
    return v;
}

std::string ScriptTest::text(const char* global) {
    lua_State* L = script_->state();
    lua_getglobal(L, global);
    size_t length = 0;
    const char* s = lua_tolstring(L, -1, &length);
    std::string v = s ? std::string(s, length) : "<not a string>";
    lua_pop(L, 1);
    return v;
}
