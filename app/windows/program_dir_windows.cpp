// The program's folder in the Windows build: from the module file name of the executable.
#include <windows.h>

#include "locations.h"

namespace zentrix {

std::filesystem::path programDir() {
    char path[MAX_PATH * 2] = "";
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) {
        return std::filesystem::current_path();
    }
    return std::filesystem::path(path).parent_path();
}

} // namespace zentrix
