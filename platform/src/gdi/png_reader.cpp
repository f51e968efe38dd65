// PNG input with libpng, for tests and tools that compare renderings with golden images.
#include <cstdio>

#include <png.h>

#include <zxw32/gdi_ext.h>

namespace zxw32 {
namespace {

struct PngInput {
    FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngInput() {
        if (png) {
            png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        }
        if (file) {
            fclose(file);
        }
    }
};

} // namespace

bool loadPng(const char* path, std::vector<uint32_t>* pixels, int* width, int* height) {
    if (!path || !pixels || !width || !height) {
        return false;
    }
    PngInput in;
    in.file = fopen(path, "rb");
    if (!in.file) {
        return false;
    }
    in.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!in.png) {
        return false;
    }
    in.info = png_create_info_struct(in.png);
    if (!in.info) {
        return false;
    }
    std::vector<png_byte> row;
    pixels->clear();
    // libpng reports errors by longjmp; the containers above outlive the jump target.
    if (setjmp(png_jmpbuf(in.png))) {
        return false;
    }
    png_init_io(in.png, in.file);
    png_read_info(in.png, in.info);
    if (png_get_interlace_type(in.png, in.info) != PNG_INTERLACE_NONE) {
        return false;
    }
    png_set_expand(in.png);
    png_set_strip_16(in.png);
    png_set_gray_to_rgb(in.png);
    png_set_strip_alpha(in.png);
    png_read_update_info(in.png, in.info);
    const png_uint_32 w = png_get_image_width(in.png, in.info);
    const png_uint_32 h = png_get_image_height(in.png, in.info);
    if (w == 0 || h == 0 || w > 32768 || h > 32768 ||
        png_get_rowbytes(in.png, in.info) != size_t(w) * 3) {
        return false;
    }
    row.resize(size_t(w) * 3);
    pixels->resize(size_t(w) * size_t(h));
    for (png_uint_32 y = 0; y < h; ++y) {
        png_read_row(in.png, row.data(), nullptr);
        for (png_uint_32 x = 0; x < w; ++x) {
            const png_byte* p = row.data() + size_t(x) * 3;
            (*pixels)[size_t(y) * w + x] = (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
        }
    }
    *width = int(w);
    *height = int(h);
    return true;
}

} // namespace zxw32
