// The gauge member through the host: defaults, the coupled speeds, the saved block and the
// dialog.
#include <limits>

#include "gauge_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

TEST_F(GaugeThroughHost, NewMemberHasTheDefaultsAndAsksForARedraw) {
    EXPECT_EQ(gauge->getProp("XMin").value, Value(0));
    EXPECT_EQ(gauge->getProp("XMax").value, Value(100));
    EXPECT_EQ(gauge->getProp("XSpeed").value, Value(30));
    EXPECT_EQ(gauge->getProp("SmallTickSpace").value, Value(10));
    EXPECT_EQ(gauge->getProp("BigTickSpace").value, Value(20));
    EXPECT_EQ(gauge->getProp("TickColor").value, Value(0));
    EXPECT_EQ(gauge->getProp("TextColor").value, Value(0));
    EXPECT_EQ(gauge->getProp("SpeedColor").value, Value(0xFF0000)); // blue: red in the low byte
    EXPECT_EQ(gauge->getProp("BackColor").value, Value(0xC0C0C0));
    EXPECT_EQ(gauge->getProp("YSpeed").value, Value(30.0));
    EXPECT_EQ(gauge->defaultRect(), (zxhost::Rect{-50, -10, 50, 10}));
    auto& sprite = host.addSprite(*gauge, {0, 0, 100, 20});
    EXPECT_EQ(sprite.caps(), (std::array<int32_t, 4>{0, 0, 0, 1}));
    EXPECT_EQ(sprite.idle(), 1);
    EXPECT_EQ(sprite.idle(), 0);
}

TEST_F(GaugeThroughHost, EachSpeedWriteSetsTheOther) {
    gauge->setProp("YSpeed", Value(42.5));
    EXPECT_EQ(gauge->getProp("XSpeed").value, Value(43));
    gauge->setProp("XSpeed", Value(7));
    EXPECT_EQ(gauge->getProp("YSpeed").value, Value(7.0));
    gauge->setProp("YSpeed", Value(1e300));
    EXPECT_EQ(gauge->getProp("XSpeed").value, Value(std::numeric_limits<int32_t>::max()));
    gauge->setProp("YSpeed", Value(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(gauge->getProp("XSpeed").value, Value(0));
    // No other property is coupled or checked.
    gauge->setProp("XMax", Value(-5));
    EXPECT_EQ(gauge->getProp("XMax").value, Value(-5));
    EXPECT_EQ(gauge->getProp("XSpeed").value, Value(0));
}

TEST_F(GaugeThroughHost, UnknownPropertiesAndCommandsAreRefused) {
    auto& sprite = host.addSprite(*gauge, {0, 0, 100, 20});
    sprite.idle();
    EXPECT_EQ(gauge->setProp("Speed", Value(1)), zx::kUnknownProperty);
    EXPECT_EQ(sprite.idle(), 1);
    EXPECT_EQ(gauge->getProp("Speed").code, zx::kUnknownProperty);
    EXPECT_EQ(gauge->call("CloseWindow").code, zx::kUnknownCommand);
}

TEST_F(GaugeThroughHost, SavedBlockIsEightBigEndianWordsWithoutTheSpeeds) {
    gauge->setProp("XMin", Value(-2));
    gauge->setProp("XMax", Value(0x01020304));
    gauge->setProp("BigTickSpace", Value(5));
    gauge->setProp("SmallTickSpace", Value(6));
    gauge->setProp("TickColor", Value(0x0A0B0C));
    gauge->setProp("TextColor", Value(0x0D0E0F));
    gauge->setProp("BackColor", Value(0x111213));
    gauge->setProp("SpeedColor", Value(0x141516));
    gauge->setProp("XSpeed", Value(77));
    EXPECT_EQ(gauge->savedSize(), 32);
    const auto bytes = gauge->save();
    EXPECT_EQ(bytes,
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFE, 1,    2,    3,    4,    0,    0,   0,
                                    5,    0,    0,    0,    6,    0,    0x0A, 0x0B, 0x0C, 0,   0x0D,
                                    0x0E, 0x0F, 0,    0x11, 0x12, 0x13, 0,    0x14, 0x15, 0x16}));
    auto& copy = host.newMember("dialgauge", "copy");
    EXPECT_EQ(copy.load(bytes), zx::kOk);
    EXPECT_EQ(copy.save(), bytes);
    EXPECT_EQ(copy.getProp("XSpeed").value, Value(30)); // not saved: the default stays
}

TEST_F(GaugeThroughHost, DialogShowsTheScaleAndColourTripletsAndStoresThemOnOk) {
    gauge->setProp("TickColor", Value(0x030201));
    const auto outcome = gauge->dialog({{1000, int32_t{-10}},
                                        {1001, int32_t{10}},
                                        {1002, int32_t{5}},
                                        {1003, int32_t{1}},
                                        {1007, int32_t{300}},
                                        {1008, int32_t{0}},
                                        {1009, int32_t{-1}}},
                                       true);
    EXPECT_EQ(outcome.shown.at(1000), zxhost::DialogValue(int32_t{0}));
    EXPECT_EQ(outcome.shown.at(1001), zxhost::DialogValue(int32_t{100}));
    EXPECT_EQ(outcome.shown.at(1002), zxhost::DialogValue(int32_t{20}));
    EXPECT_EQ(outcome.shown.at(1003), zxhost::DialogValue(int32_t{10}));
    EXPECT_EQ(outcome.shown.at(1004), zxhost::DialogValue(int32_t{1})); // tick red
    EXPECT_EQ(outcome.shown.at(1006), zxhost::DialogValue(int32_t{3})); // tick blue
    EXPECT_EQ(outcome.shown.at(1013), zxhost::DialogValue(int32_t{192}));
    EXPECT_EQ(outcome.changeState, 2);
    EXPECT_EQ(gauge->getProp("XMin").value, Value(-10));
    EXPECT_EQ(gauge->getProp("XMax").value, Value(10));
    EXPECT_EQ(gauge->getProp("BigTickSpace").value, Value(5));
    EXPECT_EQ(gauge->getProp("SmallTickSpace").value, Value(1));
    // Each component keeps its low 8 bits: 300 is 44, -1 is 255.
    EXPECT_EQ(gauge->getProp("SpeedColor").value, Value(0xFF002C));
}
