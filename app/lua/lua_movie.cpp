// movie.save(file) and movie.load(file): the whole stage, cast and score as a JSON movie,
// with the movie's script.
#include "binding.h"
#include "movie_loading.h"
#include "script_support.h"

#include "zxlua/atomic_file.h"

namespace zxlua {

namespace {

void pushWarnings(lua_State* L, const std::vector<std::string>& warnings) {
    lua_createtable(L, static_cast<int>(warnings.size()), 0);
    for (size_t i = 0; i < warnings.size(); ++i) {
        lua_pushlstring(L, warnings[i].data(), warnings[i].size());
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
}

// Returns the warnings of the save (a member text that its saved block cuts) as a list.
int movieSave(lua_State* L) {
    Binding& b = binding(L);
    const std::filesystem::path path = scriptPath(L, argFileName(L, 1, "movie.save"));
    std::vector<std::string> warnings;
    writeAtomically(path, [&](const std::filesystem::path& tmp) {
        warnings = b.host.saveMovie(tmp.string(), path.string());
    });
    b.written.push_back(path);
    pushWarnings(L, warnings);
    return 1;
}

// Replaces the movie and runs its script (loadMovieWithScript); returns the loader's
// warnings (e.g. a member whose saved block was ignored) as a list.
int movieLoad(lua_State* L) {
    const std::string name = argFileName(L, 1, "movie.load");
    pushWarnings(L, loadMovieWithScript(binding(L), scriptPath(L, name), name));
    return 1;
}

const luaL_Reg kMovie[] = {
    {"save", guarded<movieSave>}, {"load", guarded<movieLoad>}, {nullptr, nullptr}};

} // namespace

void openMovie(lua_State* L) {
    registerLibrary(L, "movie", kMovie);
}

} // namespace zxlua
