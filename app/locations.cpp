// Search locations of the program: plug-in folders and the demo movie.
#include "locations.h"

#include <cstdlib>
#include <string>
#include <vector>
#include <system_error>

namespace fs = std::filesystem;

namespace zentrix {

fs::path programDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return fs::current_path();
    }
    return exe.parent_path();
}

fs::path demoMovie() {
    std::vector<fs::path> candidates;
    if (const char* dir = std::getenv("ZENTRIX_MOVIES"); dir && *dir) {
        candidates.push_back(fs::path(dir) / "demo.lua");
    }
    candidates.push_back(programDir() / ".." / ".." / "movies" / "demo.lua");
    candidates.push_back(fs::path(ZX_SOURCE_MOVIES) / "demo.lua");
    for (const fs::path& p : candidates) {
        std::error_code ec;
        if (fs::is_regular_file(p, ec)) {
            return p.lexically_normal();
        }
    }
    return candidates.front().lexically_normal();
}

} // namespace zentrix
