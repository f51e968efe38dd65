#include "movie_start.h"

#include <zxlua/movie_script.h>

#include <cstdio>

namespace zentrix {

void startMovieFile(zxlua::MovieScript& movie, const std::filesystem::path& file) {
    if (file.extension() == ".json") {
        for (const std::string& warning : movie.loadMovie(file)) {
            std::fprintf(stderr, "zentrix: warning: %s\n", warning.c_str());
        }
        return;
    }
    movie.runFile(file);
    movie.startMovie();
}

} // namespace zentrix
