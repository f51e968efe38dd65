// Fuzz target for the movie loader: the input is a movie file (JSON with the stage, bitmap
// members as base64 BMP files, counter members with saved blocks, the movie's script as
// text, the score). Whatever it holds, loading ends in a movie or in the host's one error; a
// loaded movie is rendered, saved and loaded again, which must succeed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

#include "zxhost/host.h"

namespace {

zxhost::Host& sharedHost() {
    static zxhost::Host host({ZX_PLUGIN_DIR});
    return host;
}

std::string scratch(const char* name) {
    return "/tmp/zx_movie_fuzz_" + std::to_string(::getpid()) + "_" + name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Large stages make each run slow without reaching new code.
    if (size > 1 << 16) {
        return 0;
    }
    zxhost::Host& host = sharedHost();
    const std::string input = scratch("in.json");
    std::ofstream(input, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        host.loadMovie(input);
    } catch (const zxhost::Error&) {
        host.messages();
        return 0;
    }
    if (int64_t{host.stage().width()} * host.stage().height() <= 1 << 20) {
        host.stage().render();
    }
    const std::string saved = scratch("saved.json");
    host.saveMovie(saved);
    host.loadMovie(saved);
    host.clearMovie();
    host.messages();
    std::remove(saved.c_str());
    return 0;
}
