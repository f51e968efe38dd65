#include <vector>

#include <windows.h>

#include "sprite_fixture.h"

using zxhost::Value;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

std::vector<uint32_t> stagePixels(zxhost::Stage& stage) {
    const uint32_t* bits = stage.bits();
    return {bits, bits + static_cast<size_t>(stage.width()) * stage.height()};
}

} // namespace

TEST_F(EquationSpriteThroughHost, WithoutBorderLastColumnAndRowKeepTheStage) {
    host.stage().render();
    const auto& r = kSpriteRect;
    for (int y = r.top; y < r.bottom; ++y) {
        EXPECT_EQ(host.stage().pixel(r.right - 1, y), kStageColor) << "y " << y;
    }
    for (int x = r.left; x < r.right; ++x) {
        EXPECT_EQ(host.stage().pixel(x, r.bottom - 1), kStageColor) << "x " << x;
    }
    EXPECT_EQ(host.stage().pixel(r.right - 2, r.bottom - 2), kWhite);
    EXPECT_EQ(host.stage().pixel(r.left, r.bottom - 2), kWhite);
    EXPECT_EQ(host.stage().pixel(r.right - 2, r.top), kWhite);
}

TEST_F(EquationSpriteThroughHost, BlackBorderFramesTheWholeRectangle) {
    member->setProp("BlackBorder", Value(1));
    member->setProp("BackColor", Value(0x00FFFF));
    host.stage().render();
    const auto& r = kSpriteRect;
    for (int y = r.top; y < r.bottom; ++y) {
        EXPECT_EQ(host.stage().pixel(r.left, y), 0u) << "y " << y;
        EXPECT_EQ(host.stage().pixel(r.right - 1, y), 0u) << "y " << y;
    }
    for (int x = r.left; x < r.right; ++x) {
        EXPECT_EQ(host.stage().pixel(x, r.bottom - 1), 0u) << "x " << x;
    }
    // The empty equation's placeholder box stands at the top left, over the frame.
    for (int x = r.left + 20; x < r.right; ++x) {
        EXPECT_EQ(host.stage().pixel(x, r.top), 0u) << "x " << x;
    }
    EXPECT_EQ(host.stage().pixel(r.right - 2, r.bottom - 2), 0x00FFFFu);
    EXPECT_EQ(host.stage().pixel(r.right, r.bottom), kStageColor);
}

TEST_F(EquationSpriteThroughHost, TypedEquationIsPaintedInTheTextColor) {
    member->setProp("TextColor", Value(0x0000FF));
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x+1");
    host.stage().render();
    int red = 0;
    for (int y = kSpriteRect.top; y < kSpriteRect.bottom; ++y) {
        for (int x = kSpriteRect.left; x < kSpriteRect.right; ++x) {
            red += host.stage().pixel(x, y) == 0x0000FFu ? 1 : 0;
        }
    }
    EXPECT_GT(red, 20);
    // Nothing is painted outside the sprite.
    EXPECT_EQ(host.stage().pixel(kSpriteRect.right + 2, kSpriteRect.top + 5), kStageColor);
}

TEST_F(EquationSpriteThroughHost, PaneIdNamingNoPaneChangesNeitherMemberNorDrawing) {
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x");
    const int32_t pane = integer("EquatPane");
    host.stage().render();
    const auto before = stagePixels(host.stage());

    EXPECT_EQ(member->setProp("EquatPane", Value(pane + 1000)), 0);
    EXPECT_EQ(integer("EquatPane"), pane);
    host.stage().render();
    EXPECT_EQ(stagePixels(host.stage()), before);
}

TEST_F(EquationSpriteThroughHost, EquatInitZeroMakesDrawCreateAFreshPane) {
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x");
    const int32_t old = integer("EquatPane");
    const std::string oldText = storedText();

    member->setProp("EquatInit", Value(0));
    host.stage().render();
    EXPECT_EQ(integer("EquatInit"), 1);
    EXPECT_NE(integer("EquatPane"), old);
    EXPECT_NE(storedText(), oldText);
    // The member gave up the old pane: its id names nothing any more.
    EXPECT_EQ(member->setProp("EquatPane", Value(old)), 0);
    EXPECT_NE(integer("EquatPane"), old);
}

TEST_F(EquationSpriteThroughHost, CaretShownWhileFocusedAndGoneAfterBlur) {
    // The caret belongs to the window under the cursor: a press puts the cursor on the stage.
    sprite->mouseDown(3, 3);
    sprite->focus();
    host.stage().render();
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_GE(caret.x, kSpriteRect.left);
    EXPECT_LT(caret.x, kSpriteRect.right);
    EXPECT_GE(caret.y, kSpriteRect.top);
    EXPECT_LT(caret.y, kSpriteRect.bottom);

    sprite->blur();
    EXPECT_FALSE(GetCaretPos(&caret));
    host.stage().render();
    EXPECT_FALSE(GetCaretPos(&caret));

    sprite->focus();
    host.stage().render();
    EXPECT_TRUE(GetCaretPos(&caret));
}

TEST_F(EquationSpriteThroughHost, NoCaretWithoutFocus) {
    DestroyCaret();
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x");
    host.stage().render();
    POINT caret{};
    EXPECT_FALSE(GetCaretPos(&caret));
}

TEST_F(EquationSpriteThroughHost, VariableButtonsArePaintedWholeInsideTheSprite) {
    const zxhost::Rect tall{10, 10, 170, 110};
    host.stage().setSize(200, 120);
    sprite->setRect(tall);
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x");
    storedText(); // brings the variable panes up to date
    host.hooks().clearRecords();
    host.stage().render();
    const auto& calls = host.hooks().records.drawPictures;
    // "UNCH" and "IVAR" for y and for x.
    ASSERT_EQ(calls.size(), 4u);
    for (const auto& call : calls) {
        EXPECT_EQ(call.source.right - call.source.left, 30);
        EXPECT_EQ(call.source.bottom - call.source.top, 14);
        EXPECT_EQ(call.destination.right - call.destination.left, 30);
        EXPECT_GE(call.destination.left, tall.left);
        EXPECT_LE(call.destination.bottom, tall.bottom);
    }
}

TEST_F(EquationSpriteThroughHost, ButtonReachingOverTheSpriteEdgeIsCut) {
    sprite->mouseDown(3, 3);
    sprite->typeText("y=x");
    storedText();
    sprite->setRect({10, 10, 80, 60});
    host.hooks().clearRecords();
    host.stage().render();
    bool cut = false;
    for (const auto& call : host.hooks().records.drawPictures) {
        EXPECT_LE(call.destination.right, 80);
        EXPECT_EQ(call.destination.right - call.destination.left,
                  call.source.right - call.source.left);
        cut = cut || call.source.right - call.source.left < 30;
    }
    EXPECT_TRUE(cut);
}
