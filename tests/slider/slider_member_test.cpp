// The slider member through the host: defaults, unchecked writes, the saved block, the dialog
// with its range clamp, and "ReplaceMedia".
#include <cmath>

#include "slider_host_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

TEST_F(SliderThroughHost, NewMemberHasTheDefaults) {
    EXPECT_EQ(slider->getProp("ActiveComponent").value, Value(0));
    EXPECT_EQ(slider->getProp("XMinimum").value, Value(0.0));
    EXPECT_EQ(slider->getProp("XMaximum").value, Value(1.0));
    EXPECT_EQ(slider->getProp("Value").value, Value(0.5));
    EXPECT_EQ(slider->getProp("SmallStep").value, Value(-1.0));
    EXPECT_EQ(slider->getProp("LargeStep").value, Value(-1.0));
    EXPECT_EQ(slider->defaultRect(), (zxhost::Rect{-100, -10, 100, 10}));
    EXPECT_EQ(slider->savedSize(), 40);
    auto& sprite = host.addSprite(*slider, {0, 0, 200, 20});
    EXPECT_EQ(sprite.caps(), (std::array<int32_t, 4>{2, 0, 0, 1}));
}

TEST_F(SliderThroughHost, ScriptsStoreAnyValueUnchecked) {
    EXPECT_EQ(slider->setProp("Value", Value(7)), zx::kOk);
    EXPECT_EQ(slider->getProp("Value").value, Value(7.0));
    EXPECT_EQ(slider->setProp("ActiveComponent", Value(9)), zx::kOk);
    EXPECT_EQ(slider->getProp("ActiveComponent").value, Value(9));
    EXPECT_EQ(slider->setProp("Thumb", Value(1)), zx::kUnknownProperty);
    EXPECT_EQ(slider->call("Reset").code, zx::kUnknownCommand);
}

TEST_F(SliderThroughHost, SavedBlockIsFiveBigEndianDoublesAndReloadsBitIdentically) {
    slider->setProp("XMinimum", Value(0.25));
    slider->setProp("XMaximum", Value(-2.0));
    slider->setProp("Value", Value(-0.1234567890123));
    slider->setProp("SmallStep", Value(1e-300));
    slider->setProp("LargeStep", Value(std::nan("")));
    slider->setProp("ActiveComponent", Value(3));
    const auto bytes = slider->save();
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 16),
              (std::vector<uint8_t>{0x3F, 0xD0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0}));
    auto& copy = host.newMember("glidebar", "copy");
    EXPECT_EQ(copy.load(bytes), zx::kOk);
    EXPECT_EQ(copy.save(), bytes);
    EXPECT_EQ(copy.getProp("Value").value, Value(-0.1234567890123));
    EXPECT_EQ(copy.getProp("ActiveComponent").value, Value(0)); // not saved
}

TEST_F(SliderThroughHost, DialogShowsFloatTextsAndClampsTheValueOnOk) {
    auto& sprite = host.addSprite(*slider, {0, 0, 200, 20});
    sprite.idle();
    const auto outcome = slider->dialog({{1005, std::string("5")}}, true);
    EXPECT_EQ(outcome.shown.at(1003), zxhost::DialogValue(std::string("0.000000")));
    EXPECT_EQ(outcome.shown.at(1004), zxhost::DialogValue(std::string("1.000000")));
    EXPECT_EQ(outcome.shown.at(1005), zxhost::DialogValue(std::string("0.500000")));
    EXPECT_EQ(outcome.shown.at(1006), zxhost::DialogValue(std::string("-1.000000")));
    EXPECT_EQ(outcome.shown.at(1007), zxhost::DialogValue(std::string("-1.000000")));
    EXPECT_EQ(outcome.changeState, 2);
    EXPECT_EQ(slider->getProp("Value").value, Value(1.0)); // 5 in the range 0-1
    EXPECT_EQ(sprite.idle(), 1);
}

TEST_F(SliderThroughHost, DialogClampFollowsAReversedRange) {
    slider->dialog({{1003, std::string("10")}, {1004, std::string("0")}, {1005, std::string("20")}},
                   true);
    EXPECT_EQ(slider->getProp("Value").value, Value(10.0));
    slider->dialog({{1005, std::string("-3.5")}}, true);
    EXPECT_EQ(slider->getProp("Value").value, Value(0.0));
    slider->dialog({{1005, std::string("2.5")}, {1006, std::string("x")}}, true);
    EXPECT_EQ(slider->getProp("Value").value, Value(2.5));
    EXPECT_EQ(slider->getProp("SmallStep").value, Value(0.0)); // no number reads as 0
}

TEST_F(SliderThroughHost, DialogShowsTheLargestDoubleWhole) {
    slider->setProp("XMaximum", Value(1e308));
    const auto outcome = slider->dialog({}, false);
    const auto& shown = std::get<std::string>(outcome.shown.at(1004));
    EXPECT_EQ(shown.size(), 316u); // 309 digits, the point and six decimals
    EXPECT_EQ(shown.substr(0, 4), "1000");
}

TEST_F(SliderThroughHost, ReplaceMediaNeedsAPartNameAndAMember) {
    auto& red = solidBitmap("red", 11, 16, 0x0000FF);
    EXPECT_EQ(slider->call("ReplaceMedia").code, zx::kTooFewArguments2);
    EXPECT_EQ(slider->call("ReplaceMedia", {Value("ThumbUp")}).code, zx::kTooFewArguments2);
    // An unknown part name changes nothing and is no error.
    EXPECT_EQ(slider->call("ReplaceMedia", {Value("Knob"), Value(red.ref())}).code, zx::kOk);
    EXPECT_EQ(slider->call("ReplaceMedia", {Value("thumbup"), Value(red.ref())}).code, zx::kOk);
}

TEST_F(SliderThroughHost, ReplaceMediaFromAMemberWithoutPictureKeepsThePart) {
    auto& sprite = host.addSprite(*slider, {10, 10, 210, 30});
    auto& red = solidBitmap("red", 11, 16, 0x0000FF);
    ASSERT_EQ(slider->call("ReplaceMedia", {Value("ThumbUp"), Value(red.ref())}).code, zx::kOk);
    host.stage().render();
    const auto before = span(20, 0x0000FF);
    ASSERT_NE(before.second, 0);
    auto& other = host.newMember("glidebar", "other");
    EXPECT_NE(slider->call("ReplaceMedia", {Value("ThumbUp"), Value(other.ref())}).code, zx::kOk);
    EXPECT_EQ(sprite.idle(), 0);
    host.stage().render();
    EXPECT_EQ(span(20, 0x0000FF), before);
}

TEST_F(SliderThroughHost, ReplaceMediaRedrawsWithTheNewPicture) {
    auto& sprite = host.addSprite(*slider, {10, 10, 210, 30});
    sprite.idle();
    auto& red = solidBitmap("red", 11, 16, 0x0000FF);
    EXPECT_EQ(slider->call("ReplaceMedia", {Value("ThumbUp"), Value(red.ref())}).code, zx::kOk);
    EXPECT_EQ(sprite.idle(), 1);
    host.stage().render();
    EXPECT_EQ(span(20, 0x0000FF), (std::pair{26 + kTrack / 2, 26 + kTrack / 2 + kThumb}));
}

TEST_F(SliderThroughHost, ThumbnailIsDrawn) {
    EXPECT_EQ(slider->drawThumbnail(host.stage().dc(), {0, 0, 48, 32}), zx::kOk);
    EXPECT_NE(host.stage().pixel(24, 16), 0xFFFFFFu);
}
