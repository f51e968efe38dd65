// Presses on a table sprite: data cells become active and addressed, headers change nothing,
// and nothing is redrawn for it.
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
    sprite.mouseDown(10, 40); // a row header
    sprite.mouseUp(75, 100);  // not a press
    expectActive(10, 3);
}

TEST_F(TableMouse, WithoutTheHeaderRowTheTopPixelsHitTopRow) {
    table->setProp("DisplayColHeaders", Value(0));
    table->setProp("TopRow", Value(4));
    sprite.mouseDown(75, 5);
    expectActive(4, 1);
}
