#include <chrono>

#include "calculator_fixture.h"
#include "engine/key_codes.h"
#include "golden_image.h"

using zxhost::List;
using zxhost::Rect;
using zxhost::Value;
using namespace zx::calculator;

namespace {

bool inside(const KeyArea& a, int32_t x, int32_t y) {
    return a.contains(x, y);
}

} // namespace

TEST_F(CalculatorThroughHost, KeypadIsTheUpPictureWithThePressedKeyFromTheDownPicture) {
    calculator->setProp("ActiveComponent", Value(kKeyMultiply));
    host.stage().render();
    const BitmapFile up(keypadBitmap("keypad_up.bmp"));
    const BitmapFile down(keypadBitmap("keypad_down.bmp"));
    const KeyArea& pressed = defaultKeyAreas()[kKeyMultiply];
    const KeyArea& display = defaultKeyAreas()[kKeyDisplay];
    int differing = 0;
    // The sprite leaves its last column and row to the stage.
    for (int32_t y = 0; y < up.height - 1; ++y) {
        for (int32_t x = 0; x < up.width - 1; ++x) {
            if (inside(display, x, y)) {
                continue;
            }
            const uint32_t expected = inside(pressed, x, y) ? down.pixel(x, y) : up.pixel(x, y);
            differing += host.stage().pixel(kSpriteRect.left + x, kSpriteRect.top + y) != expected;
        }
        EXPECT_EQ(host.stage().pixel(kSpriteRect.left + up.width - 1, kSpriteRect.top + y),
                  kStageColor);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_NE(up.pixel(68, 78), down.pixel(68, 78)); // the pressed key does look different
}

TEST_F(CalculatorThroughHost, DisplayIsLightGreyWithTheNumberAtItsRightEdge) {
    sprite->typeText("7");
    host.stage().render();
    const KeyArea& d = defaultKeyAreas()[kKeyDisplay];
    int black = 0;
    int blackLeftHalf = 0;
    for (int32_t y = d.top; y < d.bottom - 1; ++y) {
        for (int32_t x = d.left; x < d.right - 1; ++x) {
            const uint32_t p = host.stage().pixel(kSpriteRect.left + x, kSpriteRect.top + y);
            EXPECT_TRUE(p == 0xC0C0C0u || p == 0u) << x << ", " << y;
            black += p == 0u;
            blackLeftHalf += p == 0u && x < (d.left + d.right) / 2;
        }
    }
    EXPECT_GT(black, 5);
    EXPECT_EQ(blackLeftHalf, 0);
}

TEST_F(CalculatorThroughHost, BackgroundTransparentInkAsksThePaletteForGreyAndTheColour) {
    auto& inked = host.addSprite(*calculator, {110, 10, 194, 164}, 36, {3, 4, 5, 6});
    calculator->setProp("ActiveComponent", Value(kKeyAdd));
    host.hooks().clearRecords();
    inked.draw();
    ASSERT_EQ(host.hooks().records.paletteCalls.size(), 1u); // no transparent colour yet
    const auto grey = host.hooks().records.paletteCalls[0];
    EXPECT_EQ((std::array<int, 3>{grey.red, grey.green, grey.blue}),
              (std::array<int, 3>{192, 192, 192}));

    calculator->setProp("TransparentColor", Value(0xFFFFFF));
    host.hooks().clearRecords();
    inked.draw();
    const auto& records = host.hooks().records;
    ASSERT_EQ(records.paletteCalls.size(), 2u);
    EXPECT_EQ(records.paletteCalls[1].red, 255);
    ASSERT_EQ(records.drawPictures.size(), 2u);
    EXPECT_EQ(records.drawPictures[0].ink, 36);
    EXPECT_EQ(records.drawPictures[0].params,
              (std::array<int32_t, 4>{grey.index, records.paletteCalls[1].index, 5, 6}));
    // The pressed key is drawn with the parameters as the sprite has them.
    EXPECT_EQ(records.drawPictures[1].params, (std::array<int32_t, 4>{3, 4, 5, 6}));
    host.hooks().clearRecords();
    sprite->draw();
    EXPECT_TRUE(host.hooks().records.paletteCalls.empty()); // the copy ink asks for nothing
}

TEST_F(CalculatorThroughHost, BackgroundTransparentInkKeepsTheWholeBuiltInKeypad) {
    // The built-in pictures hold no light grey, so the ink drops nothing of them.
    sprite->setRect({10, 10, 94, 164});
    host.addSprite(*calculator, {100, 10, 184, 164}, 36);
    calculator->setProp("ActiveComponent", Value(kKeyDivide));
    host.stage().render();
    int differing = 0;
    for (int32_t y = 10; y < 164; ++y) {
        for (int32_t x = 10; x < 94; ++x) {
            differing += host.stage().pixel(x, y) != host.stage().pixel(x + 90, y);
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(CalculatorThroughHost, HugePressedAreaIsDrawnOnlyInsideTheSprite) {
    const int32_t big = 1 << 30;
    calculator->setProp("KeyRectList", Value(List{Value(Rect{-big, -big, big, big})}));
    host.stage().render();
    sprite->mouseDown(2, 2); // only key 0's huge area lies there
    ASSERT_EQ(integer("ActiveComponent"), 0);
    host.hooks().clearRecords();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(sprite->draw(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    const auto& pressed = host.hooks().records.drawPictures.at(1);
    EXPECT_EQ(pressed.destination.left, kSpriteRect.left);
    EXPECT_EQ(pressed.destination.bottom, kSpriteRect.bottom);
    EXPECT_EQ(pressed.source.top, 0);
    EXPECT_EQ(pressed.source.right, kSpriteRect.width());
}

TEST_F(CalculatorThroughHost, GoldenDisplays) {
    host.stage().setSize(380, 174);
    sprite->setRect({10, 10, 94, 164});
    auto& second = host.addSprite(host.newMember("keypadix", "product"), {100, 10, 184, 164});
    auto& third = host.addSprite(host.newMember("keypadix", "negative"), {190, 10, 274, 164});
    auto& fourth = host.addSprite(host.newMember("keypadix", "failing"), {280, 10, 364, 164});
    host.stage().render();
    sprite->typeText("2+3*4");
    const auto& equals = defaultKeyAreas()[kKeyEquals];
    sprite->mouseDown(equals.left + 8, equals.top + 8); // held: the key shows pressed
    second.typeText("1234567x1000=");
    second.mouseUp(0, 0);
    third.typeText("5.5%x"); // a typed key shows pressed until the next release
    fourth.typeText("1/0=");
    fourth.mouseUp(0, 0);
    host.stage().render();
    EXPECT_EQ(compareWithGolden(host.stage(), "calculator_displays"), "");
    fourth.key(127); // the error flag is the module's: leave it cleared
}
