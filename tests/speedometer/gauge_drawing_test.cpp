// The gauge's drawing through the host: the frame, the speed bar, the two tick sets and the
// labels, pixel by pixel and as golden images.
#include "gauge_fixture.h"
#include "golden_image.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGrey = 0xC0C0C0;
constexpr uint32_t kBlue = 0xFF0000;

// The gauge 200 x 30 at (10, 10): small ticks end at y = 20, big ticks at y = 30, labels
// stand on the bottom edge (y = 40) from about y = 26.
constexpr zxhost::Rect kSprite{10, 10, 210, 40};
constexpr int kSmallTickRow = 15;
constexpr int kBigTickRow = 22;

// Columns inside the frame whose pixel in `row` has the colour.
std::vector<int> columnsOf(const zxhost::Stage& stage, int row, uint32_t colour) {
    std::vector<int> xs;
    for (int x = kSprite.left + 1; x < kSprite.right - 1; ++x) {
        if (stage.pixel(x, row) == colour) {
            xs.push_back(x);
        }
    }
    return xs;
}

// Whether anything but the background and the bar shows in the label rows.
bool hasLabels(const zxhost::Stage& stage) {
    for (int y = 31; y < kSprite.bottom - 1; ++y) {
        for (int x = kSprite.left + 1; x < kSprite.right - 1; ++x) {
            const uint32_t p = stage.pixel(x, y);
            if (p != kGrey && p != kBlue) {
                return true;
            }
        }
    }
    return false;
}

class GaugeDrawing : public GaugeThroughHost {
protected:
    GaugeDrawing() {
        host.stage().setSize(220, 50);
        host.stage().setColor(0xFFFFFF);
        host.addSprite(*gauge, kSprite);
    }
};

} // namespace

TEST_F(GaugeDrawing, DefaultsDrawNineSmallTicksFourBigTicksAndAThirtyPercentBar) {
    host.stage().render();
    const zxhost::Stage& stage = host.stage();
    EXPECT_EQ(columnsOf(stage, kSmallTickRow, kBlack),
              (std::vector<int>{30, 50, 70, 90, 110, 130, 150, 170, 190}));
    EXPECT_EQ(columnsOf(stage, kBigTickRow, kBlack), (std::vector<int>{50, 90, 130, 170}));
    // The bar covers 60 of the 200 columns from left + 1, up to the right pen's rules.
    EXPECT_EQ(stage.pixel(11, 11), kBlue);
    EXPECT_EQ(stage.pixel(69, 38), kBlue);
    EXPECT_EQ(stage.pixel(71, 25), kGrey);
    // The black frame around the whole rectangle.
    EXPECT_EQ(stage.pixel(10, 25), kBlack);
    EXPECT_EQ(stage.pixel(209, 25), kBlack);
    EXPECT_EQ(stage.pixel(100, 39), kBlack);
    EXPECT_EQ(stage.pixel(210, 25), 0xFFFFFFu);
    EXPECT_TRUE(hasLabels(stage));
}

TEST_F(GaugeDrawing, SpeedAtXMinDrawsNoBar) {
    gauge->setProp("YSpeed", Value(0.0));
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(11, 11), kGrey);
}

TEST_F(GaugeDrawing, SpeedBeyondTheScaleFillsToTheRightEdgeOnly) {
    gauge->setProp("YSpeed", Value(1e9));
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(207, 12), kBlue);
    EXPECT_EQ(host.stage().pixel(209, 12), kBlack);
}

TEST_F(GaugeDrawing, EmptyScaleDrawsOnlyTheBackground) {
    gauge->setProp("XMax", Value(0));
    EXPECT_EQ(host.sprites()[0]->draw(), zx::kOk);
    const zxhost::Stage& stage = host.stage();
    EXPECT_TRUE(columnsOf(stage, kSmallTickRow, kBlack).empty());
    EXPECT_TRUE(columnsOf(stage, kBigTickRow, kBlack).empty());
    EXPECT_EQ(stage.pixel(11, 11), kGrey);
    EXPECT_FALSE(hasLabels(stage));
}

TEST_F(GaugeDrawing, SpacingOfZeroOrLessSkipsThatTickSet) {
    gauge->setProp("SmallTickSpace", Value(0));
    host.stage().render();
    EXPECT_EQ(columnsOf(host.stage(), kSmallTickRow, kBlack), (std::vector<int>{50, 90, 130, 170}));
    gauge->setProp("SmallTickSpace", Value(10));
    gauge->setProp("BigTickSpace", Value(-20));
    host.stage().render();
    EXPECT_EQ(columnsOf(host.stage(), kSmallTickRow, kBlack).size(), 9u);
    EXPECT_TRUE(columnsOf(host.stage(), kBigTickRow, kBlack).empty());
    EXPECT_FALSE(hasLabels(host.stage()));
}

TEST_F(GaugeDrawing, TicksCloserThanAPixelStillDrawOneMarkPerColumn) {
    gauge->setProp("XMin", Value(INT32_MIN));
    gauge->setProp("XMax", Value(INT32_MAX));
    gauge->setProp("SmallTickSpace", Value(1));
    gauge->setProp("BigTickSpace", Value(1 << 30)); // (2^32 - 1) / 2^30: k = 1, 2
    host.stage().render();
    EXPECT_EQ(columnsOf(host.stage(), kSmallTickRow, kBlack).size(), 198u);
    EXPECT_EQ(columnsOf(host.stage(), kBigTickRow, kBlack), (std::vector<int>{60, 110}));
}

TEST_F(GaugeThroughHost, GoldenGauges) {
    host.stage().setSize(260, 170);
    host.stage().setColor(0xFFFFFF);
    host.addSprite(*gauge, {10, 10, 210, 40});

    auto& negative = host.newMember("dialgauge", "negative");
    negative.setProp("XMin", Value(-50));
    negative.setProp("XMax", Value(50));
    negative.setProp("SmallTickSpace", Value(5));
    negative.setProp("BigTickSpace", Value(25));
    negative.setProp("YSpeed", Value(12.5));
    negative.setProp("SpeedColor", Value(0x00A000));
    negative.setProp("BackColor", Value(0x202020));
    negative.setProp("TickColor", Value(0xFFFFFF));
    negative.setProp("TextColor", Value(0x00FFFF));
    host.addSprite(negative, {10, 50, 250, 90});

    auto& dense = host.newMember("dialgauge", "dense");
    dense.setProp("XMax", Value(1000));
    dense.setProp("SmallTickSpace", Value(7));
    dense.setProp("BigTickSpace", Value(250));
    dense.setProp("XSpeed", Value(900));
    dense.setProp("SpeedColor", Value(0x0000FF));
    host.addSprite(dense, {10, 100, 170, 125});

    auto& empty = host.newMember("dialgauge", "empty");
    empty.setProp("XMax", Value(0));
    empty.setProp("BackColor", Value(0xFFE0C0));
    host.addSprite(empty, {180, 100, 250, 125});

    auto& tall = host.newMember("dialgauge", "tall");
    tall.setProp("YSpeed", Value(66.6));
    tall.setProp("SpeedColor", Value(0x40C0FF));
    host.addSprite(tall, {10, 130, 250, 165});

    host.stage().render();
    EXPECT_EQ(compareWithGolden(host.stage(), "speedometer_gauges"), "");
}
