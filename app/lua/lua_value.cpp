// Lua <-> host value conversion.
#include "lua_value.h"

#include "lua_objects.h"
#include "script_support.h"

#include <cmath>
#include <limits>

namespace zxlua {

namespace {

constexpr const char* kPictureType = "zentrix.picture";
const char* const kRectFields[] = {"left", "top", "right", "bottom"};

// Tables are read without metamethods, so that reading a script's value never runs script
// code (whose errors would unwind through this C++ code).
int rawField(lua_State* L, int index, const char* field) {
    lua_pushstring(L, field);
    return lua_rawget(L, index);
}

// True when the table at `index` has the four rectangle fields.
bool isRectTable(lua_State* L, int index) {
    for (const char* field : kRectFields) {
        const int type = rawField(L, index, field);
        lua_pop(L, 1);
        if (type == LUA_TNIL) {
            return false;
        }
    }
    return true;
}

// A proper sequence: keys exactly 1..n.
bool isSequence(lua_State* L, int index, lua_Integer& length) {
    length = static_cast<lua_Integer>(lua_rawlen(L, index));
    lua_Integer keys = 0;
    lua_pushnil(L);
    while (lua_next(L, index) != 0) {
        lua_pop(L, 1);
        if (!lua_isinteger(L, -1)) {
            lua_pop(L, 1);
            return false;
        }
        const lua_Integer key = lua_tointeger(L, -1);
        if (key < 1 || key > length) {
            lua_pop(L, 1);
            return false;
        }
        ++keys;
    }
    return keys == length;
}

// Lists inside lists are allowed, but a table that contains itself must not recurse
// without end.
constexpr int kMaxNesting = 32;

zxhost::Value valueAt(lua_State* L, int index, const char* what, int depth);

zxhost::Value tableToValue(lua_State* L, int index, const char* what, int depth) {
    if (depth > kMaxNesting) {
        fail(std::string(what) + ": lists nest more than " + std::to_string(kMaxNesting) + " deep");
    }
    if (!lua_checkstack(L, 4)) {
        fail(std::string(what) + ": out of Lua stack");
    }
    if (isRectTable(L, index)) {
        return toRect(L, index, what);
    }
    lua_Integer length = 0;
    if (!isSequence(L, index, length)) {
        fail(std::string(what) + ": a table must be a rectangle {left=, top=, right=, bottom=} "
                                 "or a list");
    }
    zxhost::List list;
    list.reserve(static_cast<size_t>(length));
    for (lua_Integer i = 1; i <= length; ++i) {
        lua_rawgeti(L, index, i);
        try {
            list.push_back(valueAt(L, lua_gettop(L), what, depth + 1));
        } catch (...) {
            lua_pop(L, 1);
            throw;
        }
        lua_pop(L, 1);
    }
    return list;
}

} // namespace

zxhost::Rect toRect(lua_State* L, int index, const char* what) {
    index = lua_absindex(L, index);
    if (lua_type(L, index) != LUA_TTABLE) {
        fail(std::string(what) + ": rectangle table expected, got " + luaL_typename(L, index));
    }
    int32_t fields[4] = {};
    for (int i = 0; i < 4; ++i) {
        rawField(L, index, kRectFields[i]);
        int isInteger = 0;
        const lua_Integer v = lua_tointegerx(L, -1, &isInteger);
        lua_pop(L, 1);
        if (!isInteger) {
            fail(std::string(what) + ": rectangle field '" + kRectFields[i] +
                 "' must be an integer");
        }
        fields[i] = toInt32(v, what);
    }
    return zxhost::Rect{fields[0], fields[1], fields[2], fields[3]};
}

void pushRect(lua_State* L, const zxhost::Rect& rect) {
    lua_createtable(L, 0, 4);
    lua_pushinteger(L, rect.left);
    lua_setfield(L, -2, "left");
    lua_pushinteger(L, rect.top);
    lua_setfield(L, -2, "top");
    lua_pushinteger(L, rect.right);
    lua_setfield(L, -2, "right");
    lua_pushinteger(L, rect.bottom);
    lua_setfield(L, -2, "bottom");
}

zxhost::Value toHostValue(lua_State* L, int index, const char* what) {
    return valueAt(L, index, what, 0);
}

namespace {

zxhost::Value valueAt(lua_State* L, int index, const char* what, int depth) {
    index = lua_absindex(L, index);
    switch (lua_type(L, index)) {
    case LUA_TNONE:
    case LUA_TNIL:
        return {};
    case LUA_TBOOLEAN:
        return int32_t{lua_toboolean(L, index) ? 1 : 0};
    case LUA_TNUMBER:
        if (lua_isinteger(L, index)) {
            return toInt32(lua_tointeger(L, index), what);
        }
        return static_cast<double>(lua_tonumber(L, index));
    case LUA_TSTRING: {
        size_t length = 0;
        const char* text = lua_tolstring(L, index, &length);
        return std::string(text, length);
    }
    case LUA_TTABLE:
        return tableToValue(L, index, what, depth);
    case LUA_TUSERDATA:
        if (auto id = testMember(L, index)) {
            return zxhost::MemberRef{*id};
        }
        if (auto id = testSprite(L, index)) {
            return zxhost::SpriteRef{*id};
        }
        if (auto* handle = static_cast<int32_t*>(luaL_testudata(L, index, kPictureType))) {
            return zxhost::PictureRef{*handle};
        }
        break;
    default:
        break;
    }
    fail(std::string(what) + ": a " + luaL_typename(L, index) + " has no host value");
}

} // namespace

void pushHostValue(lua_State* L, const zxhost::Value& value) {
    std::visit(
        [L](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                lua_pushnil(L);
            } else if constexpr (std::is_same_v<T, int32_t>) {
                lua_pushinteger(L, v);
            } else if constexpr (std::is_same_v<T, double>) {
                lua_pushnumber(L, v);
            } else if constexpr (std::is_same_v<T, std::string>) {
                lua_pushlstring(L, v.data(), v.size());
            } else if constexpr (std::is_same_v<T, zxhost::SymbolName>) {
                lua_pushlstring(L, v.name.data(), v.name.size());
            } else if constexpr (std::is_same_v<T, zxhost::List>) {
                if (!lua_checkstack(L, 3)) {
                    fail("a host list nests too deep for the Lua stack");
                }
                lua_createtable(L, static_cast<int>(v.size()), 0);
                for (size_t i = 0; i < v.size(); ++i) {
                    pushHostValue(L, v[i]);
                    lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
                }
            } else if constexpr (std::is_same_v<T, zxhost::Rect>) {
                pushRect(L, v);
            } else if constexpr (std::is_same_v<T, zxhost::MemberRef>) {
                pushMember(L, v.id);
            } else if constexpr (std::is_same_v<T, zxhost::SpriteRef>) {
                pushSprite(L, v.id);
            } else if constexpr (std::is_same_v<T, zxhost::PictureRef>) {
                *static_cast<int32_t*>(lua_newuserdatauv(L, sizeof(int32_t), 0)) = v.handle;
                if (luaL_newmetatable(L, kPictureType)) {
                    lua_pushstring(L, "picture");
                    lua_setfield(L, -2, "__name");
                }
                lua_setmetatable(L, -2);
            }
        },
        value.data);
}

} // namespace zxlua
