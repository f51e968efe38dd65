// The slider's drawing through the host: where the thumb stands for a value, the pressed
// pictures, replaced parts of other sizes, and golden images.
#include <cmath>

#include "golden_image.h"
#include "slider_host_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

namespace {

constexpr uint32_t kRed = 0x0000FF;

// A horizontal slider at (10, 10), 200 x 20, whose thumb is a red block of 11 x 16: the
// bar runs from x = 26 to 194, so the thumb's left edge lies between 26 and 183.
class DrawnThumb : public SliderThroughHost {
protected:
    DrawnThumb() {
        host.addSprite(*slider, {10, 10, 210, 30});
        slider->call("ReplaceMedia",
                     {Value("ThumbUp"), Value(solidBitmap("red", 11, 16, kRed).ref())});
    }

    int thumbLeftFor(double v) {
        slider->setProp("Value", Value(v));
        host.stage().render();
        return span(20, kRed).first;
    }
};

// Pixels of a stage rectangle, row by row.
std::vector<uint32_t> pixels(const zxhost::Stage& stage, int left, int top, int right, int bottom) {
    std::vector<uint32_t> out;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            out.push_back(stage.pixel(x, y));
        }
    }
    return out;
}

} // namespace

TEST_F(DrawnThumb, ProportionalInsideTheRangeAndAtTheEndsOutside) {
    EXPECT_EQ(thumbLeftFor(0.0), 26);
    EXPECT_EQ(thumbLeftFor(0.5), 26 + 78);
    EXPECT_EQ(thumbLeftFor(0.999), 26 + 156);
    EXPECT_EQ(thumbLeftFor(1.0), 183);
    EXPECT_EQ(thumbLeftFor(-5.0), 26);
    EXPECT_EQ(thumbLeftFor(7.0), 183);
    EXPECT_EQ(thumbLeftFor(-INFINITY), 26);
    EXPECT_EQ(thumbLeftFor(std::nan("")), 26);
    EXPECT_EQ(span(20, kRed).second, 37); // eleven columns wide
}

TEST_F(DrawnThumb, WiderThumbShortensTheTrack) {
    slider->call("ReplaceMedia",
                 {Value("ThumbUp"), Value(solidBitmap("wide", 21, 16, kRed).ref())});
    EXPECT_EQ(thumbLeftFor(1.0), 194 - 21);
    EXPECT_EQ(thumbLeftFor(0.5), 26 + 73); // half of 147
}

TEST_F(SliderThroughHost, VerticalThumbCountsUpFromTheDownArrow) {
    host.addSprite(*slider, {10, 10, 30, 210});
    slider->call("ReplaceMedia",
                 {Value("VThumbUp"), Value(solidBitmap("red", 16, 11, kRed).ref())});
    const auto thumbTop = [&](double v) {
        slider->setProp("Value", Value(v));
        host.stage().render();
        for (int y = 0; y < host.stage().height(); ++y) {
            if (host.stage().pixel(20, y) == kRed) {
                return y;
            }
        }
        return -1;
    };
    EXPECT_EQ(thumbTop(0.0), 194 - 11);
    EXPECT_EQ(thumbTop(0.5), 194 - 11 - 78);
    EXPECT_EQ(thumbTop(1.0), 26);
}

TEST_F(SliderThroughHost, ActivePartShowsItsPressedPicture) {
    auto& sprite = host.addSprite(*slider, {10, 10, 210, 30});
    host.stage().render();
    const auto normal = pixels(host.stage(), 194, 12, 209, 28); // the right arrow
    const auto thumb = pixels(host.stage(), 104, 12, 115, 28);
    sprite.mouseDown(190, 10);
    host.stage().render();
    EXPECT_NE(pixels(host.stage(), 194, 12, 209, 28), normal);
    sprite.mouseUp(190, 10);
    host.stage().render();
    EXPECT_EQ(pixels(host.stage(), 194, 12, 209, 28), normal);
    // The thumb pressed for a drag.
    sprite.mouseDown(100, 10);
    host.stage().render();
    EXPECT_NE(pixels(host.stage(), 104, 12, 115, 28), thumb);
}

TEST_F(SliderThroughHost, LastColumnAndRowAreClipped) {
    host.addSprite(*slider, {10, 10, 210, 26}); // the arrows reach y = 26
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(209, 20), 0xFFFFFFu);
    EXPECT_EQ(host.stage().pixel(100, 25), 0xFFFFFFu);
    EXPECT_NE(host.stage().pixel(208, 20), 0xFFFFFFu);
}

TEST_F(SliderThroughHost, GoldenSliders) {
    host.stage().setSize(260, 220);
    host.stage().setColor(0x806040);
    host.addSprite(*slider, {10, 10, 210, 30});

    auto& low = host.newMember("glidebar", "low");
    low.setProp("Value", Value(0.0));
    host.addSprite(low, {10, 40, 210, 60});

    auto& reversed = host.newMember("glidebar", "reversed");
    reversed.setProp("XMinimum", Value(100.0));
    reversed.setProp("XMaximum", Value(0.0));
    reversed.setProp("Value", Value(25.0));
    host.addSprite(reversed, {10, 70, 130, 100});

    auto& outside = host.newMember("glidebar", "outside");
    outside.setProp("Value", Value(9.0));
    host.addSprite(outside, {140, 70, 210, 100});

    auto& vertical = host.newMember("glidebar", "vertical");
    vertical.setProp("Value", Value(0.8));
    auto& pressed = host.addSprite(vertical, {225, 10, 245, 210});

    auto& replaced = host.newMember("glidebar", "replaced");
    replaced.call("ReplaceMedia",
                  {Value("ThumbUp"), Value(solidBitmap("orange", 24, 12, 0x00A0FF).ref())});
    replaced.call("ReplaceMedia",
                  {Value("SliderBar"), Value(solidBitmap("green", 4, 6, 0x40A040).ref())});
    host.addSprite(replaced, {10, 110, 210, 140});

    auto& square = host.newMember("glidebar", "square");
    square.setProp("Value", Value(0.3));
    host.addSprite(square, {10, 150, 70, 210});

    host.stage().render();
    pressed.mouseDown(10, 5); // the up arrow, pressed: one step up
    host.stage().render();
    EXPECT_EQ(compareWithGolden(host.stage(), "slider_sliders"), "");
}
