// A kind declared only through the kind interface (the test-only sample32 module): the frame
// derives its properties, saved block and dialog from the rows, keeps the kind's invariant
// after sets, loads and OK, and gives its sprite typed drag state.
#include <vector>

#include <gtest/gtest.h>

#include "zxframe/result_codes.h"
#include "zxhost/host.h"

using zxhost::Value;

namespace {

class SampleKind : public ::testing::Test {
protected:
    SampleKind() : host(std::vector<std::string>{}) {
        host.loadModule(ZX_SAMPLE_MODULE);
        member = &host.newMember("sample", "level");
    }

    zxhost::Host host;
    zxhost::Member* member = nullptr;
};

} // namespace

TEST_F(SampleKind, RowsAnswerReadsAndWritesWithTheirAccess) {
    EXPECT_EQ(member->getProp("Caption").value, Value("Level"));
    EXPECT_EQ(member->setProp("Caption", Value("a caption longer than its thirty-two bytes")),
              zx::kOk);
    EXPECT_EQ(member->getProp("Caption").value, Value("a caption longer than its thirt"));
    EXPECT_EQ(member->getProp("Span").value, Value(10));
    EXPECT_EQ(member->setProp("Span", Value(3)), zx::kUnknownProperty);
    EXPECT_EQ(member->getProp("Reset").code, zx::kUnknownProperty);
    EXPECT_EQ(member->setProp("Reset", Value(1)), zx::kOk);
    EXPECT_EQ(member->getProp("Value").value, Value(0));
    EXPECT_EQ(member->setProp("Drags", Value(9)), zx::kUnknownProperty);
    EXPECT_EQ(member->setProp("Nothing", Value(9)), zx::kUnknownProperty);
}

TEST_F(SampleKind, InvariantHoldsAfterSetLoadAndDialog) {
    member->setProp("Value", Value(50));
    EXPECT_EQ(member->getProp("Value").value, Value(10));
    member->setProp("Maximum", Value(4));
    EXPECT_EQ(member->getProp("Value").value, Value(4));

    auto bytes = member->save();
    ASSERT_EQ(bytes.size(), 68u);
    EXPECT_EQ(member->savedSize(), 68);
    bytes[11] = 99; // Value, big-endian at offset 8
    EXPECT_EQ(member->load(bytes), zx::kOk);
    EXPECT_EQ(member->getProp("Value").value, Value(4));

    const auto outcome = member->dialog({{1002, 77}, {1013, true}}, true);
    EXPECT_EQ(outcome.shown.at(1000), zxhost::DialogValue(0));
    EXPECT_EQ(outcome.shown.at(1009), zxhost::DialogValue(std::string("4.000000")));
    EXPECT_EQ(outcome.shown.at(1012), zxhost::DialogValue(true));
    EXPECT_EQ(member->getProp("Value").value, Value(4));
    EXPECT_EQ(member->getProp("Orientation").value, Value(1));
}

TEST_F(SampleKind, SavedBlockFollowsTheSavedPositions) {
    member->setProp("Minimum", Value(-2));
    member->setProp("Step", Value(1.0));
    const auto bytes = member->save();
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFE}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 20, bytes.begin() + 28),
              (std::vector<uint8_t>{0x3F, 0xF0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bytes[28], 'L');
}

TEST_F(SampleKind, DragMovesTheValueThroughTheMemberAndDraws) {
    host.stage().setSize(100, 20);
    auto& sprite = host.addSprite(*member, {10, 0, 90, 16});
    member->setProp("Value", Value(0));
    EXPECT_TRUE(sprite.mouseDown(5, 8));
    EXPECT_TRUE(sprite.mouseDrag(25, 8)); // 20 pixels at 4 per step
    EXPECT_EQ(member->getProp("Value").value, Value(5));
    EXPECT_TRUE(sprite.mouseUp(25, 8));
    sprite.mouseDrag(60, 8); // no drag after the release
    EXPECT_EQ(member->getProp("Value").value, Value(5));
    EXPECT_EQ(member->getProp("Drags").value, Value(1));

    host.stage().render();
    EXPECT_EQ(host.stage().pixel(20, 8), 0xFF0000u); // the level, blue
    EXPECT_EQ(host.stage().pixel(70, 8), 0xFFFFFFu); // the rest, white
    EXPECT_EQ(host.stage().pixel(10, 0), 0x000000u); // the border
}
