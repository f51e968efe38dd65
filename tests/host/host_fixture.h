// Shared set-up for the host tests: a host that finds the plug-ins built beside the tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "zxhost/host.h"

namespace zxtest {

inline std::string pluginDir() {
    return std::string(ZX_BINARY_DIR) + "/bin";
}

inline bool haveCounter() {
    return std::filesystem::exists(pluginDir() + "/tallydisc32.so");
}

inline std::string scratchPath(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / "zxhost_tests";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

} // namespace zxtest

#define ZX_REQUIRE_COUNTER()                                                                       \
    do {                                                                                           \
        if (!zxtest::haveCounter())                                                                \
            GTEST_SKIP() << "tallydisc32.so is not built";                                         \
    } while (0)
