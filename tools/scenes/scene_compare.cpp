// Compares the scenes rendered by two builds (native libw32 and Windows GDI under Wine):
// per scene, identical and differing pixels, and how many of the differing pixels lie
// outside the text boxes (glyph shapes may differ, everything else must not). Writes a
// PNG per scene with the two renderings and their difference side by side, enlarged
// three times.
#include <windows.h>
#include <zxw32/gdi_ext.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top row first
};

bool readBmp(const std::string& path, Image& image) {
    std::ifstream in(path, std::ios::binary);
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    if (!in.read(reinterpret_cast<char*>(&fh), sizeof(fh)) ||
        !in.read(reinterpret_cast<char*>(&ih), sizeof(ih)) || ih.biBitCount != 32 ||
        ih.biWidth <= 0 || ih.biHeight == 0) {
        return false;
    }
    image.width = ih.biWidth;
    image.height = ih.biHeight < 0 ? -ih.biHeight : ih.biHeight;
    image.pixels.resize(size_t(image.width) * size_t(image.height));
    in.seekg(fh.bfOffBits);
    if (!in.read(reinterpret_cast<char*>(image.pixels.data()),
                 std::streamsize(image.pixels.size() * 4))) {
        return false;
    }
    for (uint32_t& p : image.pixels) {
        p &= 0xFFFFFF;
    }
    if (ih.biHeight > 0) {
        for (int y = 0; y < image.height / 2; ++y) {
            std::swap_ranges(image.pixels.begin() + y * image.width,
                             image.pixels.begin() + (y + 1) * image.width,
                             image.pixels.begin() + (image.height - 1 - y) * image.width);
        }
    }
    return true;
}

std::vector<RECT> readBoxes(const std::string& path) {
    std::vector<RECT> boxes;
    std::ifstream in(path);
    long l, t, r, b;
    while (in >> l >> t >> r >> b) {
        boxes.push_back({LONG(l), LONG(t), LONG(r), LONG(b)});
    }
    return boxes;
}

bool inBoxes(const std::vector<RECT>& boxes, int x, int y) {
    for (const RECT& r : boxes) {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
            return true;
        }
    }
    return false;
}

void writeSideBySide(const Image& a, const Image& b, const std::string& path) {
    const int w = a.width, h = a.height, gap = 4, zoom = 3;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bm = CreateCompatibleBitmap(dc, (w * 3 + gap * 2) * zoom, h * zoom);
    HGDIOBJ old = SelectObject(dc, bm);
    zxw32::DibPixels px;
    zxw32::dibPixels(bm, &px);
    for (int y = 0; y < h * zoom; ++y) {
        uint32_t* row = px.row(y);
        for (int x = 0; x < w * zoom; ++x) {
            size_t k = size_t((y / zoom) * w + x / zoom);
            uint32_t pa = a.pixels[k], pb = b.pixels[k];
            row[x] = pa;
            row[(w + gap) * zoom + x] = pb;
            row[2 * (w + gap) * zoom + x] = pa == pb ? 0xFFFFFF : 0xFF0000;
        }
    }
    zxw32::savePng(bm, path.c_str());
    SelectObject(dc, old);
    DeleteObject(bm);
    DeleteDC(dc);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: scene_compare NATIVE_DIR WINE_DIR OUT_DIR scene...\n");
        return 2;
    }
    const std::string native = argv[1], wine = argv[2], out = argv[3];
    printf("%-12s %9s %9s %12s %12s\n", "scene", "identical", "differing", "in text box",
           "outside");
    int failures = 0;
    for (int i = 4; i < argc; ++i) {
        const std::string name = argv[i];
        Image a, b;
        if (!readBmp(native + "/" + name + ".bmp", a) || !readBmp(wine + "/" + name + ".bmp", b) ||
            a.width != b.width || a.height != b.height) {
            printf("%-12s missing or different sizes\n", name.c_str());
            ++failures;
            continue;
        }
        // Text boxes as each build measured its own text.
        std::vector<RECT> boxes = readBoxes(native + "/" + name + ".boxes");
        for (const RECT& r : readBoxes(wine + "/" + name + ".boxes")) {
            boxes.push_back(r);
        }
        long same = 0, differ = 0, inText = 0;
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                size_t k = size_t(y * a.width + x);
                if (a.pixels[k] == b.pixels[k]) {
                    ++same;
                } else {
                    ++differ;
                    inText += inBoxes(boxes, x, y) ? 1 : 0;
                }
            }
        }
        printf("%-12s %9ld %9ld %12ld %12ld\n", name.c_str(), same, differ, inText,
               differ - inText);
        failures += differ - inText > 0 ? 1 : 0;
        writeSideBySide(a, b, out + "/" + name + "-compare.png");
    }
    return failures ? 1 : 0;
}
