#include "member_fixture.h"

using zxhost::DialogValue;
using zxhost::Value;

TEST_F(EquationMemberThroughHost, DialogShowsTheMembersValues) {
    member->setProp("BackColor", Value(0x030201));
    member->setProp("BlackBorder", Value(1));
    member->setProp("NumEquations", Value(2));
    const auto outcome = member->dialog({}, false);
    ASSERT_TRUE(outcome.opened);
    const auto shown = [&](int32_t id) { return outcome.shown.at(id); };
    EXPECT_EQ(shown(1000), DialogValue(int32_t{1}));
    EXPECT_EQ(shown(1001), DialogValue(int32_t{2}));
    EXPECT_EQ(shown(1002), DialogValue(int32_t{3}));
    EXPECT_EQ(shown(1006), DialogValue(true));
    EXPECT_EQ(shown(1007), DialogValue(true));
    EXPECT_EQ(shown(1008), DialogValue(true));
    EXPECT_EQ(shown(1009), DialogValue(false));
    EXPECT_EQ(shown(1010), DialogValue(int32_t{2}));
    EXPECT_EQ(shown(1011), DialogValue(true));
    EXPECT_EQ(shown(1012), DialogValue(false));
}

TEST_F(EquationMemberThroughHost, DialogOkStoresClampsAndApplies) {
    auto& other = host.newMember("formulon", "other");
    const auto outcome = member->dialog({{1003, int32_t{300}},
                                         {1006, true},
                                         {1007, false},
                                         {1010, int32_t{5}},
                                         {1011, false},
                                         {1012, true}},
                                        true);
    EXPECT_EQ(outcome.changeState, 2);
    EXPECT_EQ(member->getProp("TextColor").value, Value(44));
    EXPECT_EQ(member->getProp("BlackBorder").value, Value(1));
    EXPECT_EQ(member->getProp("Enabled").value, Value(0));
    EXPECT_EQ(member->getProp("NumEquations").value, Value(2));
    EXPECT_EQ(other.getProp("AngleUnits").value, Value(1));
    EXPECT_EQ(member->dialog({{1010, int32_t{0}}}, true).changeState, 2);
    EXPECT_EQ(member->getProp("NumEquations").value, Value(1));
}

TEST_F(EquationMemberThroughHost, DialogCancelStoresNothing) {
    const auto outcome = member->dialog({{1010, int32_t{2}}, {1006, true}}, false);
    EXPECT_EQ(outcome.changeState, 0);
    EXPECT_EQ(member->getProp("NumEquations").value, Value(1));
    EXPECT_EQ(member->getProp("BlackBorder").value, Value(0));
}

TEST_F(EquationMemberThroughHost, ThumbnailCoversTheRectangle) {
    host.stage().setSize(64, 32);
    host.stage().setColor(0x0000FF);
    host.stage().render();
    EXPECT_EQ(member->drawThumbnail(host.stage().dc(), {0, 0, 64, 32}), zx::kOk);
    int covered = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
            covered += host.stage().pixel(x, y) != 0x0000FFu ? 1 : 0;
        }
    }
    EXPECT_EQ(covered, 64 * 32);
}
