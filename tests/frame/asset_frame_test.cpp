#include "frame_fixture.h"
#include "zxframe/identifiers.h"
#include "zxframe/result_codes.h"

using zxhost::FaultRule;
using zxhost::Value;

namespace {

constexpr int32_t kInjected = static_cast<int32_t>(0x80040123u);

} // namespace

TEST_F(FrameThroughHost, FailedHostUtilitiesQueryFailsConstructionWithTheHostsResult) {
    host.hooks().failAt(zxhost::fault::kQueryHostUtilities, FaultRule{1, kInjected});
    void* out = nullptr;
    EXPECT_EQ(module->createInstance(module->assetClass(), zx::kAssetInterfaceId, &out), kInjected);
}

TEST_F(FrameThroughHost, ReadingAnUnknownPropertyIsRefused) {
    auto& member = host.newMember("tallydisc", "odo");
    EXPECT_EQ(member.getProp("Colour").code, zx::kUnknownProperty);
}

TEST_F(FrameThroughHost, BlockFourBytesShortLeavesEveryDefault) {
    auto& member = host.newMember("tallydisc", "odo");
    member.setProp("DigitsLeft", Value(7));
    std::vector<uint8_t> bytes = member.save();
    ASSERT_EQ(bytes.size(), 40u);
    auto& fresh = host.newMember("tallydisc", "fresh");
    bytes.resize(36);
    EXPECT_EQ(fresh.load(bytes), zx::kOk);
    EXPECT_EQ(fresh.getProp("DigitsLeft").value, Value(3));
}

TEST_F(FrameThroughHost, SaveReportsTheFirstFailingWrite) {
    auto& member = host.newMember("tallydisc", "odo");
    host.hooks().failAt(zxhost::fault::kStreamWrite, FaultRule{2, kInjected});
    int32_t code = 0;
    member.save(&code);
    EXPECT_EQ(code, kInjected);
}

TEST_F(FrameThroughHost, LoadWithAFailingReadKeepsTheOldValues) {
    auto& source = host.newMember("tallydisc", "source");
    source.setProp("DigitsLeft", Value(9));
    source.setProp("Value", Value(4.5));
    const auto bytes = source.save();
    auto& target = host.newMember("tallydisc", "target");
    host.hooks().failAt(zxhost::fault::kStreamRead, FaultRule{3, kInjected});
    EXPECT_EQ(target.load(bytes), kInjected);
    EXPECT_EQ(target.getProp("DigitsLeft").value, Value(3));
    EXPECT_EQ(target.getProp("Value").value, Value(0.0));
}

TEST_F(FrameThroughHost, FailingOpenIsReportedWithoutAnyFieldRead) {
    auto& member = host.newMember("tallydisc", "odo");
    const auto bytes = member.save();
    host.hooks().failAt(zxhost::fault::kStreamOpen, FaultRule{1, kInjected});
    EXPECT_EQ(member.load(bytes), kInjected);
    EXPECT_EQ(host.hooks().calls(zxhost::fault::kStreamRead), 0);
}

TEST_F(FrameThroughHost, DialogColourComponentsKeepTheirLowEightBits) {
    auto& member = host.newMember("tallydisc", "odo");
    const auto outcome = member.dialog({{1008, int32_t{300}}, {1009, int32_t{0}}}, true);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.changeState, 2);
    // BackColorLeft: red 300 -> 44, green 0, blue kept at 255.
    EXPECT_EQ(member.getProp("BackColorLeft").value, Value(int32_t{0xFF002C}));
}

TEST_F(FrameThroughHost, DialogShowsTheValuesAndCancelChangesNothing) {
    auto& member = host.newMember("tallydisc", "odo");
    member.setProp("Value", Value(2.5));
    const auto outcome = member.dialog({{1000, int32_t{9}}}, false);
    ASSERT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.shown.at(1000), zxhost::DialogValue(int32_t{3}));
    EXPECT_EQ(outcome.shown.at(1008), zxhost::DialogValue(int32_t{255}));
    EXPECT_EQ(outcome.shown.at(1014), zxhost::DialogValue(std::string("2.500000")));
    EXPECT_EQ(outcome.changeState, 0);
    EXPECT_EQ(member.getProp("DigitsLeft").value, Value(3));
}

TEST_F(FrameThroughHost, EachChangeAsksForExactlyOneRedraw) {
    auto& member = host.newMember("tallydisc", "odo");
    auto& sprite = host.addSprite(member, {0, 0, 30, 16});
    EXPECT_EQ(sprite.idle(), 0);
    member.setProp("Value", Value(1.0));
    EXPECT_EQ(sprite.idle(), 1);
    EXPECT_EQ(sprite.idle(), 0);
}

TEST_F(FrameThroughHost, DrawContextsOfKindZeroAndFourDrawNothing) {
    host.stage().setSize(40, 20);
    auto& member = host.newMember("tallydisc", "odo");
    auto& sprite = host.addSprite(member, {0, 0, 30, 16});
    const uint32_t before = host.stage().pixel(5, 5);
    EXPECT_EQ(sprite.draw(nullptr, 0), zx::kOk);
    EXPECT_EQ(sprite.draw(nullptr, 4), zx::kOk);
    EXPECT_EQ(host.stage().pixel(5, 5), before);
    EXPECT_EQ(sprite.draw(nullptr, 1), zx::kOk);
    EXPECT_EQ(host.stage().pixel(1, 1), 0xFFFFFFu); // the integer block's white
}

TEST_F(FrameThroughHost, EveryHostObjectObtainedIsReleased) {
    {
        auto& member = host.newMember("tallydisc", "odo");
        auto& sprite = host.addSprite(member, {0, 0, 30, 16});
        member.setProp("Value", Value(3.5));
        sprite.idle();
        sprite.draw();
        member.save();
        member.dialog({}, true);
        host.clearMovie();
    }
    EXPECT_EQ(host.hooks().liveReferenceTotal(), 0);
    EXPECT_EQ(host.hooks().records.beginResources, host.hooks().records.endResources);
}
