#include <windows.h>

#include "sprite_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

TEST_F(EquationSpriteThroughHost, DisabledSpriteBeepsOnPressAndKeyAndLeavesEventsUnhandled) {
    member->setProp("Enabled", Value(0));
    beeps();
    EXPECT_FALSE(sprite->mouseDown(3, 3));
    EXPECT_EQ(beeps(), 1);
    EXPECT_FALSE(sprite->key('x'));
    EXPECT_EQ(beeps(), 1);
    EXPECT_FALSE(sprite->mouseUp(3, 3));
    EXPECT_FALSE(sprite->focus());
    EXPECT_FALSE(sprite->event(zxhost::event::kEnd, 3, 3).handled);
    EXPECT_EQ(beeps(), 0);
    EXPECT_EQ(storedText().find('x'), std::string::npos);
}

TEST_F(EquationSpriteThroughHost, RefusedCharactersBeepAndChangeNothing) {
    sprite->mouseDown(3, 3);
    sprite->typeText("y=");
    const std::string before = storedText();
    beeps();
    for (char c : {',', '?', '!', '|', '~', '\'', static_cast<char>(0xE9)}) {
        EXPECT_TRUE(sprite->key(c)) << c;
        EXPECT_EQ(beeps(), 1) << c;
    }
    EXPECT_EQ(storedText(), before);
}

TEST_F(EquationSpriteThroughHost, UnderscoreAndGraveAccentReachTheEditor) {
    sprite->mouseDown(3, 3);
    beeps();
    EXPECT_TRUE(sprite->typeText("y=b_c`d"));
    EXPECT_EQ(beeps(), 0);
    EXPECT_EQ(storedText().rfind("y=b_c`d", 0), 0u) << storedText();
}

TEST_F(EquationSpriteThroughHost, EditingKeysPassWithoutBeep) {
    sprite->mouseDown(3, 3);
    sprite->typeText("y=(2*x-1.5)/3+$&<>");
    beeps();
    for (char c : {'\x1c', '\x1d', '\x1e', '\x1f', '\b', '\x7f', ' ', '\r'}) {
        EXPECT_TRUE(sprite->key(c)) << static_cast<int>(c);
    }
    EXPECT_EQ(beeps(), 0);
}

TEST_F(EquationSpriteThroughHost, RefreshFollowsPressReleaseEndAndFocusOnly) {
    int refreshes = 0;
    host.setHandler("Refresh", [&](zxhost::Sprite* from, const std::vector<Value>& args) {
        EXPECT_EQ(from, sprite);
        EXPECT_TRUE(args.empty());
        ++refreshes;
        return Value();
    });
    sprite->mouseDown(3, 3);
    EXPECT_EQ(refreshes, 1);
    sprite->mouseDrag(4, 3);
    EXPECT_EQ(refreshes, 1);
    sprite->mouseUp(4, 3);
    EXPECT_EQ(refreshes, 2);
    sprite->key('x');
    EXPECT_EQ(refreshes, 2);
    sprite->event(zxhost::event::kEnd, 4, 3);
    EXPECT_EQ(refreshes, 3);
    sprite->focus();
    EXPECT_EQ(refreshes, 4);
    sprite->blur();
    EXPECT_EQ(refreshes, 4);
    EXPECT_FALSE(sprite->event(zxhost::event::kCancel, 4, 3).handled);
    EXPECT_EQ(refreshes, 4);
}

TEST_F(EquationSpriteThroughHost, PressTakesKeyboardFocusUnlessShockwave) {
    member->setProp("Shockwave", Value(1));
    SetFocus(nullptr);
    EXPECT_TRUE(sprite->mouseDown(3, 3));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(sprite->focus());
    EXPECT_EQ(GetFocus(), nullptr);

    member->setProp("Shockwave", Value(0));
    EXPECT_TRUE(sprite->mouseDown(3, 3));
    EXPECT_EQ(GetFocus(), host.stage().window());
}

TEST_F(EquationSpriteThroughHost, BlurAsksTheSpriteHostForARedraw) {
    sprite->focus();
    host.hooks().clearRecords();
    EXPECT_TRUE(sprite->blur());
    ASSERT_EQ(host.hooks().records.spriteHostRedraws.size(), 1u);
    EXPECT_EQ(host.hooks().records.spriteHostRedraws[0], sprite->id());
}

TEST_F(EquationSpriteThroughHost, IdleSpritePropertyAsksForOneRedrawAndTwiceDrawsTheSame) {
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x");
    sprite->idle();
    host.stage().render();
    const uint32_t* bits = host.stage().bits();
    const std::vector<uint32_t> before(bits, bits + 200 * 80);

    EXPECT_EQ(setSpriteProp("Idle", 1), 0);
    EXPECT_EQ(sprite->idle(), 1);
    EXPECT_EQ(sprite->idle(), 0);
    EXPECT_EQ(setSpriteProp("Idle", 1), 0);
    host.stage().render();
    bits = host.stage().bits();
    EXPECT_EQ(std::vector<uint32_t>(bits, bits + 200 * 80), before);
}

TEST_F(EquationSpriteThroughHost, OtherSpritePropertiesAreRefused) {
    EXPECT_EQ(setSpriteProp("BackColor", 1), zx::kUnknownProperty);
    EXPECT_EQ(setSpriteProp("Nonsense", 1), zx::kUnknownProperty);
    zx::HostValue out{};
    zx::SpriteActorInterface* actor = sprite->actor();
    EXPECT_EQ(actor->ops->getProp(actor, host.symbol("Idle"), &out), zx::kUnknownProperty);
    EXPECT_EQ(sprite->caps()[0], 6);
}

TEST_F(EquationSpriteThroughHost, DrawingAndEventsReleaseEveryValueTheyObtain) {
    host.setHandler("Refresh",
                    [](zxhost::Sprite*, const std::vector<Value>&) { return Value("answer"); });
    host.stage().render();
    const int32_t values = host.liveValues();
    const int32_t references = host.hooks().liveReferenceTotal();
    sprite->focus();
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x+1");
    sprite->mouseUp(3, 3);
    setSpriteProp("Idle", 1);
    host.stage().render();
    sprite->blur();
    EXPECT_EQ(host.liveValues(), values);
    EXPECT_EQ(host.hooks().liveReferenceTotal(), references);
}

TEST_F(EquationSpriteThroughHost, PressOnAPaintedButtonReachesItsElement) {
    host.stage().setSize(200, 120);
    sprite->setRect({10, 10, 170, 110});
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x");
    storedText();
    host.hooks().clearRecords();
    host.stage().render();
    const auto& calls = host.hooks().records.drawPictures;
    ASSERT_EQ(calls.size(), 4u);
    // The last button painted is the "IVAR" of x.
    const zx::HostRect button = calls.back().destination;
    const int x = (button.left + button.right) / 2 - 10;
    const int y = (button.top + button.bottom) / 2 - 10;
    EXPECT_TRUE(sprite->mouseDown(x, y));
    sprite->mouseUp(x, y);
    const std::string text = storedText();
    EXPECT_EQ(text.substr(text.size() - 7), "|x|IVAR") << text;
}
