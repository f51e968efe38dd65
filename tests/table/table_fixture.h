// A host with gridcell32 loaded and a table member, and small bitmaps to import.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "zxhost/host.h"

class TableThroughHost : public ::testing::Test {
protected:
    TableThroughHost() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/gridcell32.so");
        table = &host.newMember("gridcell", "grid");
        host.messages(); // the event log is the process's: start from an empty one
    }

    // The limit messages the member sent since the last call.
    std::vector<std::string> outputs() {
        std::vector<std::string> out;
        for (const auto& m : host.messages()) {
            if (m.kind == "output") {
                out.push_back(m.text);
            }
        }
        return out;
    }

    void setText(int32_t row, int32_t col, const std::string& text) {
        ASSERT_EQ(table->call("SetTableText", {row, col, text}).code, 0);
    }
    std::string text(int32_t row, int32_t col) {
        const auto r = table->call("GetTableText", {row, col});
        const auto* s = std::get_if<std::string>(&r.value.data);
        return s != nullptr ? *s : "<not a string>";
    }

    zxhost::Host host;
    zxhost::Member* table = nullptr;
};

// A 24-bit bottom-up BMP file of one colour (0xRRGGBB).
inline std::vector<uint8_t> solidBmp(int32_t width, int32_t height, uint32_t rgb) {
    const uint32_t rowBytes = ((24 * static_cast<uint32_t>(width) + 31) / 32) * 4;
    const uint32_t size = 54 + rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> f(size, 0);
    auto put = [&](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            f[at + i] = static_cast<uint8_t>(v >> (8 * i));
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
            const size_t at = 54 + y * rowBytes + 3 * x;
            f[at] = static_cast<uint8_t>(rgb);
            f[at + 1] = static_cast<uint8_t>(rgb >> 8);
            f[at + 2] = static_cast<uint8_t>(rgb >> 16);
        }
    }
    return f;
}
