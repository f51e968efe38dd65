// Writing PNG files natively, with libpng.
#include "png_file.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "zxhost/error.h"

namespace zxhost {

void writePng(const std::string& path, const uint32_t* pixels, int32_t width, int32_t height) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        throw Error(path + ": cannot write the file");
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw Error(path + ": cannot encode PNG");
    }
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    bool failed = false;
    if (setjmp(png_jmpbuf(png))) {
        failed = true;
    } else {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                     8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int32_t y = 0; y < height; ++y) {
            const uint32_t* source = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
            for (int32_t x = 0; x < width; ++x) {
                row[3 * static_cast<size_t>(x)] = static_cast<uint8_t>(source[x] >> 16);
                row[3 * static_cast<size_t>(x) + 1] = static_cast<uint8_t>(source[x] >> 8);
                row[3 * static_cast<size_t>(x) + 2] = static_cast<uint8_t>(source[x]);
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
    }
    png_destroy_write_struct(&png, &info);
    const bool closeFailed = std::fclose(file) != 0;
    if (failed || closeFailed) {
        std::remove(path.c_str());
        throw Error(path + ": cannot write the file");
    }
}

} // namespace zxhost
