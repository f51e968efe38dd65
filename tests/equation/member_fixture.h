// A host with formulon32 loaded and one equation member.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "zxframe/result_codes.h"
#include "zxhost/host.h"

class EquationMemberThroughHost : public ::testing::Test {
protected:
    EquationMemberThroughHost() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/formulon32.so");
        member = &host.newMember("formulon", "eq");
    }

    std::string text(const std::string& property) {
        const auto read = member->getProp(property);
        const auto* s = read.value.get<std::string>();
        return s != nullptr ? *s : std::string("<not a string>");
    }
    double number(const std::string& property) {
        const auto read = member->getProp(property);
        const auto* d = read.value.get<double>();
        return d != nullptr ? *d : -12345.0;
    }

    zxhost::Host host;
    zxhost::Member* member = nullptr;
};
