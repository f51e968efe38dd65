// The optional hooks of a kind through the probe module: computed properties, the steps
// around save and load, and commands that mark the member changed.
#include <vector>

#include <gtest/gtest.h>

#include "zxframe/result_codes.h"
#include "zxhost/host.h"
#include "zxhost/test_hooks.h"

using zxhost::Value;

namespace {

class ProbeHooks : public ::testing::Test {
protected:
    ProbeHooks() : host(std::vector<std::string>{}) {
        host.loadModule(ZX_PROBE_MODULE);
        member = &host.newMember("probe", "p");
    }

    zxhost::Host host;
    zxhost::Member* member = nullptr;
};

} // namespace

TEST_F(ProbeHooks, ComputedPropertyAnswersThroughItsHooks) {
    EXPECT_EQ(member->getProp("Twice").value, Value(14));
    EXPECT_EQ(member->setProp("Twice", Value(10)), zx::kOk);
    EXPECT_EQ(member->getProp("Number").value, Value(5));
    EXPECT_EQ(member->setProp("Twice", Value(3)), zx::kUnknownProperty);
    EXPECT_EQ(member->getProp("Number").value, Value(5));
}

TEST_F(ProbeHooks, AfterLoadRunsForEveryBlockAndSaysWhetherItWasRead) {
    const auto bytes = member->save();
    EXPECT_EQ(member->getProp("Saves").value, Value(1));
    EXPECT_EQ(member->load(bytes), zx::kOk);
    EXPECT_EQ(member->getProp("Loads").value, Value(1));
    EXPECT_EQ(member->getProp("BlockRead").value, Value(1));
    auto shorter = bytes;
    shorter.pop_back();
    EXPECT_EQ(member->load(shorter), zx::kOk);
    EXPECT_EQ(member->getProp("Loads").value, Value(2));
    EXPECT_EQ(member->getProp("BlockRead").value, Value(0));
    host.hooks().failAt(zxhost::fault::kStreamOpen, zxhost::FaultRule{1, zx::kNotSupported});
    member->load(bytes);
    EXPECT_EQ(member->getProp("Loads").value, Value(3));
    EXPECT_EQ(member->getProp("BlockRead").value, Value(0));
}

TEST_F(ProbeHooks, CommandsMarkTheMemberChangedWhenTheKindAsks) {
    auto& sprite = host.addSprite(*member, {0, 0, 10, 10});
    sprite.idle();
    EXPECT_EQ(sprite.idle(), 0);
    member->call("NoSuchCommand");
    EXPECT_EQ(sprite.idle(), 1);
}
