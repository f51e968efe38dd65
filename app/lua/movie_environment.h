// The global environments of movie scripts. A script run from its file uses the state's
// globals; the script of a loaded movie runs in a fresh environment of its own, so that a
// script that fails while its movie loads leaves the running movie's globals and handlers
// untouched. The movie environment is the one whose on_* functions answer the sprites.
#pragma once

#include <lua.hpp>

namespace zxlua {

// Remembers the state's globals as every fresh environment starts (standard libraries, the
// movie API, movie.loaded = false) and makes them the movie environment. A lua_CFunction,
// called once in protected mode when the state is made, before any script runs.
int prepareEnvironments(lua_State* L);

// Pushes a fresh environment in which movie.loaded is `loaded`: copies of the library
// tables as they were when the state was made (what one movie's script changes in them
// does not reach another's), `package` shared, and _G naming the environment itself. Runs
// in protected mode: false with the error message pushed instead when it fails.
bool pushFreshEnvironment(lua_State* L, bool loaded);

// Pushes the movie environment.
void pushMovieEnvironment(lua_State* L);
// Pushes the movie environment's field named by the string at index 1: a lua_CFunction for
// a protected call, since the environment may carry an __index that raises.
int getMovieGlobal(lua_State* L);
// Makes the value at `index` (a table) the movie environment.
void setMovieEnvironment(lua_State* L, int index);
// Makes the state's own globals the movie environment again (a script run from its file).
void useStateGlobalsAsMovieEnvironment(lua_State* L);

} // namespace zxlua
