// A host with gridcell32 loaded and a table member, and small bitmaps to import.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "bitmap_file.h"
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
