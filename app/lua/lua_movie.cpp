// movie.save(file) and movie.load(file): the whole stage, cast and score as a JSON movie.
#include "binding.h"
#include "script_support.h"

#include "zxlua/atomic_file.h"

namespace zxlua {

namespace {

int movieSave(lua_State* L) {
    Binding& b = binding(L);
    const std::filesystem::path path = scriptPath(L, argString(L, 1, "movie.save"));
    writeAtomically(path,
                    [&](const std::filesystem::path& tmp) { b.host.saveMovie(tmp.string()); });
    b.written.push_back(path);
    return 0;
}

// Returns the loader's warnings (e.g. a member whose saved block was ignored) as a list.
int movieLoad(lua_State* L) {
    const std::filesystem::path path = scriptPath(L, argString(L, 1, "movie.load"));
    const std::vector<std::string> warnings = binding(L).host.loadMovie(path.string());
    lua_createtable(L, static_cast<int>(warnings.size()), 0);
    for (size_t i = 0; i < warnings.size(); ++i) {
        lua_pushstring(L, warnings[i].c_str());
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

const luaL_Reg kMovie[] = {
    {"save", guarded<movieSave>}, {"load", guarded<movieLoad>}, {nullptr, nullptr}};

} // namespace

void openMovie(lua_State* L) {
    registerLibrary(L, "movie", kMovie);
}

} // namespace zxlua
