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

void copyMessage(std::string_view text, char* buffer, size_t size) {
    size_t n = 0;
    for (char c : text) {
        const size_t need = c == '\0' ? 2 : 1;
        if (n + need > size - 1) {
            break;
        }
        if (c == '\0') {
            buffer[n++] = '\\';
            buffer[n++] = '0';
        } else {
            buffer[n++] = c;
        }
    }
    buffer[n] = '\0';
}

std::string singleLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

namespace {

// Runs in protected mode: __tostring may raise or return something that is not a string.
int toStringProtected(lua_State* L) {
    luaL_tolstring(L, 1, nullptr);
    return 1;
}

} // namespace

std::string errorObjectText(lua_State* L, int index, bool* isText) {
    index = lua_absindex(L, index);
    const int type = lua_type(L, index);
    if (isText) {
        *isText = type == LUA_TSTRING || type == LUA_TNUMBER;
    }
    if (type == LUA_TSTRING || type == LUA_TNUMBER) {
        lua_pushvalue(L, index); // lua_tolstring converts a number in place: convert a copy
        size_t length = 0;
        const char* text = lua_tolstring(L, -1, &length);
        std::string result(text, length);
        lua_pop(L, 1);
        return result;
    }
    if (luaL_getmetafield(L, index, "__tostring") != LUA_TNIL) {
        lua_pop(L, 1);
        if (lua_checkstack(L, 2)) {
            lua_pushcfunction(L, toStringProtected);
            lua_pushvalue(L, index);
            if (lua_pcall(L, 1, 1, 0) == LUA_OK && lua_type(L, -1) == LUA_TSTRING) {
                size_t length = 0;
                const char* text = lua_tolstring(L, -1, &length);
                std::string result(text, length);
                lua_pop(L, 1);
                return result;
            }
            lua_pop(L, 1);
        }
    }
    return std::string("(error object is a ") + luaL_typename(L, index) + " value)";
}

namespace {

[[noreturn]] void badArgument(lua_State* L, int index, const char* function, const char* wanted) {
    fail("bad argument #" + std::to_string(index) + " to '" + function + "' (" + wanted +
         " expected, got " + luaL_typename(L, index) + ")");
}

} // namespace

std::string argFileName(lua_State* L, int index, const char* function) {
    std::string name = argString(L, index, function);
    // The system would end the name at the NUL and write or read another file.
    if (name.find('\0') != std::string::npos) {
        fail(std::string(function) + ": a file name must not contain a NUL character");
    }
    if (name.empty()) {
        fail(std::string(function) + ": the file name is empty");
    }
    return name;
}

int32_t argInt32(lua_State* L, int index, const char* function) {
    const lua_Integer v = argInteger(L, index, function);
    return toInt32(v, function);
}

int32_t toInt32(lua_Integer value, const char* what) {
    if (value < INT32_MIN || value > static_cast<lua_Integer>(UINT32_MAX)) {
        fail(std::string(what) + ": integer " + std::to_string(value) + " does not fit 32 bits");
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

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
