// A host with tallydisc32 loaded: the frame is exercised through the same road the real
// host takes (exports, operation tables).
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "zxhost/host.h"

class FrameThroughHost : public ::testing::Test {
protected:
    FrameThroughHost() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        module = &host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/tallydisc32.so");
    }

    zxhost::Host host;
    zxhost::Module* module = nullptr;
};
