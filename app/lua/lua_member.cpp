// Cast members in scripts: m.Prop reads and writes (GetProp/SetProp, raising on failure),
// m:set/m:get (the same, returning the result code), m:call/m:try_call, m:save/m:load
// and m:dialog.
#include "binding.h"
#include "lua_objects.h"
#include "lua_value.h"
#include "script_support.h"

#include <cstring>

namespace zxlua {

namespace {

constexpr const char* kMemberType = "zentrix.member";

[[noreturn]] void failWithCode(const std::string& what, int32_t code) {
    fail(what + " failed: " + zxhost::hexCode(code));
}

// The script arguments after `first` as host values.
std::vector<zxhost::Value> argumentsFrom(lua_State* L, int first, const char* function) {
    std::vector<zxhost::Value> args;
    for (int i = first; i <= lua_gettop(L); ++i) {
        args.push_back(toHostValue(L, i, function));
    }
    return args;
}

int memberSet(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "set");
    const std::string name = argString(L, 2, "set");
    const int32_t code = m.setProp(name, toHostValue(L, 3, "set"));
    pushResultCode(L, code);
    return 1;
}

int memberGet(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "get");
    const zxhost::CallResult r = m.getProp(argString(L, 2, "get"));
    pushHostValue(L, r.value);
    pushResultCode(L, r.code);
    return 2;
}

int memberCall(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "call");
    const std::string command = argString(L, 2, "call");
    const zxhost::CallResult r = m.call(command, argumentsFrom(L, 3, "call"));
    if (!r.ok()) {
        failWithCode("CallFunction '" + command + "'", r.code);
    }
    pushHostValue(L, r.value);
    return 1;
}

int memberTryCall(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "try_call");
    const std::string command = argString(L, 2, "try_call");
    const zxhost::CallResult r = m.call(command, argumentsFrom(L, 3, "try_call"));
    pushHostValue(L, r.value);
    pushResultCode(L, r.code);
    return 2;
}

int memberSave(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "save");
    int32_t code = 0;
    const std::vector<uint8_t> bytes = m.save(&code);
    if (code != 0) {
        failWithCode("SaveProps of '" + m.name() + "'", code);
    }
    lua_pushlstring(L, reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return 1;
}

// Returns the warning of a saved block whose length is not the kind's (nil when there is
// none), as movie.load does for a movie's blocks.
int memberLoad(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "load");
    const std::string text = argString(L, 2, "load");
    const std::string name = m.name();
    std::string warning;
    const int32_t code = m.load(std::vector<uint8_t>(text.begin(), text.end()), &warning);
    if (code != 0 && warning.empty()) {
        failWithCode("LoadProps of '" + name + "'", code);
    }
    if (warning.empty()) {
        lua_pushnil(L);
    } else {
        lua_pushlstring(L, warning.data(), warning.size());
    }
    return 1;
}

zxhost::DialogValues dialogValues(lua_State* L, int index) {
    zxhost::DialogValues values;
    if (argAbsent(L, index)) {
        return values;
    }
    argTable(L, index, "dialog");
    lua_pushnil(L);
    while (lua_next(L, index) != 0) {
        int isInteger = 0;
        const lua_Integer id = lua_tointegerx(L, -2, &isInteger);
        const int type = lua_type(L, -1);
        if (!isInteger || lua_type(L, -2) != LUA_TNUMBER) {
            lua_pop(L, 2);
            fail("dialog: control ids must be integers");
        }
        if (id < INT32_MIN || id > INT32_MAX) {
            lua_pop(L, 2);
            fail("dialog: control id " + std::to_string(id) + " does not fit 32 bits");
        }
        const auto control = static_cast<int32_t>(id);
        if (type == LUA_TBOOLEAN) {
            values[control] = lua_toboolean(L, -1) != 0;
        } else if (type == LUA_TNUMBER && lua_isinteger(L, -1)) {
            const lua_Integer v = lua_tointeger(L, -1);
            if (v < INT32_MIN || v > static_cast<lua_Integer>(UINT32_MAX)) {
                lua_pop(L, 2);
                fail("dialog: control " + std::to_string(control) + ": integer " +
                     std::to_string(v) + " does not fit 32 bits");
            }
            values[control] = static_cast<int32_t>(static_cast<uint32_t>(v));
        } else if (type == LUA_TNUMBER || type == LUA_TSTRING) {
            // Floats go in as the text an edit box would hold.
            size_t length = 0;
            const char* text = lua_tolstring(L, -1, &length);
            values[control] = std::string(text, length);
        } else {
            const std::string got = luaL_typename(L, -1);
            lua_pop(L, 2);
            fail("dialog: control " + std::to_string(id) +
                 " takes an integer, boolean or "
                 "string, not a " +
                 got);
        }
        lua_pop(L, 1);
    }
    return values;
}

int memberDialog(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "dialog");
    const zxhost::DialogValues values = dialogValues(L, 2);
    std::string button = "ok";
    if (!argAbsent(L, 3)) {
        button = argString(L, 3, "dialog");
    }
    if (button != "ok" && button != "cancel") {
        fail("bad argument #3 to 'dialog' (\"ok\" or \"cancel\" expected, got \"" + button + "\")");
    }
    const zxhost::DialogOutcome outcome = m.dialog(values, button == "ok");
    if (outcome.code != 0) {
        failWithCode("ShowPropertiesDialog of '" + m.name() + "'", outcome.code);
    }
    lua_createtable(L, 0, static_cast<int>(outcome.shown.size()));
    for (const auto& [id, value] : outcome.shown) {
        if (const auto* b = std::get_if<bool>(&value)) {
            lua_pushboolean(L, *b);
        } else if (const auto* i = std::get_if<int32_t>(&value)) {
            lua_pushinteger(L, *i);
        } else {
            lua_pushstring(L, std::get<std::string>(value).c_str());
        }
        lua_rawseti(L, -2, id);
    }
    lua_pushinteger(L, outcome.changeState);
    return 2;
}

int memberName(lua_State* L) {
    lua_pushstring(L, checkMember(L, 1, "name").name().c_str());
    return 1;
}

int memberKind(lua_State* L) {
    lua_pushstring(L, checkMember(L, 1, "kind").kind().c_str());
    return 1;
}

int memberDefaultRect(lua_State* L) {
    pushRect(L, checkMember(L, 1, "default_rect").defaultRect());
    return 1;
}

const luaL_Reg kMethods[] = {{"set", guarded<memberSet>},
                             {"get", guarded<memberGet>},
                             {"call", guarded<memberCall>},
                             {"try_call", guarded<memberTryCall>},
                             {"save", guarded<memberSave>},
                             {"load", guarded<memberLoad>},
                             {"dialog", guarded<memberDialog>},
                             {"name", guarded<memberName>},
                             {"kind", guarded<memberKind>},
                             {"default_rect", guarded<memberDefaultRect>},
                             {nullptr, nullptr}};

// m.Name: a method when one has that name (methods are lower case, properties
// capitalised), else GetProp.
int memberIndex(lua_State* L) {
    if (lua_type(L, 2) == LUA_TSTRING) {
        lua_getfield(L, lua_upvalueindex(1), lua_tostring(L, 2));
        if (!lua_isnil(L, -1)) {
            return 1;
        }
        lua_pop(L, 1);
    }
    zxhost::Member& m = checkMember(L, 1, "index");
    const std::string name = argString(L, 2, "index");
    const zxhost::CallResult r = m.getProp(name);
    if (!r.ok()) {
        failWithCode("GetProp '" + name + "'", r.code);
    }
    pushHostValue(L, r.value);
    return 1;
}

int memberNewIndex(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "newindex");
    const std::string name = argString(L, 2, "newindex");
    const int32_t code = m.setProp(name, toHostValue(L, 3, ("property " + name).c_str()));
    if (code != 0) {
        failWithCode("SetProp '" + name + "'", code);
    }
    return 0;
}

int memberEqual(lua_State* L) {
    const auto a = testMember(L, 1);
    const auto b = testMember(L, 2);
    lua_pushboolean(L, a && b && *a == *b);
    return 1;
}

int memberToString(lua_State* L) {
    const int32_t id = *testMember(L, 1);
    zxhost::Member* m = binding(L).host.memberById(id);
    if (m) {
        lua_pushfstring(L, "member '%s' (%s)", m->name().c_str(), m->kind().c_str());
    } else {
        lua_pushfstring(L, "member #%d (gone)", static_cast<int>(id));
    }
    return 1;
}

} // namespace

void openMemberType(lua_State* L) {
    luaL_newmetatable(L, kMemberType);
    lua_newtable(L);
    luaL_setfuncs(L, kMethods, 0);
    lua_pushcclosure(L, guarded<memberIndex>, 1);
    lua_setfield(L, -2, "__index");
    lua_pushcfunction(L, guarded<memberNewIndex>);
    lua_setfield(L, -2, "__newindex");
    lua_pushcfunction(L, memberEqual);
    lua_setfield(L, -2, "__eq");
    lua_pushcfunction(L, guarded<memberToString>);
    lua_setfield(L, -2, "__tostring");
    lua_pop(L, 1);
}

void pushMember(lua_State* L, int32_t id) {
    *static_cast<int32_t*>(lua_newuserdatauv(L, sizeof(int32_t), 0)) = id;
    luaL_setmetatable(L, kMemberType);
}

std::optional<int32_t> testMember(lua_State* L, int index) {
    if (auto* id = static_cast<int32_t*>(luaL_testudata(L, index, kMemberType))) {
        return *id;
    }
    return std::nullopt;
}

zxhost::Member& checkMember(lua_State* L, int index, const char* function) {
    const auto id = testMember(L, index);
    if (!id) {
        fail(std::string("bad argument #") + std::to_string(index) + " to '" + function +
             "' (member expected, got " + luaL_typename(L, index) + ")");
    }
    zxhost::Member* m = binding(L).host.memberById(*id);
    if (!m) {
        fail(std::string(function) +
             ": the member no longer exists (it was deleted, or the movie was replaced)");
    }
    return *m;
}

} // namespace zxlua
