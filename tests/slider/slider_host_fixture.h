// A host with glidebar32 loaded, a stage and a slider member; bitmap members of one colour
// for replaced parts. With the module's art a horizontal slider 200 wide has 16-pixel arrows,
// a bar of 168 and an 11-pixel thumb: a track of 157 pixels.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "zxhost/host.h"

class SliderThroughHost : public ::testing::Test {
protected:
    static constexpr int kTrack = 157;
    static constexpr int kArrow = 16;
    static constexpr int kThumb = 11;

    SliderThroughHost() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/glidebar32.so");
        host.stage().setSize(240, 240);
        host.stage().setColor(0xFFFFFF);
        slider = &host.newMember("glidebar", "slider");
    }

    // A bitmap member of one colour (0xBBGGRR), as a 24-bit BMP file.
    zxhost::Member& solidBitmap(const std::string& name, int32_t width, int32_t height,
                                uint32_t colour) {
        const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
        const uint32_t size = 54 + rowBytes * static_cast<uint32_t>(height);
        std::vector<uint8_t> f(size, 0);
        const auto put = [&](size_t at, uint32_t v, int n) {
            for (int i = 0; i < n; ++i) {
                f[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
            }
        };
        f[0] = 'B';
        f[1] = 'M';
        put(2, size, 4);
        put(10, 54, 4);
        put(14, 40, 4);
        put(18, static_cast<uint32_t>(width), 4);
        put(22, static_cast<uint32_t>(height), 4);
        put(26, 1, 2);
        put(28, 24, 2);
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                const size_t at =
                    54 + static_cast<size_t>(y) * rowBytes + 3 * static_cast<size_t>(x);
                f[at] = static_cast<uint8_t>(colour >> 16);    // blue
                f[at + 1] = static_cast<uint8_t>(colour >> 8); // green
                f[at + 2] = static_cast<uint8_t>(colour);      // red
            }
        }
        return host.newBitmapMemberFromBytes(name, f);
    }

    // The columns of a stage row in one colour, as [first, last + 1); {0, 0} when none.
    std::pair<int, int> span(int row, uint32_t colour) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < host.stage().width(); ++x) {
            if (host.stage().pixel(x, row) == colour) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        return first < 0 ? std::pair{0, 0} : std::pair{first, last + 1};
    }

    double value() { return std::get<double>(slider->getProp("Value").value.data); }
    int32_t active() { return std::get<int32_t>(slider->getProp("ActiveComponent").value.data); }

    zxhost::Host host;
    zxhost::Member* slider = nullptr;
};
