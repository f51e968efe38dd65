// PNG output of DIB surfaces with libpng, and direct pixel access for the host and tests.
#include <cstdio>
#include <vector>

#include <png.h>

#include <zxw32/gdi_ext.h>

#include "gdi/dc.h"

using namespace w32::gdi;

namespace zxw32 {

bool dibPixels(HBITMAP hbitmap, DibPixels* out) {
    Bitmap* bitmap = find<Bitmap>(hbitmap);
    if (!bitmap || !out) {
        return false;
    }
    Surface s = bitmap->surface();
    *out = {s.row0, s.width, s.height, s.pitch};
    return true;
}

bool dcPixels(HDC hdc, DibPixels* out) {
    Dc* dc = find<Dc>(hdc);
    return dc && dibPixels(static_cast<HBITMAP>(dc->state.bitmap), out);
}

namespace {

struct PngFile {
    FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngFile() {
        if (png) {
            png_destroy_write_struct(&png, info ? &info : nullptr);
        }
        if (file) {
            fclose(file);
        }
    }
};

bool writePng(const DibPixels& px, const char* path) {
    if (!path) {
        return false;
    }
    PngFile out;
    out.file = fopen(path, "wb");
    if (!out.file) {
        return false;
    }
    out.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!out.png) {
        return false;
    }
    out.info = png_create_info_struct(out.png);
    if (!out.info) {
        return false;
    }
    std::vector<png_byte> row(size_t(px.width) * 3);
    // libpng reports errors by longjmp; nothing with a destructor lives between here
    // and the calls that may jump.
    if (setjmp(png_jmpbuf(out.png))) {
        return false;
    }
    png_init_io(out.png, out.file);
    png_set_IHDR(out.png, out.info, png_uint_32(px.width), png_uint_32(px.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(out.png, out.info);
    for (int y = 0; y < px.height; ++y) {
        const uint32_t* src = px.row(y);
        for (int x = 0; x < px.width; ++x) {
            row[size_t(x) * 3] = png_byte(src[x] >> 16);
            row[size_t(x) * 3 + 1] = png_byte(src[x] >> 8);
            row[size_t(x) * 3 + 2] = png_byte(src[x]);
        }
        png_write_row(out.png, row.data());
    }
    png_write_end(out.png, nullptr);
    return true;
}

} // namespace

bool savePng(HBITMAP bitmap, const char* path) {
    DibPixels px;
    return dibPixels(bitmap, &px) && writePng(px, path);
}

bool savePng(HDC hdc, const char* path) {
    DibPixels px;
    return dcPixels(hdc, &px) && writePng(px, path);
}

} // namespace zxw32
