// A host with keypadix32 loaded, a calculator member and one sprite at its picture's size,
// drawn once so that its keys can be hit; helpers that press keys by clicking their default
// areas and that read the keypad bitmaps pixel by pixel.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/key_areas.h"
#include "bitmap_file.h"
#include "zxhost/host.h"

class CalculatorThroughHost : public ::testing::Test {
protected:
    static constexpr uint32_t kStageColor = 0x604020;
    static constexpr zxhost::Rect kSpriteRect{20, 10, 104, 164}; // the keypad's 84 x 154

    CalculatorThroughHost() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/keypadix32.so");
        host.stage().setSize(200, 180);
        host.stage().setColor(kStageColor);
        calculator = &host.newMember("keypadix", "calc");
        sprite = &host.addSprite(*calculator, kSpriteRect);
        host.stage().render();
    }

    // Clicks the middle of a key's default area: press and release.
    static void click(zxhost::Sprite& s, int32_t key) {
        const auto& area = zx::calculator::defaultKeyAreas()[static_cast<size_t>(key)];
        const int32_t x = (area.left + area.right) / 2;
        const int32_t y = (area.top + area.bottom) / 2;
        s.mouseDown(x, y);
        s.mouseUp(x, y);
    }

    int32_t integer(const char* property) {
        const auto read = calculator->getProp(property);
        EXPECT_EQ(read.code, 0) << property;
        return read.value.is<int32_t>() ? read.value.as<int32_t>() : INT32_MIN;
    }
    double number(const char* property) {
        const auto read = calculator->getProp(property);
        EXPECT_EQ(read.code, 0) << property;
        return read.value.is<double>() ? read.value.as<double>() : -1.0;
    }

    zxhost::Host host;
    zxhost::Member* calculator = nullptr;
    zxhost::Sprite* sprite = nullptr;
};

// A 24-bit bottom-up bitmap file read back as 0xBBGGRR pixels.
struct BitmapFile {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bytes;

    explicit BitmapFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        if (bytes.size() >= 54) {
            width = static_cast<int32_t>(read32(18));
            height = static_cast<int32_t>(read32(22));
        }
    }
    uint32_t pixel(int32_t x, int32_t y) const {
        const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
        const size_t at = read32(10) + rowBytes * static_cast<uint32_t>(height - 1 - y) +
                          3 * static_cast<size_t>(x);
        return static_cast<uint32_t>(bytes[at + 2]) | bytes[at + 1] << 8 | bytes[at] << 16;
    }
    uint32_t read32(size_t at) const {
        return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
               static_cast<uint32_t>(bytes[at + 3]) << 24;
    }
};

inline std::string keypadBitmap(const char* name) {
    return std::string(ZX_SOURCE_DIR) + "/resources/keypadix32/" + name;
}

// A bitmap file of one colour (0xBBGGRR), 24 bits, bottom-up.
inline std::vector<uint8_t> solidBitmap(int32_t width, int32_t height, uint32_t color) {
    return zxtest::solidBmpFile(width, height, color);
}
