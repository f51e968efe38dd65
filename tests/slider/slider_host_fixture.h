// A host with glidebar32 loaded, a stage and a slider member; bitmap members of one colour
// for replaced parts. With the module's art a horizontal slider 200 wide has 16-pixel arrows,
// a bar of 168 and an 11-pixel thumb: a track of 157 pixels.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bitmap_file.h"
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
        return host.newBitmapMemberFromBytes(name, zxtest::solidBmpFile(width, height, colour));
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
