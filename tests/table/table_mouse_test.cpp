// Presses on a table sprite: data cells become active and addressed, headers and the space
// beyond the table change nothing, and nothing is redrawn for it.
#include "table_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

namespace {

class TableMouse : public TableThroughHost {
protected:
    TableMouse() : sprite(host.addSprite(*table, {20, 10, 300, 197})) {
        host.stage().setSize(320, 240);
        host.stage().render(); // the press is placed against the rectangle of the last draw
        sprite.idle();
    }

    void expectActive(int32_t row, int32_t col) {
        EXPECT_EQ(table->getProp("ActiveRow").value, Value(row));
        EXPECT_EQ(table->getProp("ActiveCol").value, Value(col));
        EXPECT_EQ(table->getProp("Row").value, Value(row < 0 ? 0 : row));
        EXPECT_EQ(table->getProp("Col").value, Value(col < 0 ? 0 : col));
    }

    zxhost::Sprite& sprite;
};

} // namespace

TEST_F(TableMouse, PressOnADataCellActivatesAndAddressesIt) {
    EXPECT_FALSE(sprite.mouseDown(75, 40));
    expectActive(2, 1);
    EXPECT_EQ(sprite.idle(), 0);
    EXPECT_EQ(table->getProp("ActiveH").value, Value(105));
    EXPECT_EQ(table->getProp("ActiveV").value, Value(42));
    sprite.mouseDown(279, 186);
    expectActive(10, 3);
}

TEST_F(TableMouse, PressesOnHeadersAndBeyondTheTableChangeNothing) {
    for (auto [x, y] : {std::pair{10, 40}, {75, 5}, {280, 40}, {75, 187}}) {
        sprite.mouseDown(x, y);
        expectActive(-1, -1);
    }
}

TEST_F(TableMouse, WithoutTheHeaderRowTheTopPixelsHitTopRow) {
    table->setProp("DisplayColHeaders", Value(0));
    table->setProp("TopRow", Value(4));
    sprite.mouseDown(75, 5);
    expectActive(4, 1);
}

TEST_F(TableMouse, OtherEventsAreIgnored) {
    sprite.mouseDrag(75, 40);
    sprite.mouseUp(75, 40);
    expectActive(-1, -1);
}
