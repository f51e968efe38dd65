#include <limits>
#include <vector>

#include "counter_fixture.h"
#include "golden_image.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

namespace {

void setCounter(zxhost::Member& m, double value, int32_t left, int32_t right) {
    m.setProp("Value", Value(value));
    m.setProp("DigitsLeft", Value(left));
    m.setProp("DigitsRight", Value(right));
}

} // namespace

TEST_F(CounterThroughHost, GoldenRowOfCounters) {
    host.stage().setSize(200, 100);
    host.stage().setColor(0x808080);
    setCounter(*counter, 12.345, 2, 1);
    host.addSprite(*counter, {10, 10, 40, 26});

    auto& rolling = host.newMember("tallydisc", "rolling");
    setCounter(rolling, 19.96, 2, 1);
    host.addSprite(rolling, {60, 10, 90, 26});

    auto& wide = host.newMember("tallydisc", "wide");
    setCounter(wide, 1234567.875, 7, 3);
    wide.setProp("BackColorLeft", Value(0xE0FFFF));
    wide.setProp("ForeColorRight", Value(0x00FFFF));
    wide.setProp("BackColorRight", Value(0x800000));
    host.addSprite(wide, {10, 40, 110, 56});

    auto& negative = host.newMember("tallydisc", "negative");
    setCounter(negative, -7.5, 3, 0);
    host.addSprite(negative, {130, 40, 160, 56});

    auto& fraction = host.newMember("tallydisc", "fraction");
    setCounter(fraction, 0.25, 0, 2);
    host.addSprite(fraction, {130, 70, 150, 86});

    auto& big = host.newMember("tallydisc", "big");
    setCounter(big, 987.5, 3, 1);
    host.addSprite(big, {10, 66, 90, 94});

    host.stage().render();
    EXPECT_EQ(compareWithGolden(host.stage(), "counter_row"), "");
}

TEST_F(CounterThroughHost, NoDigitsDrawOnlyTheBackground) {
    host.stage().setSize(40, 20);
    host.stage().setColor(0x808080);
    setCounter(*counter, 5.0, 0, 0);
    host.addSprite(*counter, {0, 0, 30, 16});
    host.stage().render();
    for (int x = 0; x < 29; ++x) {
        EXPECT_EQ(host.stage().pixel(x, 8), 0xFFFFFFu) << x;
    }
}

TEST_F(CounterThroughHost, NegativeDigitCountsDrawAsZero) {
    host.stage().setSize(40, 20);
    setCounter(*counter, 5.0, -3, 1);
    host.addSprite(*counter, {0, 0, 30, 16});
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(1, 1), 0u); // the fraction block's black fills it all
}

TEST_F(CounterThroughHost, MoreDigitsThanPixelsDrawOnlyTheBlocks) {
    host.stage().setSize(40, 20);
    setCounter(*counter, 5.0, 1 << 30, 1 << 29);
    auto& sprite = host.addSprite(*counter, {0, 0, 30, 16});
    EXPECT_EQ(sprite.draw(), zx::kOk);
    // Zero-width cells: the fraction block starts at the left edge and covers the sprite.
    EXPECT_EQ(host.stage().pixel(1, 1), 0u);
}

TEST_F(CounterThroughHost, DrawingCostFollowsTheVisibleWidthNotTheDigitCount) {
    // 100 million wheels of 10 pixels on a sprite reaching far beyond the 200-pixel stage:
    // only the wheels the stage shows are computed and drawn (the rest would take seconds
    // and gigabytes).
    host.stage().setSize(200, 20);
    setCounter(*counter, 7.0, 100000000, 0);
    auto& sprite = host.addSprite(*counter, {0, 0, 1000000000, 16});
    EXPECT_EQ(sprite.draw(), zx::kOk);
    EXPECT_EQ(host.stage().pixel(10, 8), 0xAAAAAAu); // the first divider
    EXPECT_EQ(host.stage().pixel(190, 8), 0xAAAAAAu);
    EXPECT_EQ(host.stage().pixel(195, 1), 0xFFFFFFu); // background between the wheels' glyphs
}

TEST_F(CounterThroughHost, WheelsLeftOfTheStageStillShowTheValueAtItsEnd) {
    // A billion-pixel counter whose last two wheels are on the stage looks like a two-wheel
    // counter there.
    host.stage().setSize(40, 20);
    setCounter(*counter, 47.0, 100000000, 0);
    host.addSprite(*counter, {-999999980, 0, 20, 16});
    host.stage().render();
    // Columns 1 to 19 of the sprite's rows: the long counter has one more divider, at x = 0.
    const auto shown = [this] {
        std::vector<uint32_t> out;
        for (int y = 0; y < 15; ++y) {
            for (int x = 1; x < 19; ++x) {
                out.push_back(host.stage().pixel(x, y));
            }
        }
        return out;
    };
    const std::vector<uint32_t> many = shown();
    host.clearMovie();
    auto& two = host.newMember("tallydisc", "two");
    setCounter(two, 47.0, 2, 0);
    host.addSprite(two, {0, 0, 20, 16});
    host.stage().render();
    EXPECT_EQ(shown(), many);
}

TEST_F(CounterThroughHost, HugeAndNonFiniteValuesDraw) {
    host.stage().setSize(40, 20);
    auto& sprite = host.addSprite(*counter, {0, 0, 30, 16});
    for (double v : {1e19, 1e30, 3.5e38, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN(), -1e300}) {
        counter->setProp("Value", Value(v));
        EXPECT_EQ(sprite.draw(), zx::kOk);
    }
}

TEST_F(CounterThroughHost, DrawClearsTheChangeSoIdleAsksForNothing) {
    auto& sprite = host.addSprite(*counter, {0, 0, 30, 16});
    counter->setProp("Value", Value(2.0));
    sprite.draw(nullptr, 0);
    EXPECT_EQ(sprite.idle(), 0);
}

TEST_F(CounterThroughHost, ThumbnailIsStretchedOverTheRectangle) {
    host.stage().setSize(96, 64);
    host.stage().setColor(0x0000FF);
    host.stage().render();
    EXPECT_EQ(counter->drawThumbnail(host.stage().dc(), {0, 0, 96, 64}, 0), zx::kOk);
    EXPECT_EQ(host.stage().pixel(0, 0), 0x0000FFu); // kind 0: nothing drawn
    EXPECT_EQ(counter->drawThumbnail(host.stage().dc(), {0, 0, 96, 64}), zx::kOk);
    EXPECT_EQ(host.stage().pixel(0, 0), 0xC0C0C0u);   // the thumbnail's backdrop, doubled
    EXPECT_EQ(host.stage().pixel(70, 15), 0x000000u); // inside the black fraction wheel
    EXPECT_EQ(host.hooks().records.beginResources, host.hooks().records.endResources);
}
