// The host that a benchmark program drives its plug-in through, on the same road as a movie:
// one per program, with the plug-in loaded once from the build's bin folder.
#pragma once

#include <string>

#include "zxhost/host.h"

namespace zxbench {

inline std::string binDir() {
    return std::string(ZX_BINARY_DIR) + "/bin";
}

// The program's host with `module` (a deliverable's name, "glidebar32") loaded.
inline zxhost::Host& pluginHost(const std::string& module) {
    static zxhost::Host host({binDir()});
    static const bool loaded = (host.loadModule(binDir() + "/" + module + ".so"), true);
    (void)loaded;
    return host;
}

} // namespace zxbench
