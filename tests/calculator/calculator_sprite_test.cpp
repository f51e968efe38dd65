#include "calculator_fixture.h"
#include "engine/key_codes.h"

using zxhost::Value;
using namespace zx::calculator;

TEST_F(CalculatorThroughHost, ClicksWorkOutTwoLevels) {
    for (int32_t key :
         {int32_t{2}, int32_t{kKeyAdd}, int32_t{3}, int32_t{kKeyMultiply}, int32_t{4}}) {
        click(*sprite, key);
    }
    EXPECT_EQ(number("Value"), 4.0);
    const auto& equals = defaultKeyAreas()[kKeyEquals];
    sprite->mouseDown(equals.left + 3, equals.top + 3);
    EXPECT_EQ(integer("ActiveComponent"), kKeyEquals);
    EXPECT_EQ(number("Value"), 14.0);
    sprite->mouseUp(equals.left + 3, equals.top + 3);
    EXPECT_EQ(integer("ActiveComponent"), -1);
    EXPECT_EQ(number("Value"), 14.0);
}

TEST_F(CalculatorThroughHost, TypedKeysActLikeClicks) {
    sprite->typeText("1234567x1000=");
    EXPECT_EQ(number("Value"), 1234567000.0);
    EXPECT_EQ(integer("ActiveComponent"), kKeyEquals); // a typed key stays shown until a release
    sprite->typeText("%");
    EXPECT_EQ(number("Value"), -1234567000.0);
    sprite->typeText("\x7f"
                     "8/2/2=");
    EXPECT_EQ(number("Value"), 2.0);
    sprite->key('q'); // no key: nothing pressed, nothing changed
    EXPECT_EQ(integer("ActiveComponent"), -1);
    EXPECT_EQ(number("Value"), 2.0);
}

TEST_F(CalculatorThroughHost, FinishKeySetsIsFinishedUntilTheNextKey) {
    sprite->typeText("12+");
    click(*sprite, kKeyFinish);
    EXPECT_EQ(integer("IsFinished"), 1);
    EXPECT_EQ(number("Value"), 0.0);
    sprite->typeText("5=");
    EXPECT_EQ(integer("IsFinished"), 0);
    EXPECT_EQ(number("Value"), 5.0); // nothing of 12 + survived
}

TEST_F(CalculatorThroughHost, ErrorLocksEveryCalculatorUntilAnyClears) {
    auto& second = host.newMember("keypadix", "second");
    auto& other = host.addSprite(second, {110, 10, 194, 164});
    host.stage().render();
    sprite->typeText("1/0=");
    other.typeText("7");
    EXPECT_EQ(second.getProp("Value").value, Value(0.0)); // locked by the first one's error
    click(other, kKeyClear);
    other.typeText("7");
    EXPECT_EQ(second.getProp("Value").value, Value(7.0));
    sprite->typeText("2"); // the first is unlocked too, and starts afresh
    EXPECT_EQ(number("Value"), 2.0);
}

TEST_F(CalculatorThroughHost, NoKeyIsHitBeforeTheFirstDraw) {
    auto& fresh = host.newMember("keypadix", "fresh");
    auto& undrawn = host.addSprite(fresh, {110, 10, 194, 164});
    undrawn.mouseDown(30, 120);
    EXPECT_EQ(fresh.getProp("ActiveComponent").value, Value(-1));
    undrawn.typeText("9"); // typing needs no drawn areas
    EXPECT_EQ(fresh.getProp("Value").value, Value(9.0));
}

TEST_F(CalculatorThroughHost, HitTestUsesTheAreasWhereTheMemberWasDrawnLast) {
    // A second sprite of the same member, drawn after the first: its areas count.
    auto& moved = host.addSprite(*calculator, {110, 20, 194, 174});
    host.stage().render();
    sprite->mouseDown(30, 120); // key 2 of the first sprite's place: nothing there now
    EXPECT_EQ(integer("ActiveComponent"), -1);
    sprite->mouseDown(30 + 90, 120 + 10); // relative to the first, key 2 of the second
    EXPECT_EQ(integer("ActiveComponent"), 2);
    moved.mouseDown(30, 120);
    EXPECT_EQ(integer("ActiveComponent"), 2);
}

TEST_F(CalculatorThroughHost, DragPressesEveryKeyItCrosses) {
    sprite->mouseDown(30, 120);
    sprite->mouseDrag(50, 120);
    sprite->mouseDrag(52, 122);
    EXPECT_EQ(integer("ActiveComponent"), 3);
    EXPECT_EQ(number("Value"), 233.0);
    sprite->mouseDrag(2, 2);
    EXPECT_EQ(integer("ActiveComponent"), -1);
}

TEST_F(CalculatorThroughHost, EndingAndFocusEventsPressNothing) {
    sprite->typeText("4");
    for (int32_t kind : {zxhost::event::kMouseUp, zxhost::event::kCancel, zxhost::event::kEnd}) {
        calculator->setProp("ActiveComponent", Value(6));
        const auto outcome = sprite->event(kind, 50, 100);
        EXPECT_FALSE(outcome.handled);
        EXPECT_EQ(integer("ActiveComponent"), -1) << kind;
    }
    EXPECT_TRUE(sprite->focus());
    EXPECT_TRUE(sprite->blur());
    EXPECT_FALSE(sprite->event(7, 30, 120).handled);
    EXPECT_EQ(number("Value"), 4.0);
    EXPECT_EQ(sprite->idle(), 1); // every event marks the member changed
}
