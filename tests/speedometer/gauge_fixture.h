// A host with dialgauge32 loaded and a gauge member.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "zxhost/host.h"

class GaugeThroughHost : public ::testing::Test {
protected:
    GaugeThroughHost() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/dialgauge32.so");
        gauge = &host.newMember("dialgauge", "gauge");
    }

    zxhost::Host host;
    zxhost::Member* gauge = nullptr;
};
