// A counter member driven through the host: properties, commands, saved blocks, dialog.
#include "host_fixture.h"
#include "zxframe/result_codes.h"

namespace {

struct CounterMember : ::testing::Test {
    void SetUp() override {
        ZX_REQUIRE_COUNTER();
        member = &host.newMember("tallydisc", "odo");
    }
    zxhost::Host host{{zxtest::pluginDir()}};
    zxhost::Member* member = nullptr;
};

TEST_F(CounterMember, PropertiesRoundTripWithTheirKinds) {
    EXPECT_EQ(member->setProp("Value", 12.5), 0);
    EXPECT_EQ(member->setProp("DigitsLeft", 5), 0);
    EXPECT_EQ(member->getProp("Value").value, zxhost::Value(12.5));
    EXPECT_EQ(member->getProp("DigitsLeft").value, zxhost::Value(5));
    // Integers are accepted where a float is read.
    EXPECT_EQ(member->setProp("Value", 7), 0);
    EXPECT_EQ(member->getProp("Value").value, zxhost::Value(7.0));
    EXPECT_EQ(member->getProp("Nonsense").code, zx::kUnknownProperty);
    EXPECT_EQ(host.liveValues(), 0);
}

TEST_F(CounterMember, CommandsAnswerTheirResultCodes) {
    EXPECT_EQ(member->call("FourArgs").code, zx::kTooFewArguments4);
    EXPECT_EQ(member->call("BadParam").code, zx::kResourceNotFound);
    EXPECT_EQ(member->call("Anything", {zxhost::Value(1)}).code, zx::kUnknownCommand);
    EXPECT_EQ(host.liveValues(), 0);
}

TEST_F(CounterMember, SavedBlockReloadsBitIdentically) {
    member->setProp("Value", -7.5);
    member->setProp("DigitsRight", 2);
    int32_t code = -1;
    const auto block = member->save(&code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(block.size(), 40u);
    EXPECT_EQ(member->savedSize(), 40);
    zxhost::Member& copy = host.newMember("tallydisc", "copy");
    EXPECT_EQ(copy.load(block), 0);
    EXPECT_EQ(copy.save(), block);
}

TEST_F(CounterMember, WrongSizedBlockLeavesDefaults) {
    const auto defaults = member->save();
    member->setProp("DigitsLeft", 9);
    auto block = member->save();
    block.resize(36);
    member->load(block);
    EXPECT_EQ(member->getProp("DigitsLeft").value, zxhost::Value(9));
    zxhost::Member& fresh = host.newMember("tallydisc", "fresh");
    fresh.load(block);
    EXPECT_EQ(fresh.save(), defaults);
}

TEST_F(CounterMember, DefaultRectFollowsTheDigitCount) {
    member->setProp("DigitsLeft", 4);
    member->setProp("DigitsRight", 2);
    EXPECT_EQ(member->defaultRect(), (zxhost::Rect{-30, -8, 30, 8}));
}

TEST_F(CounterMember, DialogShowsValuesAndOkStoresColourComponentsModulo256) {
    member->setProp("DigitsLeft", 4);
    const auto outcome = member->dialog({{1008, 300}, {1009, 0}, {1010, 0}}, true);
    ASSERT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.shown.at(1000), zxhost::DialogValue(4));
    EXPECT_EQ(outcome.changeState, 2);
    EXPECT_EQ(member->getProp("BackColorLeft").value, zxhost::Value(44));
    EXPECT_EQ(host.hooks().records.beginResources, host.hooks().records.endResources);
    EXPECT_EQ(host.hooks().records.unpairedEndResources, 0);
}

TEST_F(CounterMember, DialogCancelChangesNothing) {
    const auto before = member->save();
    const auto outcome = member->dialog({{1000, 9}}, false);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.changeState, 0);
    EXPECT_EQ(member->save(), before);
}

TEST_F(CounterMember, FailingRunDialogIsPassedOverWithoutOpening) {
    host.hooks().failAt(zxhost::fault::kRunDialog);
    const int32_t references = host.hooks().liveReferenceTotal();
    const auto outcome = member->dialog({}, true);
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(host.hooks().liveReferenceTotal(), references);
    EXPECT_EQ(host.hooks().records.beginResources, host.hooks().records.endResources);
}

TEST_F(CounterMember, FailingHostUtilitiesQueryFailsTheCreation) {
    host.hooks().failAt(zxhost::fault::kQueryHostUtilities, {0, zx::kNoSuchInterface});
    EXPECT_THROW(host.newMember("tallydisc", "broken"), zxhost::Error);
    EXPECT_EQ(host.member("broken"), nullptr);
    host.hooks().clearFaults();
    EXPECT_EQ(host.hooks().records.instancesCreated, host.hooks().records.instancesDestroyed + 1);
}

TEST_F(CounterMember, StreamsOfAnyOtherSizeAreNotRead) {
    const auto before = member->save();
    for (int32_t size : {39, 41, 0}) {
        host.hooks().nextStream = zxhost::StreamOverride{std::vector<uint8_t>(41, 0x11), size};
        member->load({});
        EXPECT_EQ(member->save(), before) << size;
    }
    EXPECT_EQ(host.hooks().calls(zxhost::fault::kStreamRead), 0);
}

TEST_F(CounterMember, ForeignResourceInstanceMakesTheDialogFailButKeepsPairing) {
    host.hooks().failAt(zxhost::fault::kForeignResources, {0, 1});
    const auto outcome = member->dialog({}, true);
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(host.hooks().records.beginResources, 1);
    EXPECT_EQ(host.hooks().records.endResources, 1);
}

TEST_F(CounterMember, FailingCreateInstanceFailsTheSprite) {
    host.hooks().failAt(zxhost::fault::kCreateInstance, {0, zx::kOutOfMemory});
    try {
        host.addSprite(*member, zxhost::Rect{0, 0, 30, 16});
        FAIL() << "no error";
    } catch (const zxhost::Error& error) {
        EXPECT_NE(std::string(error.what()).find("0x80040002"), std::string::npos);
    }
    EXPECT_TRUE(host.sprites().empty());
}

TEST_F(CounterMember, ThumbnailDrawsOnlyForDrawingContextKinds) {
    host.stage().setSize(64, 64);
    host.stage().setColor(0x123456);
    host.stage().render();
    EXPECT_EQ(member->drawThumbnail(host.stage().dc(), zxhost::Rect{0, 0, 32, 32}, 0), 0);
    EXPECT_EQ(host.stage().pixel(16, 16), 0x123456u);
    EXPECT_EQ(member->drawThumbnail(host.stage().dc(), zxhost::Rect{0, 0, 32, 32}, 1), 0);
    int changed = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            changed += host.stage().pixel(x, y) != 0x123456u;
        }
    }
    EXPECT_GT(changed, 100);
    EXPECT_EQ(host.stage().pixel(40, 40), 0x123456u);
    host.stage().savePng(zxtest::scratchPath("thumbnail.png"));
}

} // namespace
