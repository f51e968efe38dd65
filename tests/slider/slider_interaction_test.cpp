// Pressing, holding, paging and dragging a slider through the host: a press names the part,
// each redraw while it is active applies one step, a release ends it.
#include <cmath>

#include "slider_host_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

namespace {

// A horizontal slider at (10, 10), 200 x 20. Positions of events are relative to it: the
// left arrow covers x 0-15, the right arrow x 184-199, the parts y 2-17; the bar starts at
// x 16, so a thumb for the value v stands at x = 16 + trunc(v * 157).
class HorizontalSlider : public SliderThroughHost {
protected:
    HorizontalSlider() : sprite(host.addSprite(*slider, {10, 10, 210, 30})) {}

    // The mouse pressed (or still pressed) at a place, and the redraw that follows.
    void press(int x, int y = 10) {
        sprite.mouseDown(x, y);
        sprite.draw();
    }
    void repeat(int x, int y = 10) {
        sprite.mouseDrag(x, y);
        sprite.draw();
    }
    void release(int x = 0, int y = 10) {
        sprite.mouseUp(x, y);
        sprite.draw();
    }

    zxhost::Sprite& sprite;
};

constexpr double kPixel = 1.0 / 157.0;

} // namespace

TEST_F(HorizontalSlider, ArrowStepsOncePerRedrawUntilReleased) {
    sprite.mouseDown(190, 10);
    EXPECT_EQ(active(), 0); // before the first draw there are no parts to hit
    sprite.draw();
    sprite.mouseDown(190, 10);
    EXPECT_EQ(active(), 3);
    EXPECT_EQ(sprite.idle(), 1);
    sprite.draw();
    EXPECT_DOUBLE_EQ(value(), 0.5 + kPixel);
    EXPECT_EQ(sprite.idle(), 0); // the draw that stepped cleared the flag
    repeat(190);
    EXPECT_DOUBLE_EQ(value(), 0.5 + 2 * kPixel);
    release(190);
    EXPECT_EQ(active(), 0);
    EXPECT_DOUBLE_EQ(value(), 0.5 + 2 * kPixel);
    slider->setProp("SmallStep", Value(0.0)); // zero: one pixel's worth, as -1
    press(5);
    EXPECT_EQ(active(), 2);
    EXPECT_DOUBLE_EQ(value(), 0.5 + kPixel);
    sprite.event(zxhost::event::kCancel, 5, 10);
    EXPECT_EQ(active(), 0);
    press(100, 0); // above the bar, which is only 16 high
    EXPECT_EQ(active(), 0);
}

TEST_F(HorizontalSlider, ReversedRangeRightArrowMovesTowardsXMaximumAndTheThumbRight) {
    slider->setProp("XMinimum", Value(10.0));
    slider->setProp("XMaximum", Value(0.0));
    slider->setProp("Value", Value(5.0));
    auto& red = solidBitmap("red", 11, 16, 0x0000FF);
    slider->call("ReplaceMedia", {Value("ThumbUp"), Value(red.ref())});
    host.stage().render();
    const int before = span(20, 0x0000FF).first;
    press(190);
    release(190);
    EXPECT_DOUBLE_EQ(value(), 5.0 - 10.0 * kPixel);
    host.stage().render();
    EXPECT_EQ(span(20, 0x0000FF).first, before + 1);
}

TEST_F(HorizontalSlider, BarPagesBySixteenthsUntilTheThumbReachesTheCursor) {
    slider->setProp("Value", Value(0.0));
    sprite.draw();
    press(150); // beyond the thumb on the maximum side
    EXPECT_EQ(active(), 5);
    EXPECT_DOUBLE_EQ(value(), 0.0625);
    for (int i = 0; i < 20; ++i) {
        repeat(150);
    }
    // After 13 pages the thumb (x 143-153 of the sprite) holds the cursor: paging stops.
    EXPECT_DOUBLE_EQ(value(), 13 * 0.0625);
    release(150);
}

TEST_F(HorizontalSlider, DragKeepsTheGrabbedPointUnderTheCursor) {
    sprite.draw(); // the thumb at x 94-104 of the sprite
    press(97);     // grabbed 3 pixels into it
    EXPECT_EQ(active(), 1);
    EXPECT_EQ(value(), 0.5);
    // Past the thumb as last drawn, onto the bar: still a drag, not paging.
    repeat(117);
    EXPECT_EQ(active(), 1);
    EXPECT_DOUBLE_EQ(value(), 0.5 + 20 * kPixel);
    repeat(110);
    EXPECT_DOUBLE_EQ(value(), 0.5 + 13 * kPixel);
    // Beyond the ends the value stops at the range.
    repeat(400);
    EXPECT_EQ(value(), 1.0);
    repeat(-300);
    EXPECT_EQ(value(), 0.0);
    release(-300);
    EXPECT_EQ(active(), 0);
    // A new press on the bar pages again.
    press(150);
    EXPECT_EQ(active(), 5);
}

TEST_F(SliderThroughHost, VerticalSliderCountsUpFromTheBottom) {
    auto& sprite = host.addSprite(*slider, {10, 10, 30, 210});
    sprite.draw();           // the thumb at y 95-105 of the sprite
    sprite.mouseDown(10, 5); // the up arrow at the top
    EXPECT_EQ(active(), 3);
    sprite.draw();
    EXPECT_DOUBLE_EQ(value(), 0.5 + 1.0 / kTrack);
    sprite.mouseDown(10, 195); // the down arrow at the bottom
    EXPECT_EQ(active(), 2);
    sprite.mouseDown(10, 150); // the bar below the thumb
    EXPECT_EQ(active(), 4);
    sprite.mouseDown(10, 98); // the thumb (y 94-104 of the sprite), 4 pixels below its top
    ASSERT_EQ(active(), 1);
    sprite.mouseDrag(10, 88);
    sprite.draw();
    EXPECT_DOUBLE_EQ(value(), 0.5 + 11.0 / kTrack);
}

TEST_F(SliderThroughHost, SquareSpriteIsHorizontal) {
    auto& sprite = host.addSprite(*slider, {10, 10, 110, 110});
    sprite.draw();
    sprite.mouseDown(3, 50);
    EXPECT_EQ(active(), 2);
}

TEST_F(SliderThroughHost, SpriteTooSmallForItsPartsSkipsDragsAndPixelSteps) {
    auto& sprite = host.addSprite(*slider, {10, 10, 40, 30}); // 30 wide, 32 of arrows
    sprite.draw();
    sprite.mouseDown(2, 10);
    EXPECT_EQ(active(), 2);
    sprite.draw();
    EXPECT_EQ(value(), 0.5);
    slider->setProp("ActiveComponent", Value(1)); // a drag without a track
    sprite.draw();
    EXPECT_EQ(value(), 0.5);
    slider->setProp("SmallStep", Value(0.125)); // a step of its own needs no track
    slider->setProp("ActiveComponent", Value(2));
    sprite.draw();
    EXPECT_EQ(value(), 0.375);
}

TEST_F(HorizontalSlider, NaNAndOnePointRangesAreNeverSteppedAway) {
    slider->setProp("Value", Value(std::nan("")));
    sprite.draw();
    press(190);
    EXPECT_TRUE(std::isnan(value()));
    slider->setProp("Value", Value(0.5));
    slider->setProp("XMaximum", Value(std::nan("")));
    press(190);
    EXPECT_EQ(value(), 0.5);
    slider->setProp("XMinimum", Value(3.0));
    slider->setProp("XMaximum", Value(3.0));
    press(150); // the bar: a sixteenth of nothing
    EXPECT_EQ(value(), 3.0);
}
