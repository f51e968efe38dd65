// Write-to-temporary-then-rename for every file the program or a script writes.
#include "zxlua/atomic_file.h"

#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zxlua {

void writeAtomically(const fs::path& target, const std::function<void(const fs::path&)>& write) {
    fs::path tmp = target;
    // The extension stays last so that writers which look at it (PNG, JSON) still see it.
    // Appended piecewise: GCC 12 at -O3 reports a false overlap for "." + std::string.
    std::string name(1, '.');
    name += target.stem().string();
    name += ".tmp";
    name += std::to_string(getpid());
    name += target.extension().string();
    tmp.replace_filename(name);
    try {
        write(tmp);
        std::error_code ec;
        if (!fs::exists(tmp, ec)) {
            throw std::runtime_error(target.string() + ": nothing was written");
        }
        fs::rename(tmp, target, ec);
        if (ec) {
            throw std::runtime_error(target.string() + ": cannot write: " + ec.message());
        }
    } catch (const std::exception& e) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        // The writer names the file it was given; the user knows only the target.
        std::string message = e.what();
        const std::string tmpName = tmp.string();
        for (size_t at = message.find(tmpName); at != std::string::npos;
             at = message.find(tmpName, at)) {
            message.replace(at, tmpName.size(), target.string());
        }
        throw std::runtime_error(message);
    }
}

} // namespace zxlua
