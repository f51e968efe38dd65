#include "golden_image.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <filesystem>

#include <png.h>
#include <zxw32/gdi_ext.h>

namespace {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0xBBGGRR
};

bool readPng(const std::string& path, Image& image) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) {
        return false;
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_stdio(&png, file.get())) {
        return false;
    }
    png.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) {
        return false;
    }
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = rgb[3 * i] | (rgb[3 * i + 1] << 8) | (rgb[3 * i + 2] << 16);
    }
    return true;
}

} // namespace

// Compares `width` x `height` pixels, read by pixel(x, y) as 0xBBGGRR, with a golden image;
// `save` writes them as the new golden image when ZX_UPDATE_GOLDEN=1.
template <typename Pixel, typename Save>
std::string compareImage(int width, int height, Pixel pixel, Save save, const std::string& name) {
    const std::string path = std::string(ZX_SOURCE_DIR) + "/tests/golden/" + name + ".png";
    const char* update = std::getenv("ZX_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        save(path);
        return {};
    }
    Image golden;
    if (!readPng(path, golden)) {
        return "cannot read " + path + " (regenerate with ZX_UPDATE_GOLDEN=1)";
    }
    if (golden.width != width || golden.height != height) {
        return "size differs from " + path;
    }
    int differing = 0;
    std::string first;
    for (int y = 0; y < golden.height; ++y) {
        for (int x = 0; x < golden.width; ++x) {
            const uint32_t want = golden.pixels[static_cast<size_t>(y) * golden.width + x];
            const uint32_t got = pixel(x, y);
            if (want != got && differing++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "first at (%d, %d): 0x%06X, golden 0x%06X", x, y,
                              got, want);
                first = text;
            }
        }
    }
    if (differing == 0) {
        return {};
    }
    return std::to_string(differing) + " pixels differ from " + path + ", " + first;
}

std::string compareWithGolden(const zxhost::Stage& stage, const std::string& name) {
    return compareImage(
        stage.width(), stage.height(), [&](int x, int y) { return stage.pixel(x, y); },
        [&](const std::string& path) { stage.savePng(path); }, name);
}

std::string compareDcWithGolden(HDC dc, const std::string& name) {
    zxw32::DibPixels pixels;
    if (!zxw32::dcPixels(dc, &pixels)) {
        return "the DC holds no bitmap";
    }
    // The DC's pixels are 0x00RRGGBB; golden images are compared as 0xBBGGRR.
    const auto pixel = [&](int x, int y) {
        const uint32_t rgb = pixels.row(y)[x] & 0xFFFFFF;
        return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
    };
    return compareImage(
        pixels.width, pixels.height, pixel,
        [&](const std::string& path) {
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            zxw32::savePng(dc, path.c_str());
        },
        name);
}
