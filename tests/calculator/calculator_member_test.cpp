#include "calculator_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::List;
using zxhost::Rect;
using zxhost::Value;

namespace {

constexpr int32_t kUnknownProperty = static_cast<int32_t>(0x800407D5u);
constexpr int32_t kTooFewArguments2 = static_cast<int32_t>(0x800407E2u);
constexpr int32_t kUnknownCommand = static_cast<int32_t>(0x800407DFu);

// A KeyRectList item: a key area relative to the sprite, as a script writes it.
Value area(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Value(Rect{left, top, right, bottom});
}

} // namespace

TEST_F(CalculatorThroughHost, DefaultsAndNothingSaved) {
    EXPECT_EQ(integer("ActiveComponent"), -1);
    EXPECT_EQ(number("Value"), 0.0);
    EXPECT_EQ(integer("IsFinished"), 0);
    EXPECT_EQ(integer("TransparentColor"), -1);
    EXPECT_EQ(calculator->getProp("KeyRectList").code, kUnknownProperty);
    EXPECT_EQ(calculator->defaultRect(), (Rect{-42, -77, 42, 77}));
    EXPECT_EQ(sprite->caps(), (std::array<int32_t, 4>{6, 0, 0, 1}));

    int32_t code = -1;
    EXPECT_TRUE(calculator->save(&code).empty());
    EXPECT_EQ(code, 0);
    EXPECT_EQ(calculator->savedSize(), 0);
    EXPECT_EQ(calculator->load({1, 2, 3, 4}), 0);
    const auto dialog = calculator->dialog({}, true);
    EXPECT_EQ(dialog.code, 0);
    EXPECT_FALSE(dialog.opened);
    EXPECT_EQ(calculator->call("Calculate").code, kUnknownCommand);
}

TEST_F(CalculatorThroughHost, WrittenValueIsReadBackButTheKeypadGoesOn) {
    EXPECT_EQ(calculator->setProp("Value", Value(5.0)), 0);
    EXPECT_EQ(number("Value"), 5.0);
    sprite->typeText("+1=");
    EXPECT_EQ(number("Value"), 1.0); // the keypad's entry was still 0
    EXPECT_EQ(calculator->setProp("ActiveComponent", Value(7)), 0);
    EXPECT_EQ(calculator->setProp("IsFinished", Value(1)), 0);
    EXPECT_EQ(calculator->setProp("TransparentColor", Value(0x00FF00)), 0);
    EXPECT_EQ(integer("ActiveComponent"), 7);
    EXPECT_EQ(integer("IsFinished"), 1);
    EXPECT_EQ(integer("TransparentColor"), 0x00FF00);
}

TEST_F(CalculatorThroughHost, ShortKeyRectListMovesOnlyTheFirstKeys) {
    // Digit 0 over the finish key's place, digit 1 at the top right; digit 2 keeps its area.
    EXPECT_EQ(
        calculator->setProp("KeyRectList", Value(List{area(4, 15, 20, 31), area(60, 0, 84, 10)})),
        0);
    host.stage().render();
    sprite->mouseDown(10, 20);
    EXPECT_EQ(integer("ActiveComponent"), 18); // finish comes later in the list and wins
    sprite->mouseDown(70, 5);
    EXPECT_EQ(integer("ActiveComponent"), 1);
    sprite->mouseDown(30, 120);
    EXPECT_EQ(integer("ActiveComponent"), 2);
    for (int32_t y : {120, 140}) { // where digits 1 and 0 used to be
        sprite->mouseDown(10, y);
        EXPECT_EQ(integer("ActiveComponent"), -1) << y;
    }
    EXPECT_EQ(host.hooks().liveReferences[zxhost::object::kListServices], 0);
}

TEST_F(CalculatorThroughHost, LongKeyRectListUsesTwentyItemsAndSkipsNonRectangles) {
    const int32_t values = host.liveValues(); // the keypad pictures
    List list;
    for (int32_t i = 0; i < 25; ++i) {
        // Keys 0-19 in a row of 4-pixel columns; items 20-24 would cover everything.
        list.push_back(i < 20 ? area(4 * i, 0, 4 * i + 4, 10) : area(0, 0, 84, 154));
    }
    list[3] = Value("not a rectangle");
    list[4] = Value(List{area(0, 0, 1, 1)});
    EXPECT_EQ(calculator->setProp("KeyRectList", Value(list)), 0);
    host.stage().render();
    sprite->mouseDown(4 * 7 + 1, 5);
    EXPECT_EQ(integer("ActiveComponent"), 7);
    sprite->mouseDown(4 * 19 + 1, 5);
    EXPECT_EQ(integer("ActiveComponent"), 19);
    sprite->mouseDown(4 * 3 + 1, 5); // key 3 kept its default area
    EXPECT_EQ(integer("ActiveComponent"), -1);
    sprite->mouseDown(52, 120);
    EXPECT_EQ(integer("ActiveComponent"), 3);
    sprite->mouseDown(30, 100); // items beyond twenty did not cover the keypad
    EXPECT_EQ(integer("ActiveComponent"), -1);
    EXPECT_EQ(host.liveValues(), values);
}

TEST_F(CalculatorThroughHost, KeyRectListThatIsNoListOrFailsChangesNothing) {
    const int32_t values = host.liveValues();
    const Value everywhere = area(0, 0, 84, 154);
    EXPECT_EQ(calculator->setProp("KeyRectList", Value(5)), 0);
    EXPECT_EQ(calculator->setProp("KeyRectList", everywhere), 0);
    host.hooks().failAt(zxhost::fault::kListItem);
    EXPECT_EQ(calculator->setProp("KeyRectList", Value(List{everywhere})), 0);
    host.hooks().clearFaults();
    host.stage().render();
    sprite->mouseDown(2, 2); // beside every default key
    EXPECT_EQ(integer("ActiveComponent"), -1);

    // Inverted areas are kept as given and never hit.
    EXPECT_EQ(calculator->setProp("KeyRectList", Value(List{area(20, 149, 4, 133)})), 0);
    host.stage().render();
    sprite->mouseDown(10, 140);
    EXPECT_EQ(integer("ActiveComponent"), -1);
    sprite->mouseDown(30, 120);
    EXPECT_EQ(integer("ActiveComponent"), 2);
    EXPECT_EQ(host.liveValues(), values);
}

TEST_F(CalculatorThroughHost, ReplaceMediaNeedsTwoArgumentsAndAKnownPart) {
    auto& red = host.newBitmapMemberFromBytes("red", solidBitmap(84, 154, 0x0000FF));
    EXPECT_EQ(calculator->call("ReplaceMedia", {Value("AllKeysUp")}).code, kTooFewArguments2);
    EXPECT_EQ(calculator->call("ReplaceMedia", {Value("allkeysup"), Value(red.ref())}).code, 0);
    EXPECT_EQ(calculator->call("ReplaceMedia", {Value("Keys"), Value(red.ref())}).code, 0);
    EXPECT_EQ(sprite->idle(), 0); // nothing changed, so nothing is redrawn
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(kSpriteRect.left + 40, kSpriteRect.top + 3),
              BitmapFile(keypadBitmap("keypad_up.bmp")).pixel(40, 3));

    EXPECT_EQ(calculator->call("ReplaceMedia", {Value("AllKeysUp"), Value(red.ref())}).code, 0);
    EXPECT_EQ(sprite->idle(), 1);
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(kSpriteRect.left + 40, kSpriteRect.top + 3), 0x0000FFu);
}

TEST_F(CalculatorThroughHost, ReplacedDownPictureShowsInThePressedKey) {
    auto& blue = host.newBitmapMemberFromBytes("blue", solidBitmap(84, 154, 0xFF0000));
    ASSERT_EQ(calculator->call("ReplaceMedia", {Value("AllKeysDown"), Value(blue.ref())}).code, 0);
    click(*sprite, 5);
    sprite->mouseDown(30, 100);
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(kSpriteRect.left + 25, kSpriteRect.top + 94), 0xFF0000u);
    EXPECT_NE(host.stage().pixel(kSpriteRect.left + 45, kSpriteRect.top + 94), 0xFF0000u);
}

TEST_F(CalculatorThroughHost, ReplaceMediaWithoutAPictureKeepsTheOldOne) {
    auto& other = host.newMember("keypadix", "other");
    auto& broken = host.newBitmapMemberFromBytes("broken", solidBitmap(84, 154, 0x00FF00));
    EXPECT_NE(calculator->call("ReplaceMedia", {Value("AllKeysUp"), Value(other.ref())}).code, 0);
    host.hooks().failAt(zxhost::fault::kMemberFill);
    EXPECT_NE(calculator->call("ReplaceMedia", {Value("AllKeysUp"), Value(broken.ref())}).code, 0);
    host.hooks().clearFaults();
    EXPECT_NE(calculator->call("ReplaceMedia", {Value("AllKeysUp"), Value(12)}).code, 0);
    host.stage().render();
    const BitmapFile up(keypadBitmap("keypad_up.bmp"));
    for (int32_t y = 0; y < 150; y += 7) {
        if (y >= 36 && y < 47) {
            continue; // the display, which the sprite paints itself
        }
        EXPECT_EQ(host.stage().pixel(kSpriteRect.left + 30, kSpriteRect.top + y), up.pixel(30, y))
            << y;
    }
    host.clearMovie();
    EXPECT_EQ(host.liveHandles(), 0);
    EXPECT_EQ(host.hooks().liveReferenceTotal(), 0);
}
