// The cast in scripts: cast.new(kind, name), cast.bitmap(name, file), cast.get(name),
// cast.list().
#include "binding.h"
#include "lua_objects.h"
#include "script_support.h"

namespace zxlua {

namespace {

// When the module named after a kind ("<kind>32.so") is there but did not load, its
// error is the real cause of an unknown kind.
std::string loadFailureOf(zxhost::Host& host, const std::string& kind) {
    const std::string file = "/" + kind + "32.so";
    for (const std::string& error : host.loadErrors()) {
        const size_t at = error.find(file);
        if (at != std::string::npos) {
            return " (" + error + ")";
        }
    }
    return "";
}

int castNew(lua_State* L) {
    const std::string kind = argString(L, 1, "cast.new");
    const std::string name = argString(L, 2, "cast.new");
    zxhost::Host& host = binding(L).host;
    // Names are how movies and scripts find members again, so they must be unique.
    if (host.member(name)) {
        fail("cast.new: a member named '" + name + "' exists already");
    }
    if (!host.findModule(kind)) {
        fail("cast.new: unknown kind '" + kind + "'" + loadFailureOf(host, kind));
    }
    pushMember(L, host.newMember(kind, name).id());
    return 1;
}

int castBitmap(lua_State* L) {
    const std::string name = argString(L, 1, "cast.bitmap");
    const std::string file = argFileName(L, 2, "cast.bitmap");
    zxhost::Host& host = binding(L).host;
    if (host.member(name)) {
        fail("cast.bitmap: a member named '" + name + "' exists already");
    }
    pushMember(L, host.newBitmapMember(name, scriptPath(L, file).string()).id());
    return 1;
}

int castGet(lua_State* L) {
    const std::string name = argString(L, 1, "cast.get");
    if (zxhost::Member* m = binding(L).host.member(name)) {
        pushMember(L, m->id());
    } else {
        lua_pushnil(L);
    }
    return 1;
}

int castList(lua_State* L) {
    const std::vector<zxhost::Member*> members = binding(L).host.members();
    lua_createtable(L, static_cast<int>(members.size()), 0);
    for (size_t i = 0; i < members.size(); ++i) {
        pushMember(L, members[i]->id());
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

int castDelete(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "cast.delete");
    binding(L).host.deleteMember(m);
    return 0;
}

const luaL_Reg kCast[] = {{"new", guarded<castNew>},       {"bitmap", guarded<castBitmap>},
                          {"get", guarded<castGet>},       {"list", guarded<castList>},
                          {"delete", guarded<castDelete>}, {nullptr, nullptr}};

} // namespace

void openCast(lua_State* L) {
    registerLibrary(L, "cast", kCast);
}

} // namespace zxlua
