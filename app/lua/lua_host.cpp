// host.messages(): the event log since the last call, and host.kinds().
#include "binding.h"
#include "script_support.h"

namespace zxlua {

namespace {

void setString(lua_State* L, const char* field, const std::string& text) {
    lua_pushlstring(L, text.data(), text.size());
    lua_setfield(L, -2, field);
}

int hostMessages(lua_State* L) {
    Binding& b = binding(L);
    const std::vector<zxhost::Message> messages = b.host.messages();
    lua_createtable(L, static_cast<int>(messages.size()), 0);
    for (size_t i = 0; i < messages.size(); ++i) {
        const zxhost::Message& m = messages[i];
        if (b.echo) {
            b.echo(m);
        }
        lua_createtable(L, 0, 4);
        setString(L, "kind", m.kind);
        setString(L, "text", m.text);
        setString(L, "caption", m.caption);
        lua_pushinteger(L, static_cast<lua_Integer>(m.flags));
        lua_setfield(L, -2, "flags");
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

// host.kinds(): {symbol=, name=, category=, module=} per registered kind.
int hostKinds(lua_State* L) {
    const std::vector<zxhost::KindInfo> kinds = binding(L).host.kinds();
    lua_createtable(L, static_cast<int>(kinds.size()), 0);
    for (size_t i = 0; i < kinds.size(); ++i) {
        lua_createtable(L, 0, 4);
        setString(L, "symbol", kinds[i].symbol);
        setString(L, "name", kinds[i].displayName);
        setString(L, "category", kinds[i].category);
        setString(L, "module", kinds[i].modulePath);
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

const luaL_Reg kHost[] = {
    {"messages", guarded<hostMessages>}, {"kinds", guarded<hostKinds>}, {nullptr, nullptr}};

} // namespace

void openHostLibrary(lua_State* L) {
    registerLibrary(L, "host", kHost);
}

} // namespace zxlua
