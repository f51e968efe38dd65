// A host with tallydisc32 loaded and a counter member.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "zxhost/host.h"

class CounterThroughHost : public ::testing::Test {
protected:
    CounterThroughHost() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/tallydisc32.so");
        counter = &host.newMember("tallydisc", "odo");
    }

    zxhost::Host host;
    zxhost::Member* counter = nullptr;
};
