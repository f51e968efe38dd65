// PNG files in the Windows build, which has no libpng: the library-free encoder.
#include <cstdio>

#include "png_encoder.h"
#include "png_file.h"
#include "zxhost/error.h"

namespace zxhost {

void writePng(const std::string& path, const uint32_t* pixels, int32_t width, int32_t height) {
    const std::vector<uint8_t> bytes = encodePng(pixels, width, height);
    if (bytes.empty()) {
        throw Error(path + ": cannot encode PNG");
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        throw Error(path + ": cannot write the file");
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::remove(path.c_str());
        throw Error(path + ": cannot write the file");
    }
}

} // namespace zxhost
