#include <cmath>
#include <cstring>
#include <limits>

#include "counter_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

TEST_F(CounterThroughHost, NewMemberHasTheDefaults) {
    EXPECT_EQ(counter->getProp("BackColorLeft").value, Value(0xFFFFFF));
    EXPECT_EQ(counter->getProp("BackColorRight").value, Value(0));
    EXPECT_EQ(counter->getProp("ForeColorLeft").value, Value(0));
    EXPECT_EQ(counter->getProp("ForeColorRight").value, Value(0xFFFFFF));
    EXPECT_EQ(counter->getProp("DivideColorLeft").value, Value(0xAAAAAA));
    EXPECT_EQ(counter->getProp("DivideColorRight").value, Value(0x555555));
    EXPECT_EQ(counter->getProp("DigitsLeft").value, Value(3));
    EXPECT_EQ(counter->getProp("DigitsRight").value, Value(0));
    EXPECT_EQ(counter->getProp("Value").value, Value(0.0));
}

TEST_F(CounterThroughHost, ValueIsAFloatAndDigitsAreIntegers) {
    EXPECT_EQ(counter->setProp("Value", Value(7)), zx::kOk);
    EXPECT_EQ(counter->getProp("Value").value, Value(7.0));
    EXPECT_EQ(counter->setProp("DigitsRight", Value(2.9)), zx::kOk);
    EXPECT_TRUE(counter->getProp("DigitsRight").value.is<int32_t>());
}

TEST_F(CounterThroughHost, UnknownNameOnSetSucceedsButStillRedraws) {
    auto& sprite = host.addSprite(*counter, {0, 0, 30, 16});
    EXPECT_EQ(counter->setProp("Colour", Value(1)), zx::kOk);
    EXPECT_EQ(sprite.idle(), 1);
}

TEST_F(CounterThroughHost, CommandsAnswerOnlyResultCodes) {
    EXPECT_EQ(counter->call("FourArgs").code, zx::kTooFewArguments4);
    EXPECT_EQ(counter->call("BadParam", {Value(1)}).code, zx::kResourceNotFound);
    EXPECT_EQ(counter->call("Reset").code, zx::kUnknownCommand);
}

TEST_F(CounterThroughHost, DefaultRectGivesTenPixelsPerDigit) {
    counter->setProp("DigitsRight", Value(2));
    EXPECT_EQ(counter->defaultRect(), (zxhost::Rect{-25, -8, 25, 8}));
}

TEST_F(CounterThroughHost, DefaultRectSaturatesForHugeDigitCounts) {
    counter->setProp("DigitsLeft", Value(std::numeric_limits<int32_t>::max()));
    counter->setProp("DigitsRight", Value(std::numeric_limits<int32_t>::max()));
    const auto rect = counter->defaultRect();
    EXPECT_EQ(rect.left, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(rect.right, std::numeric_limits<int32_t>::max());
}

TEST_F(CounterThroughHost, SavedBlockIsFortyBigEndianBytesInFieldOrder) {
    counter->setProp("DigitsLeft", Value(2));
    counter->setProp("DigitsRight", Value(1));
    counter->setProp("ForeColorLeft", Value(0x010203));
    counter->setProp("Value", Value(1.0));
    EXPECT_EQ(counter->savedSize(), 40);
    const auto bytes = counter->save();
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 12),
              (std::vector<uint8_t>{0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 2, 3}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 32, bytes.end()),
              (std::vector<uint8_t>{0x3F, 0xF0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(CounterThroughHost, SavedMemberReloadsBitIdentically) {
    counter->setProp("DigitsLeft", Value(-4));
    counter->setProp("DigitsRight", Value(6));
    counter->setProp("BackColorRight", Value(0x123456));
    counter->setProp("DivideColorLeft", Value(-1));
    counter->setProp("Value", Value(-0.1234567890123));
    const auto bytes = counter->save();
    auto& copy = host.newMember("tallydisc", "copy");
    EXPECT_EQ(copy.load(bytes), zx::kOk);
    EXPECT_EQ(copy.save(), bytes);
    EXPECT_EQ(copy.getProp("Value").value, Value(-0.1234567890123));
}

TEST_F(CounterThroughHost, MediaOfThirtyNineOrFortyOneBytesLeavesTheDefaults) {
    counter->setProp("DigitsLeft", Value(8));
    auto bytes = counter->save();
    auto& shorter = host.newMember("tallydisc", "shorter");
    auto& longer = host.newMember("tallydisc", "longer");
    auto cut = bytes;
    cut.pop_back();
    bytes.push_back(0);
    EXPECT_EQ(shorter.load(cut), zx::kOk);
    EXPECT_EQ(longer.load(bytes), zx::kOk);
    EXPECT_EQ(shorter.getProp("DigitsLeft").value, Value(3));
    EXPECT_EQ(longer.getProp("DigitsLeft").value, Value(3));
}

TEST_F(CounterThroughHost, DialogOkStoresEveryFieldAndRedraws) {
    auto& sprite = host.addSprite(*counter, {0, 0, 30, 16});
    const auto outcome = counter->dialog({{1000, int32_t{4}},
                                          {1001, int32_t{2}},
                                          {1014, std::string("12.75")},
                                          {1018, int32_t{1}},
                                          {1019, int32_t{2}},
                                          {1020, int32_t{3}}},
                                         true);
    EXPECT_EQ(outcome.changeState, 2);
    EXPECT_EQ(counter->getProp("DigitsLeft").value, Value(4));
    EXPECT_EQ(counter->getProp("DigitsRight").value, Value(2));
    EXPECT_EQ(counter->getProp("Value").value, Value(12.75));
    EXPECT_EQ(counter->getProp("DivideColorRight").value, Value(0x030201));
    EXPECT_EQ(sprite.idle(), 1);
}
